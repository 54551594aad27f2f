#pragma once

#include <QMainWindow>

class Dialogs;
class QAction;
class QMdiArea;
struct Session;

// Main window: the multiple-document frame from which every other window is reached.
class frmMDI : public QMainWindow {
    Q_OBJECT
public:
    frmMDI(Session &session, Dialogs &dialogs, QWidget *parent = nullptr);

    QMdiArea *mdiArea() const { return m_mdiArea; }

signals:
    // "&Fine": the program ends at once, without asking the open windows.
    void endRequested();

private:
    QAction *addCommand(QMenuBar *bar, const char *name, const QString &caption);
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption);
    void showCredits();

    Session &m_session;
    Dialogs &m_dialogs;
    QMdiArea *m_mdiArea;
};
