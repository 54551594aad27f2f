#include "helpwindow.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const HelpPages::Page &page, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(page.title);
    auto *browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("helpText"));
    browser->setHtml(page.html);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resize(480, 320);
}
