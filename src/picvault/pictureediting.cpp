#include "pictureediting.h"

#include "dialogs.h"
#include "picvaulttext.h"

PictureEditing::PictureEditing(PictureStore &store, Dialogs &dialogs, qint32 program)
    : m_store(store), m_dialogs(dialogs), m_program(program)
{
}

std::optional<PictureRow> PictureEditing::open(qint32 np)
{
    std::optional<PictureRow> row = m_store.find(m_program, np);
    if (!row)
        report({m_store.lastError().isEmpty() ? PictureStore::Status::Missing : PictureStore::Status::CatalogueFailed,
                np, {}, m_store.lastError()},
               {});
    return row;
}

bool PictureEditing::mayStore(const QString &previewed, const QString &shortDescription)
{
    if (previewed.isEmpty()) {
        m_dialogs.beep();
        return false;
    }
    if (shortDescription.isEmpty()) {
        m_dialogs.message(PicvaultText::ShortMissing);
        return false;
    }
    return true;
}

bool PictureEditing::report(const PictureStore::Outcome &outcome, const QString &fileFailed)
{
    switch (outcome.status) {
    case PictureStore::Status::Done:
        return true;
    case PictureStore::Status::Missing:
        m_dialogs.message(PicvaultText::RowMissing);
        break;
    case PictureStore::Status::Full:
        m_dialogs.message(PicvaultText::CatalogueFull, {}, Dialogs::Icon::Exclamation);
        break;
    case PictureStore::Status::CatalogueFailed:
        m_dialogs.message(PicvaultText::CatalogueError.arg(outcome.error), {}, Dialogs::Icon::Critical);
        break;
    case PictureStore::Status::FileFailed:
        m_dialogs.message(fileFailed.arg(outcome.path, outcome.error), {}, Dialogs::Icon::Exclamation);
        break;
    }
    return false;
}

std::optional<qint32> PictureEditing::add(const QString &previewed, const QString &shortDescription,
                                          const QString &longDescription)
{
    if (!mayStore(previewed, shortDescription))
        return std::nullopt;
    const PictureStore::Outcome outcome = m_store.add(m_program, previewed, shortDescription, longDescription);
    if (!report(outcome, PicvaultText::NotAdded))
        return std::nullopt;
    m_dialogs.message(PicvaultText::Added);
    return outcome.np;
}

bool PictureEditing::change(qint32 np, const QString &previewed, const QString &shortDescription,
                            const QString &longDescription)
{
    return mayStore(previewed, shortDescription)
        && report(m_store.change(m_program, np, shortDescription, longDescription), {});
}

bool PictureEditing::remove(qint32 np)
{
    if (m_dialogs.question(PicvaultText::DeleteQuestion, Dialogs::Buttons::YesNo) != Dialogs::Button::Yes)
        return false;
    return report(m_store.remove(m_program, np), PicvaultText::NotDeleted);
}
