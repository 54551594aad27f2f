#include "frmfind.h"

#include "editortext.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

frmFind::frmFind(SearchState &state, Dialogs &dialogs, std::function<EditableText *()> activeText,
                 std::function<void()> returnFocus, QWidget *parent)
    : QDialog(parent), m_finder(state, dialogs), m_activeText(std::move(activeText)),
      m_returnFocus(std::move(returnFocus))
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(EditorText::FindCaption);
    setAttribute(Qt::WA_DeleteOnClose);

    Text1 = named(new QLineEdit(this), "Text1");
    Text2 = named(new QLineEdit(this), "Text2");
    auto *findLabel = new QLabel(EditorText::FindLabel, this);
    findLabel->setBuddy(Text1);
    auto *replaceLabel = new QLabel(EditorText::ReplaceLabel, this);
    replaceLabel->setBuddy(Text2);

    auto *directionFrame = new QGroupBox(EditorText::DirectionFrame, this);
    auto *directions = new QButtonGroup(this);
    auto *directionLayout = new QHBoxLayout(directionFrame);
    const QString captions[2] = {EditorText::UpOption, EditorText::DownOption};
    for (int index = 0; index < 2; ++index) {
        optDirection[index] = new QRadioButton(captions[index], directionFrame);
        optDirection[index]->setObjectName(QStringLiteral("optDirection_%1").arg(index));
        directions->addButton(optDirection[index], index);
        directionLayout->addWidget(optDirection[index]);
        connect(optDirection[index], &QRadioButton::clicked, this, [this, index] { m_finder.setDirection(index); });
    }
    chkCase = named(new QCheckBox(EditorText::MatchCaseBox, this), "chkCase");
    cmdFind = named(new QPushButton(EditorText::FindButton, this), "cmdFind");
    cmdcancel = named(new QPushButton(EditorText::CancelButton, this), "cmdcancel");
    cmdFind->setDefault(true);
    cmdFind->setEnabled(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(findLabel, 0, 0);
    layout->addWidget(Text1, 0, 1);
    layout->addWidget(cmdFind, 0, 2);
    layout->addWidget(replaceLabel, 1, 0);
    layout->addWidget(Text2, 1, 1);
    layout->addWidget(cmdcancel, 1, 2);
    layout->addWidget(directionFrame, 2, 0, 1, 2);
    layout->addWidget(chkCase, 3, 0, 1, 2);

    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString &text) { cmdFind->setEnabled(!text.isEmpty()); });
    connect(chkCase, &QCheckBox::clicked, this, [this](bool checked) { m_finder.setMatchCase(checked); });
    connect(cmdFind, &QPushButton::clicked, this, &frmFind::find);
    connect(cmdcancel, &QPushButton::clicked, this, &frmFind::cancel);
}

void frmFind::start(const QByteArray &selected)
{
    const Finder::WindowFields fields = m_finder.open(selected);
    Text1->setText(fields.findText);
    Text2->setText(fields.replaceText);
    chkCase->setChecked(fields.matchCase);
    if (fields.direction == SearchState::Up || fields.direction == SearchState::Down)
        optDirection[fields.direction]->setChecked(true);
    cmdFind->setEnabled(!Text1->text().isEmpty());
    Text1->setFocus();
}

void frmFind::find()
{
    hide();
    m_finder.accept(Text1->text(), Text2->text(), m_activeText());
    close();
    m_returnFocus();
}

void frmFind::cancel()
{
    m_finder.cancel(Text1->text(), Text2->text(), chkCase->isChecked());
    close();
    m_returnFocus();
}
