#include "configscrn.h"

#include "dialogs.h"
#include "machinetext.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

// Keeps out of the Ethernet boxes what cncsett.dat could not hold, also when pasted.
class StorableTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return isStorableFieldText(input) ? Acceptable : Invalid;
    }
};

void check(QButtonGroup *group, QAbstractButton *button)
{
    if (button) {
        button->setChecked(true);
        return;
    }
    if (QAbstractButton *checked = group->checkedButton()) {
        group->setExclusive(false);
        checked->setChecked(false);
        group->setExclusive(true);
    }
}

QPushButton *addButton(QWidget *parent, QLayout *layout, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

QLineEdit *addLineEdit(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

} // namespace

ConfigScrn::ConfigScrn(MachineState &machines, const ProgramFolder &folder, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window), m_editor(machines, folder, dialogs), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("ConfigScrn"));
    setWindowTitle(MachineText::SettingsTitle);
    MachineForm &form = m_editor.form();

    auto *listLabel = new QLabel(MachineText::AvailableMachines, this);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    listLabel->setBuddy(List1);

    auto *baudBox = new QGroupBox(MachineText::BaudGroup, this);
    auto *baudLayout = new QGridLayout(baudBox);
    m_baudGroup = new QButtonGroup(this);
    const std::array<std::pair<const char *, QRadioButton **>, 8> bauds{{{"Baud3", &Baud3},
                                                                           {"Baud6", &Baud6},
                                                                           {"Baud12", &Baud12},
                                                                           {"Baud24", &Baud24},
                                                                           {"Baud48", &Baud48},
                                                                           {"Baud96", &Baud96},
                                                                           {"Baud192", &Baud192},
                                                                           {"Baud384", &Baud384}}};
    for (int i = 0; i < int(bauds.size()); ++i) {
        const QString rate = QString::number(BaudRates.at(i));
        *bauds.at(i).second = addOption(m_baudGroup, bauds.at(i).first, rate, [&form, rate] { form.baud = rate; });
        baudLayout->addWidget(*bauds.at(i).second, i % 4, i / 4);
    }

    auto *dataBox = new QGroupBox(MachineText::DataBitsGroup, this);
    auto *dataLayout = new QVBoxLayout(dataBox);
    m_dataGroup = new QButtonGroup(this);
    Data7 = addOption(m_dataGroup, "Data7", QStringLiteral("7"), [&form] { form.dataBits = QStringLiteral("7"); });
    Data8 = addOption(m_dataGroup, "Data8", QStringLiteral("8"), [&form] { form.dataBits = QStringLiteral("8"); });
    dataLayout->addWidget(Data7);
    dataLayout->addWidget(Data8);

    auto *stopBox = new QGroupBox(MachineText::StopBitsGroup, this);
    auto *stopLayout = new QVBoxLayout(stopBox);
    m_stopGroup = new QButtonGroup(this);
    Stop1 = addOption(m_stopGroup, "Stop1", QStringLiteral("1"), [&form] { form.stopBits = QStringLiteral("1"); });
    Stop2 = addOption(m_stopGroup, "Stop2", QStringLiteral("2"), [&form] { form.stopBits = QStringLiteral("2"); });
    stopLayout->addWidget(Stop1);
    stopLayout->addWidget(Stop2);

    auto *parityBox = new QGroupBox(MachineText::ParityGroup, this);
    auto *parityLayout = new QVBoxLayout(parityBox);
    m_parityGroup = new QButtonGroup(this);
    NoParity = addOption(m_parityGroup, "NoParity", MachineText::NoParity,
                         [&form] { form.parity = QStringLiteral("N"); });
    OddParity = addOption(m_parityGroup, "OddParity", MachineText::OddParity,
                          [&form] { form.parity = QStringLiteral("O"); });
    EvenParity = addOption(m_parityGroup, "EvenParity", MachineText::EvenParity,
                           [&form] { form.parity = QStringLiteral("E"); });
    parityLayout->addWidget(NoParity);
    parityLayout->addWidget(OddParity);
    parityLayout->addWidget(EvenParity);

    auto *portBox = new QGroupBox(MachineText::PortGroup, this);
    auto *portLayout = new QGridLayout(portBox);
    m_portGroup = new QButtonGroup(this);
    for (int port = 1; port <= 16; ++port) {
        const QByteArray name = "ComPort" + QByteArray::number(port);
        ComPort.at(port) = addOption(m_portGroup, name.constData(), QString::number(port),
                                     [&form, port] { form.comPort = port; });
        portLayout->addWidget(ComPort.at(port), (port - 1) / 4, (port - 1) % 4);
    }

    auto *flowBox = new QGroupBox(MachineText::FlowGroup, this);
    auto *flowLayout = new QVBoxLayout(flowBox);
    m_flowGroup = new QButtonGroup(this);
    NoFlow = addOption(m_flowGroup, "NoFlow", MachineText::NoFlow, [&form] { form.flow = 0; });
    XonFlow = addOption(m_flowGroup, "XonFlow", MachineText::XonFlow, [&form] { form.flow = 1; });
    RTSFlow = addOption(m_flowGroup, "RTSFlow", MachineText::RtsFlow, [&form] { form.flow = 2; });
    BothFlow = addOption(m_flowGroup, "BothFlow", MachineText::BothFlow, [&form] { form.flow = 3; });
    for (QRadioButton *option : {NoFlow, XonFlow, RTSFlow, BothFlow})
        flowLayout->addWidget(option);

    auto *lineEndBox = new QGroupBox(MachineText::LineEndGroup, this);
    auto *lineEndLayout = new QVBoxLayout(lineEndBox);
    m_lineEndGroup = new QButtonGroup(this);
    const std::array<QString, 3> lineEndCaptions{MachineText::LineEndCrLf, MachineText::LineEndLf,
                                                 MachineText::LineEndCr};
    for (int index = 0; index < 3; ++index) {
        const QByteArray name = "CRLF" + QByteArray::number(index);
        CRLF.at(index) = addOption(m_lineEndGroup, name.constData(), lineEndCaptions.at(index),
                                   [&form, index] { form.lineEnd = index; });
        lineEndLayout->addWidget(CRLF.at(index));
    }

    Text1 = addLineEdit(this, "Text1");
    Text2 = addLineEdit(this, "Text2");
    auto *hexDigits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-F]*")), this);
    for (QLineEdit *edit : {Text1, Text2}) {
        edit->setValidator(hexDigits);
        edit->installEventFilter(this);
    }
    connect(Text1, &QLineEdit::textEdited, this, [&form](const QString &text) { form.preamble = text; });
    connect(Text2, &QLineEdit::textEdited, this, [&form](const QString &text) { form.postamble = text; });
    auto *textsLayout = new QGridLayout;
    auto *preambleLabel = new QLabel(MachineText::Preamble, this);
    auto *postambleLabel = new QLabel(MachineText::Postamble, this);
    textsLayout->addWidget(preambleLabel, 0, 0);
    textsLayout->addWidget(Text1, 0, 1);
    textsLayout->addWidget(postambleLabel, 1, 0);
    textsLayout->addWidget(Text2, 1, 1);

    auto *ethernetBox = new QGroupBox(MachineText::EthernetGroup, this);
    auto *ethernetLayout = new QHBoxLayout(ethernetBox);
    Check1 = new QCheckBox(MachineText::Ethernet, ethernetBox);
    Check1->setObjectName(QStringLiteral("Check1"));
    Text3 = addLineEdit(ethernetBox, "Text3");
    Text4 = addLineEdit(ethernetBox, "Text4");
    auto *storable = new StorableTextValidator(this);
    Text3->setValidator(storable);
    Text4->setValidator(storable);
    ethernetLayout->addWidget(Check1);
    ethernetLayout->addWidget(Text3, 3);
    ethernetLayout->addWidget(new QLabel(MachineText::AddressPortSeparator, ethernetBox));
    ethernetLayout->addWidget(Text4, 1);
    connect(Check1, &QCheckBox::clicked, this, [this, &form](bool ticked) {
        form.ethernet = ticked;
        Text3->setEnabled(ticked);
        Text4->setEnabled(ticked);
    });
    connect(Text3, &QLineEdit::textEdited, this, [&form](const QString &text) { form.address = text; });
    connect(Text4, &QLineEdit::textEdited, this, [&form](const QString &text) { form.port = text; });

    auto *buttons = new QHBoxLayout;
    OKButton = addButton(this, buttons, "OKButton", MachineText::ApplyButton);
    Newbutton = addButton(this, buttons, "Newbutton", MachineText::NewButton);
    Command4 = addButton(this, buttons, "Command4", MachineText::RenameButton);
    Command1 = addButton(this, buttons, "Command1", MachineText::ExitButton);
    Command2 = addButton(this, buttons, "Command2", MachineText::AbandonButton);
    Command3 = addButton(this, buttons, "Command3", MachineText::HelpButton);

    auto *listColumn = new QVBoxLayout;
    listColumn->addWidget(listLabel);
    listColumn->addWidget(List1);
    auto *lineColumn = new QGridLayout;
    lineColumn->addWidget(baudBox, 0, 0, 2, 1);
    lineColumn->addWidget(dataBox, 0, 1);
    lineColumn->addWidget(stopBox, 1, 1);
    lineColumn->addWidget(parityBox, 0, 2);
    lineColumn->addWidget(flowBox, 1, 2);
    lineColumn->addWidget(portBox, 2, 0, 1, 2);
    lineColumn->addWidget(lineEndBox, 2, 2);
    lineColumn->addLayout(textsLayout, 3, 0, 1, 3);
    lineColumn->addWidget(ethernetBox, 4, 0, 1, 3);
    auto *columns = new QHBoxLayout;
    columns->addLayout(listColumn, 1);
    columns->addLayout(lineColumn, 3);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_showing)
            return;
        const QList<QListWidgetItem *> selected = List1->selectedItems();
        m_editor.select(selected.isEmpty() ? -1 : List1->row(selected.first()));
        if (!selected.isEmpty())
            showForm();
    });
    connect(OKButton, &QPushButton::clicked, this, [this] {
        m_editor.apply();
        showForm();
    });
    connect(Newbutton, &QPushButton::clicked, this, [this] {
        m_editor.addMachine();
        showList();
        showForm();
    });
    connect(Command4, &QPushButton::clicked, this, [this] {
        m_editor.renameSelected();
        showList();
    });
    connect(Command1, &QPushButton::clicked, this, [this] {
        const bool done = m_editor.exit();
        showForm();
        whenDone(done);
    });
    connect(Command2, &QPushButton::clicked, this, [this] { whenDone(m_editor.abandon()); });
    connect(Command3, &QPushButton::clicked, this, [this] { m_editor.help(); });

    m_editor.open();
    showList();
    showForm();
}

QRadioButton *ConfigScrn::addOption(QButtonGroup *group, const char *name, const QString &caption,
                                    std::function<void()> onClick)
{
    auto *option = new QRadioButton(caption, this);
    option->setObjectName(QString::fromLatin1(name));
    group->addButton(option);
    connect(option, &QRadioButton::clicked, this, std::move(onClick));
    return option;
}

void ConfigScrn::showList()
{
    m_showing = true;
    List1->clear();
    for (const MachineListEntry &entry : m_editor.entries()) {
        auto *item = new QListWidgetItem(ShownMachineName(entry.name), List1);
        item->setData(Qt::UserRole, entry.recordIndex);
    }
    if (m_editor.selection() >= 0)
        List1->setCurrentRow(m_editor.selection());
    m_showing = false;
}

void ConfigScrn::showForm()
{
    const MachineForm &form = m_editor.form();
    const std::array<QRadioButton *, 8> bauds{Baud3, Baud6, Baud12, Baud24, Baud48, Baud96, Baud192, Baud384};
    const qsizetype baud = BaudRates.indexOf(form.baud.toInt());
    check(m_baudGroup, form.baud.isEmpty() || baud < 0 ? nullptr : bauds.at(std::size_t(baud)));
    check(m_dataGroup, form.dataBits == u"7" ? Data7 : form.dataBits == u"8" ? Data8 : nullptr);
    check(m_stopGroup, form.stopBits == u"1" ? Stop1 : form.stopBits == u"2" ? Stop2 : nullptr);
    check(m_parityGroup, form.parity == u"N"   ? NoParity
                         : form.parity == u"O" ? OddParity
                         : form.parity == u"E" ? EvenParity
                                               : nullptr);
    check(m_portGroup, form.comPort >= 1 && form.comPort <= 16 ? ComPort.at(std::size_t(form.comPort)) : nullptr);
    const std::array<QRadioButton *, 4> flows{NoFlow, XonFlow, RTSFlow, BothFlow};
    check(m_flowGroup, form.flow >= 0 && form.flow <= 3 ? flows.at(std::size_t(form.flow)) : nullptr);
    check(m_lineEndGroup, form.lineEnd >= 0 && form.lineEnd <= 2 ? CRLF.at(std::size_t(form.lineEnd)) : nullptr);
    Text1->setText(form.preamble);
    Text2->setText(form.postamble);
    Check1->setChecked(form.ethernet);
    Text3->setText(form.address);
    Text4->setText(form.port);
    Text3->setEnabled(form.ethernet);
    Text4->setEnabled(form.ethernet);
}

void ConfigScrn::whenDone(bool done)
{
    if (done)
        close();
}

bool ConfigScrn::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (event->type() != QEvent::KeyPress || (edit != Text1 && edit != Text2))
        return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const QString typed = key->text();
    // Navigation keys, Tab and shortcuts (copy, paste: the validator checks what is pasted).
    if (typed.isEmpty() || typed == u"\t" || (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    const std::optional<QChar> accepted = filterHexKey(typed.at(0));
    if (!accepted) {
        m_dialogs.beep();
        return true;
    }
    if (*accepted == typed.at(0))
        return false;
    edit->insert(QString(*accepted));
    return true;
}
