#pragma once

#include "dialogs.h"

#include <memory>

class QMessageBox;
class QWidget;

// The real dialogs: message boxes, input boxes, file choosers, print dialog and help window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QString programTitle);

    void message(const QString &text, const QString &title, Icon icon) override;
    Button question(const QString &text, Buttons buttons, const QString &title, Icon icon) override;
    std::optional<QString> inputText(const QString &prompt, const QString &title, const QString &initial,
                                     bool secret) override;
    QString openFileName(const QString &title, const QString &folder, const QString &filter) override;
    QString saveFileName(const QString &title, const QString &folder, const QString &filter) override;
    bool setUpPrinter(QPrinter &printer) override;
    void showHelp(int context) override;
    void beep() override;

    // The box that message() and question() show.
    std::unique_ptr<QMessageBox> messageBox(const QString &text, Buttons buttons, const QString &title,
                                            Icon icon) const;

private:
    QString titleOr(const QString &title) const;

    QString m_programTitle;
};
