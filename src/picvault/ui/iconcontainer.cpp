#include "iconcontainer.h"

#include "caricaform.h"
#include "dialogs.h"
#include "frmfulpg.h"
#include "iconform.h"
#include "pictureview.h"
#include "picturereader.h"
#include "picturestore.h"
#include "picvaulttext.h"
#include "thumbnaillayout.h"
#include "version.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace {

// The gap between rows of thumbnails: 100 twips.
int rowGap(const QWidget &widget)
{
    return qRound(100.0 * widget.logicalDpiY() / 1440.0);
}

} // namespace

Iconcontainer::Iconcontainer(PictureStore &store, PictureEditing &editing, Dialogs &dialogs, qint32 program,
                             QWidget *parent)
    : QMainWindow(parent), m_store(store), m_editing(editing), m_dialogs(dialogs), m_program(program),
      m_area(new QMdiArea(this))
{
    setObjectName(QStringLiteral("Iconcontainer"));
    m_area->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_area);
    resize(900, 640);
    buildMenus();
    m_area->viewport()->installEventFilter(this);
}

bool Iconcontainer::eventFilter(QObject *watched, QEvent *event)
{
    // The frame takes its final (maximised) size only once shown: the rows follow its width.
    if (watched == m_area->viewport() && event->type() == QEvent::Resize)
        placeThumbnails();
    return QMainWindow::eventFilter(watched, event);
}

void Iconcontainer::placeThumbnails()
{
    const QList<Iconform *> shown = thumbnails();
    const QList<QPoint> places =
        thumbnailPlaces(int(shown.size()), thumbnailSize(), m_area->viewport()->width(), rowGap(*this));
    for (int i = 0; i < shown.size(); ++i) {
        if (QWidget *sub = shown.at(i)->parentWidget())
            sub->setGeometry(QRect(places.at(i), thumbnailSize()));
    }
}

QSize Iconcontainer::thumbnailSize()
{
    // The designed height, and a width of 0.707 times it: the proportions of an A4 sheet.
    constexpr int height = 200;
    return QSize(qRound(height * 0.707), height);
}

void Iconcontainer::buildMenus()
{
    const auto addEntry = [this](const char *name, const QString &caption) {
        QAction *action = menuBar()->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    connect(addEntry("carica", PicvaultText::LoadMenu), &QAction::triggered, this, [this] { showDetails(nullptr); });
    connect(addEntry("esci", PicvaultText::ExitMenu), &QAction::triggered, this, &QWidget::close);
    connect(addEntry("helpme", PicvaultText::HelpMenu), &QAction::triggered, this,
            [this] { m_dialogs.message(PicvaultText::CreditsText, PicvaultText::CreditsTitle); });
}

QList<Iconform *> Iconcontainer::thumbnails() const
{
    QList<Iconform *> shown;
    for (const QPointer<Iconform> &thumbnail : m_thumbnails) {
        if (thumbnail)
            shown.append(thumbnail);
    }
    return shown;
}

QString Iconcontainer::caption(qint32 program)
{
    return PicvaultText::CaptionVersion.toString() + QStringLiteral(TRUV_VERSION) + PicvaultText::CaptionPictures
        + QString::number(program);
}

void Iconcontainer::refresh()
{
    setWindowTitle(caption(m_program));
    const std::optional<QList<PictureRow>> rows = m_store.picturesOf(m_program);
    m_area->closeAllSubWindows();
    m_thumbnails.clear();
    if (!rows) {
        m_dialogs.message(PicvaultText::CatalogueError.arg(m_store.lastError()), {}, Dialogs::Icon::Critical);
        return;
    }
    QStringList paths;
    for (const PictureRow &row : *rows)
        paths.append(row.path);
    QList<ReadPicture> pictures = readPictures(paths, thumbnailSize());
    for (int i = 0; i < rows->size(); ++i) {
        auto *thumbnail = new Iconform(i, rows->at(i), std::move(pictures[i]));
        // Queued, after the click has been handled: the refresh that ends the details window
        // destroys the thumbnail that was clicked.
        const QPointer<Iconform> clicked = thumbnail;
        connect(thumbnail, &Iconform::leftClicked, this, [this, clicked] {
            if (clicked)
                showDetails(clicked);
        }, Qt::QueuedConnection);
        connect(thumbnail, &Iconform::rightClicked, this, [this, clicked] {
            if (clicked)
                showFullPage(clicked);
        }, Qt::QueuedConnection);
        // Title only: a thumbnail closed on its own would leave a gap until the next refresh.
        QMdiSubWindow *sub =
            m_area->addSubWindow(thumbnail, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        sub->setToolTip(thumbnail->toolTip());
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->show();
        m_thumbnails.append(thumbnail);
    }
    placeThumbnails();
}

void Iconcontainer::showDetails(Iconform *thumbnail)
{
    caricaform details(m_editing, m_dialogs, this);
    if (thumbnail)
        details.openToChange(thumbnail->formseq(), thumbnail->np(), thumbnail->picture()->fileName());
    else
        details.openToAdd();
    if (details.exec() == QDialog::Accepted)
        refresh();
}

void Iconcontainer::showFullPage(Iconform *thumbnail)
{
    frmfulpg page(m_dialogs, thumbnail->picture()->fileName(), thumbnail->windowTitle(), this);
    page.exec();
}
