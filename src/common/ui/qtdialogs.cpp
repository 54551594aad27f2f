#include "qtdialogs.h"

#include "boxlooks.h"
#include "helpwindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QWidget *dialogParent()
{
    return QApplication::activeWindow();
}

QMessageBox::Icon toQt(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information: return QMessageBox::Information;
    case Dialogs::Icon::Exclamation: return QMessageBox::Warning;
    case Dialogs::Icon::Critical: return QMessageBox::Critical;
    case Dialogs::Icon::Question: return QMessageBox::Question;
    case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(Dialogs::Buttons buttons)
{
    switch (buttons) {
    case Dialogs::Buttons::Ok: return QMessageBox::Ok;
    case Dialogs::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Dialogs::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Dialogs::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Dialogs::Buttons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

Dialogs::Button fromQt(int button)
{
    switch (button) {
    case QMessageBox::Ok: return Dialogs::Button::Ok;
    case QMessageBox::Yes: return Dialogs::Button::Yes;
    case QMessageBox::No: return Dialogs::Button::No;
    case QMessageBox::Abort: return Dialogs::Button::Abort;
    case QMessageBox::Retry: return Dialogs::Button::Retry;
    case QMessageBox::Ignore: return Dialogs::Button::Ignore;
    default: return Dialogs::Button::Cancel;
    }
}

} // namespace

QtDialogs::QtDialogs(QString programTitle) : m_programTitle(std::move(programTitle)) {}

QString QtDialogs::titleOr(const QString &title) const
{
    return title.isEmpty() ? m_programTitle : title;
}

std::unique_ptr<QMessageBox> QtDialogs::messageBox(const QString &text, Buttons buttons, const QString &title,
                                                   Icon icon) const
{
    auto box = std::make_unique<QMessageBox>(toQt(icon), titleOr(title), withShownLineBreaks(text), toQt(buttons),
                                             dialogParent());
    widenForTitle(*box);
    return box;
}

void QtDialogs::message(const QString &text, const QString &title, Icon icon)
{
    messageBox(text, Buttons::Ok, title, icon)->exec();
}

Dialogs::Button QtDialogs::question(const QString &text, Buttons buttons, const QString &title, Icon icon)
{
    return fromQt(messageBox(text, buttons, title, icon)->exec());
}

std::optional<QString> QtDialogs::inputText(const QString &prompt, const QString &title,
                                            const QString &initial, bool secret)
{
    QInputDialog box(dialogParent());
    box.setWindowTitle(titleOr(title));
    box.setLabelText(prompt);
    box.setTextValue(initial);
    if (secret) {
        box.setTextEchoMode(QLineEdit::Password);
        if (auto *entry = box.findChild<QLineEdit *>())
            echoStars(entry);
    }
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

QString QtDialogs::openFileName(const QString &title, const QString &folder, const QString &filter)
{
    // The filter's name alone ("Immagini"): its patterns can be many.
    return QFileDialog::getOpenFileName(dialogParent(), titleOr(title), folder, filter, nullptr,
                                        QFileDialog::HideNameFilterDetails);
}

QString QtDialogs::saveFileName(const QString &title, const QString &folder, const QString &filter)
{
    return QFileDialog::getSaveFileName(dialogParent(), titleOr(title), folder, filter, nullptr,
                                        QFileDialog::HideNameFilterDetails);
}

bool QtDialogs::setUpPrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, dialogParent());
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::showHelp(int context)
{
    auto *window = new HelpWindow(HelpPages::page(context), dialogParent());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void QtDialogs::beep()
{
    QApplication::beep();
}
