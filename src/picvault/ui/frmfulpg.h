#pragma once

#include "zoomfraction.h"

#include <QDialog>

class Dialogs;
class PictureView;
class QPushButton;
class QScrollArea;

// Full-page window: one picture at a zoom fraction of its size, printed on request.
class frmfulpg : public QDialog {
    Q_OBJECT
public:
    // path and caption are those of the thumbnail that was clicked.
    frmfulpg(Dialogs &dialogs, const QString &path, const QString &caption, QWidget *parent = nullptr);

    ZoomFraction zoom() const { return m_zoom; }
    PictureView *picture() const { return Picbuf1; }

private:
    void applyZoom();
    void print();

    Dialogs &m_dialogs;
    ZoomFraction m_zoom;
    QScrollArea *m_scroll;
    PictureView *Picbuf1;
    QPushButton *Command1[3];
    QPushButton *Command2;
    QPushButton *Command3;
};
