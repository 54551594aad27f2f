#pragma once

#include "finder.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Find window: collects the search and replacement texts, the direction and the case rule; the
// search itself runs in the main window's active editor window. Gone after either button.
class frmFind : public QDialog {
    Q_OBJECT
public:
    // activeText gives the active editor window's text, or nullptr when none is open;
    // returnFocus gives the focus back to it when the window goes.
    frmFind(SearchState &state, Dialogs &dialogs, std::function<EditableText *()> activeText,
            std::function<void()> returnFocus, QWidget *parent = nullptr);

    // Fills the window for a new search, the selected text (if any) becoming the search text.
    void start(const QByteArray &selected);

private:
    void find();
    void cancel();

    Finder m_finder;
    std::function<EditableText *()> m_activeText;
    std::function<void()> m_returnFocus;

    QLineEdit *Text1;
    QLineEdit *Text2;
    QRadioButton *optDirection[2];
    QCheckBox *chkCase;
    QPushButton *cmdFind;
    QPushButton *cmdcancel;
};
