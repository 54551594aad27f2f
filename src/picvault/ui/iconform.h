#pragma once

#include <QWidget>

class PictureView;
struct PictureRow;
struct ReadPicture;

// Thumbnail window: one picture of the program, captioned with its short description.
class Iconform : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int formseq READ formseq CONSTANT)
    Q_PROPERTY(int np READ np CONSTANT)
public:
    // picture is the row's file, read at the thumbnail's size.
    Iconform(int formseq, const PictureRow &row, ReadPicture picture, QWidget *parent = nullptr);

    int formseq() const { return m_formseq; }
    int np() const { return m_np; }
    PictureView *picture() const { return Picbuf1; }

signals:
    void leftClicked(Iconform *thumbnail);
    void rightClicked(Iconform *thumbnail);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    const int m_formseq;
    const int m_np;
    PictureView *Picbuf1;
};
