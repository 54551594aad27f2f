#pragma once

#include <QDialog>

#include <functional>

class Dialogs;
class DiffModel;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class RevisionHistory;

// Revisions window: a program's revisions, the differences between two of its texts, the restore.
class frmRevisioni : public QDialog {
    Q_OBJECT
public:
    // mayRestore asks what must be asked before the current text is replaced; restored is told after.
    frmRevisioni(RevisionHistory &history, Dialogs &dialogs, std::function<bool()> mayRestore,
                 std::function<void()> restored, QWidget *parent = nullptr);

    // The revision chosen in the list; 0 when none.
    int chosenRevision() const;

private:
    void fillList();
    void fillNextCount();
    void fillComparisons();
    void showDifferences();
    void restore();

    RevisionHistory &m_history;
    Dialogs &m_dialogs;
    std::function<bool()> m_mayRestore;
    std::function<void()> m_restored;
    QTableWidget *m_list;
    QComboBox *m_compareWith;
    QTableView *m_differences;
    DiffModel *m_model;
    QLabel *m_summary;
    QPushButton *m_restore;
    size_t m_nextCount = 0;
};
