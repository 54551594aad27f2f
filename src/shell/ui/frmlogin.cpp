#include "frmlogin.h"

#include "accesspassword.h"
#include "boxlooks.h"
#include "dialogs.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

frmLogin::frmLogin(AccessPassword &password, SettingsStore &settings, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_password(password), m_settings(settings), m_dialogs(dialogs),
      m_first(new QLineEdit(this)), m_second(new QLineEdit(this))
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(tr("Nuova password"));
    m_first->setObjectName(QStringLiteral("txtUserName"));
    m_second->setObjectName(QStringLiteral("txtPassword"));
    for (QLineEdit *box : {m_first, m_second})
        echoStars(box);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Annulla"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(ok, &QPushButton::clicked, this, &frmLogin::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(tr("Password"), m_first);
    form->addRow(tr("Ripetere..."), m_second);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void frmLogin::confirm()
{
    if (m_first->text() != m_second->text()) {
        m_dialogs.message(tr("Password non valida. Riprovare"), tr("Accesso"));
        m_first->setFocus();
        return;
    }
    // The current password must be given before it can be changed.
    if (!m_password.check(m_dialogs))
        return;
    m_password.replace(m_first->text(), m_settings);
    accept();
}
