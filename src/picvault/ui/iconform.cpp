#include "iconform.h"

#include "picturestore.h"
#include "pictureview.h"

#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

Iconform::Iconform(int formseq, const PictureRow &row, ReadPicture picture, QWidget *parent)
    : QWidget(parent), m_formseq(formseq), m_np(row.np), Picbuf1(new PictureView(this))
{
    setObjectName(QStringLiteral("Iconform"));
    setWindowTitle(row.shortDescription);
    setToolTip(row.shortDescription);
    setFocusPolicy(Qt::ClickFocus);
    // The title bar has room for a few letters only: the whole description under the picture.
    auto *caption = new QLabel(row.shortDescription, this);
    caption->setObjectName(QStringLiteral("Caption"));
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    caption->setWordWrap(true);
    caption->setTextFormat(Qt::PlainText);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->addWidget(Picbuf1, 1);
    layout->addWidget(caption);
    Picbuf1->setFileName(row.path);
    Picbuf1->show(std::move(picture));
}

void Iconform::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        setFocus();
        emit leftClicked(this);
    } else if (event->button() == Qt::RightButton) {
        setFocus();
        emit rightClicked(this);
    }
}
