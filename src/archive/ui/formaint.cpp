#include "formaint.h"

#include "archivetext.h"
#include "commandbutton.h"
#include "programtextarea.h"

#include <QBoxLayout>
#include <QListWidget>
#include <QPushButton>

Formaint::Formaint(ArchiveStore &archive, const ProgramFolder &folder, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_files(archive, folder, dialogs)
{
    setObjectName(QStringLiteral("Formaint"));
    setWindowTitle(m_files.caption());

    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    RichTextBox1 = new ProgramTextArea(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setReadOnly(true);
    Command1 = commandButton(ArchiveText::ExamineButton, "Command1", this);
    Command2 = commandButton(ArchiveText::RenameButton, "Command2", this);
    Command4 = commandButton(ArchiveText::DeleteFileButton, "Command4", this);
    Command3 = commandButton(ArchiveText::CloseButton, "Command3", this);

    auto *commands = new QVBoxLayout;
    for (QPushButton *b : {Command1, Command2, Command4, Command3})
        commands->addWidget(b);
    commands->addStretch();
    auto *left = new QVBoxLayout;
    left->addWidget(File1);
    left->addLayout(commands);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(RichTextBox1, 3);
    resize(900, 560);

    connect(File1, &QListWidget::itemClicked, this, [this] {
        m_files.clicked();
        RichTextBox1->setBytes({});
        showCommands();
    });
    connect(Command1, &QPushButton::clicked, this, &Formaint::examine);
    connect(Command2, &QPushButton::clicked, this, &Formaint::rename);
    connect(Command4, &QPushButton::clicked, this, &Formaint::remove);
    connect(Command3, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
    showCommands();
}

void Formaint::refresh()
{
    File1->clear();
    File1->addItems(m_files.files());
    RichTextBox1->setBytes({});
}

void Formaint::showCommands()
{
    Command2->setEnabled(m_files.canRename());
    Command4->setEnabled(m_files.canDelete());
}

void Formaint::examine()
{
    const QListWidgetItem *item = File1->currentItem();
    if (!item || !item->isSelected())
        return;
    const std::optional<QByteArray> bytes = m_files.examine(item->text());
    RichTextBox1->setBytes(bytes.value_or(QByteArray()));
    showCommands();
}

void Formaint::rename()
{
    const ReceivedFiles::Renamed renamed = m_files.rename();
    if (!renamed.done)
        return;
    if (renamed.newProgram) {
        m_newProgram = renamed.newProgram;
        accept();
        return;
    }
    refresh();
    showCommands();
}

void Formaint::remove()
{
    m_files.remove();
    if (!m_files.canDelete()) {
        refresh();
        showCommands();
    }
}
