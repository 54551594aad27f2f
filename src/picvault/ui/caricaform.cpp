#include "caricaform.h"

#include "dialogs.h"
#include "pictureediting.h"
#include "pictureview.h"
#include "picturereader.h"
#include "picvaulttext.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The preview's size on screen, which is all it decodes.
const QSize kPreviewSize(320, 240);

} // namespace

caricaform::caricaform(PictureEditing &editing, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_editing(editing), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("caricaform"));
    setWindowTitle(PicvaultText::DetailsCaption);
    setModal(true);
    // Wide enough to read a file's path.
    setMinimumWidth(520);

    Text1 = named(new QLineEdit(this), "Text1");
    Command1 = named(new QPushButton(PicvaultText::ChooseButton, this), "Command1");
    Command4 = named(new QPushButton(PicvaultText::PreviewButton, this), "Command4");
    Picbuf1 = new PictureView(this);
    Picbuf1->setFixedSize(kPreviewSize);
    auto *shortLabel = new QLabel(PicvaultText::ShortLabel, this);
    Text3 = named(new QLineEdit(this), "Text3");
    shortLabel->setBuddy(Text3);
    auto *longLabel = new QLabel(PicvaultText::LongLabel, this);
    Text2 = named(new QPlainTextEdit(this), "Text2");
    longLabel->setBuddy(Text2);
    Command2 = named(new QPushButton(PicvaultText::AddButton, this), "Command2");
    Command5 = named(new QPushButton(PicvaultText::DeleteButton, this), "Command5");
    Command3 = named(new QPushButton(PicvaultText::ExitButton, this), "Command3");
    auto *notice = named(new QLabel(PicvaultText::Notice, this), "Label3");
    notice->setWordWrap(true);

    auto *file = new QHBoxLayout;
    file->addWidget(Text1, 1);
    file->addWidget(Command1);
    file->addWidget(Command4);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command2);
    buttons->addWidget(Command5);
    buttons->addStretch();
    buttons->addWidget(Command3);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(file);
    layout->addWidget(Picbuf1, 0, Qt::AlignHCenter);
    layout->addWidget(shortLabel);
    layout->addWidget(Text3);
    layout->addWidget(longLabel);
    layout->addWidget(Text2);
    layout->addLayout(buttons);
    layout->addWidget(notice);

    connect(Command1, &QPushButton::clicked, this, &caricaform::choose);
    connect(Command4, &QPushButton::clicked, this, &caricaform::preview);
    connect(Command2, &QPushButton::clicked, this, &caricaform::store);
    connect(Command5, &QPushButton::clicked, this, &caricaform::remove);
    connect(Command3, &QPushButton::clicked, this, &QDialog::accept);
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString &path) { Command4->setEnabled(!path.isEmpty()); });
}

void caricaform::openToAdd()
{
    m_editingPicture = false;
    Command5->setEnabled(false);
    Command2->setText(PicvaultText::AddButton);
    setWindowTitle(PicvaultText::AddCaption);
    Command4->setEnabled(false);
}

void caricaform::openToChange(int numdoc, qint32 np, const QString &picturePath)
{
    m_editingPicture = true;
    m_numdoc = numdoc;
    m_np = np;
    Command2->setText(PicvaultText::ChangeButton);
    setWindowTitle(PicvaultText::ChangeCaption);
    Text1->setText(picturePath);
    Command5->setEnabled(false);
    if (const std::optional<PictureRow> row = m_editing.open(np)) {
        Text3->setText(row->shortDescription);
        Text2->setPlainText(row->longDescription);
        Command5->setEnabled(true);
    }
    preview();
    // Enabled again only by a change of the path.
    Command4->setEnabled(false);
}

void caricaform::choose()
{
    const QString path = m_dialogs.openFileName({}, {}, pictureChooserFilter());
    if (!path.isEmpty())
        Text1->setText(path);
}

void caricaform::preview()
{
    Picbuf1->setFileName(Text1->text());
    Picbuf1->load(kPreviewSize);
}

void caricaform::store()
{
    if (!m_editingPicture) {
        // What is added is the file the path box names: one typed after the last preview is
        // shown first, and refused, saying why, when it cannot be.
        if (Text1->text() != Picbuf1->fileName()) {
            preview();
            if (!Picbuf1->hasPicture() && !Text1->text().isEmpty()) {
                m_dialogs.message(PicvaultText::NotAdded.arg(Text1->text(), Picbuf1->placeholderText()), {},
                                  Dialogs::Icon::Exclamation);
                return;
            }
        }
        // A file that is not a picture is not added: the preview shows why.
        m_editing.add(Picbuf1->hasPicture() ? Picbuf1->fileName() : QString(), Text3->text(), Text2->toPlainText());
        return;
    }
    if (m_editing.change(m_np, Picbuf1->fileName(), Text3->text(), Text2->toPlainText()))
        reject();
}

void caricaform::remove()
{
    if (m_editing.remove(m_np))
        Command5->setEnabled(false);
}
