#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

class Dialogs;
class Iconform;
class PictureEditing;
class PictureStore;
class QMdiArea;

// Image manager: the thumbnails of one program's pictures in a multiple-document frame.
class Iconcontainer : public QMainWindow {
    Q_OBJECT
public:
    Iconcontainer(PictureStore &store, PictureEditing &editing, Dialogs &dialogs, qint32 program,
                  QWidget *parent = nullptr);

    // The container's caption for a program; also the title of boxes without one of their own.
    static QString caption(qint32 program);
    // Caption and thumbnails rebuilt from the catalogue.
    void refresh();
    // Thumbnails in np order.
    QList<Iconform *> thumbnails() const;
    QMdiArea *mdiArea() const { return m_area; }
    // The size every thumbnail window takes.
    static QSize thumbnailSize();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void placeThumbnails();
    // "&Carica immagini" with no thumbnail, a left click with one.
    void showDetails(Iconform *thumbnail);
    void showFullPage(Iconform *thumbnail);

    PictureStore &m_store;
    PictureEditing &m_editing;
    Dialogs &m_dialogs;
    const qint32 m_program;
    QMdiArea *m_area;
    QList<QPointer<Iconform>> m_thumbnails;
};
