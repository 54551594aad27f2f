#pragma once

#include "picturestore.h"

#include <optional>

class Dialogs;

// The details window's commands ("Carica", "Varia", "Cancella") on one program's pictures,
// with what the user is told about each.
class PictureEditing {
public:
    PictureEditing(PictureStore &store, Dialogs &dialogs, qint32 program);

    // The picture the window opens on; without one the user is told and nothing is shown.
    std::optional<PictureRow> open(qint32 np);
    // previewed is the file loaded in the preview, empty when none is. The new number, or
    // nullopt when nothing was added.
    std::optional<qint32> add(const QString &previewed, const QString &shortDescription,
                              const QString &longDescription);
    // True when the descriptions were stored and the window may close.
    bool change(qint32 np, const QString &previewed, const QString &shortDescription,
                const QString &longDescription);
    // Asks first; true when the picture and its row are gone.
    bool remove(qint32 np);

private:
    bool mayStore(const QString &previewed, const QString &shortDescription);
    // True for Done; every other outcome is told to the user, a file's failure with fileFailed.
    bool report(const PictureStore::Outcome &outcome, const QString &fileFailed);

    PictureStore &m_store;
    Dialogs &m_dialogs;
    const qint32 m_program;
};
