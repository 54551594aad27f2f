#include "frmfulpg.h"

#include "dialogs.h"
#include "pictureprint.h"
#include "pictureview.h"
#include "picvaulttext.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>

frmfulpg::frmfulpg(Dialogs &dialogs, const QString &path, const QString &caption, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs), m_scroll(new QScrollArea(this)), Picbuf1(new PictureView)
{
    setObjectName(QStringLiteral("frmfulpg"));
    setWindowTitle(caption);
    setModal(true);

    m_scroll->setWidget(Picbuf1);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picbuf1->setFileName(path);
    Picbuf1->load();

    auto *zoomFrame = new QGroupBox(PicvaultText::ZoomFrame, this);
    zoomFrame->setObjectName(QStringLiteral("Frame1"));
    auto *zoomLayout = new QVBoxLayout(zoomFrame);
    const QString captions[3] = {PicvaultText::ZoomIn, PicvaultText::ZoomReset, PicvaultText::ZoomOut};
    for (int index = 0; index < 3; ++index) {
        Command1[index] = new QPushButton(captions[index], zoomFrame);
        Command1[index]->setObjectName(QStringLiteral("Command1_%1").arg(index));
        zoomLayout->addWidget(Command1[index]);
    }
    Command3 = new QPushButton(PicvaultText::PrintButton, this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command2 = new QPushButton(PicvaultText::CloseButton, this);
    Command2->setObjectName(QStringLiteral("Command2"));

    // The controls keep a column at the right edge; the picture takes the rest of the window.
    auto *side = new QVBoxLayout;
    side->addWidget(zoomFrame);
    side->addWidget(Command3);
    side->addWidget(Command2);
    side->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_scroll, 1);
    layout->addLayout(side);

    connect(Command1[0], &QPushButton::clicked, this, [this] {
        m_zoom.enlarge();
        applyZoom();
    });
    connect(Command1[1], &QPushButton::clicked, this, [this] {
        m_zoom.reset();
        applyZoom();
    });
    connect(Command1[2], &QPushButton::clicked, this, [this] {
        m_zoom.reduce();
        applyZoom();
    });
    connect(Command3, &QPushButton::clicked, this, &frmfulpg::print);
    connect(Command2, &QPushButton::clicked, this, &QDialog::accept);

    applyZoom();
    setWindowState(windowState() | Qt::WindowMaximized);
}

void frmfulpg::applyZoom()
{
    Picbuf1->setZoom(m_zoom);
}

void frmfulpg::print()
{
    // A file that cannot be read has nothing to print; its placeholder says why.
    if (!Picbuf1->hasPicture()) {
        m_dialogs.beep();
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!m_dialogs.setUpPrinter(printer))
        return;
    if (!printPicture(printer, Picbuf1->image(), logicalDpiX(), windowTitle()))
        m_dialogs.message(PicvaultText::PrintFailed, {}, Dialogs::Icon::Exclamation);
}
