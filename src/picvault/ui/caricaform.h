#pragma once

#include <QDialog>

class Dialogs;
class PictureEditing;
class PictureView;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Details window: adds a picture to the program, or changes or deletes one. It ends accepted
// when left with "Esci", which is when the thumbnails are refreshed.
class caricaform : public QDialog {
    Q_OBJECT
public:
    caricaform(PictureEditing &editing, Dialogs &dialogs, QWidget *parent = nullptr);

    // On load, for a new picture.
    void openToAdd();
    // On load, for the picture of thumbnail numdoc.
    void openToChange(int numdoc, qint32 np, const QString &picturePath);

    int numdoc() const { return m_numdoc; }
    qint32 np() const { return m_np; }

private:
    void choose();
    void preview();
    void store();
    void remove();

    PictureEditing &m_editing;
    Dialogs &m_dialogs;
    bool m_editingPicture = false;
    int m_numdoc = -1;
    qint32 m_np = 0;

    QLineEdit *Text1;
    QPushButton *Command1;
    QPushButton *Command4;
    PictureView *Picbuf1;
    QLineEdit *Text3;
    QPlainTextEdit *Text2;
    QPushButton *Command2;
    QPushButton *Command5;
    QPushButton *Command3;
};
