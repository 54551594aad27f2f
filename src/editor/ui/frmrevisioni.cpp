#include "frmrevisioni.h"

#include "dialogs.h"
#include "revisionhistory.h"
#include "revisiontext.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

enum ListColumn { Revision, Date, Who, Origin, Size, Added, Removed, ListColumns };

} // namespace

frmRevisioni::frmRevisioni(RevisionHistory &history, Dialogs &dialogs, std::function<bool()> mayRestore,
                           std::function<void()> restored, QWidget *parent)
    : QDialog(parent), m_history(history), m_dialogs(dialogs), m_mayRestore(std::move(mayRestore)),
      m_restored(std::move(restored)), m_list(new QTableWidget(0, ListColumns, this)),
      m_compareWith(new QComboBox(this)), m_differences(new QTableView(this)), m_model(new DiffModel(this)),
      m_summary(new QLabel(this)), m_restore(new QPushButton(RevisionText::RestoreButton, this))
{
    setObjectName(QStringLiteral("frmRevisioni"));
    setWindowTitle(RevisionText::WindowCaption.arg(history.number()));
    m_list->setObjectName(QStringLiteral("Lista"));
    m_list->setHorizontalHeaderLabels({RevisionText::RevisionColumn, RevisionText::DateColumn, RevisionText::WhoColumn,
                                       RevisionText::OriginColumn, RevisionText::SizeColumn, RevisionText::AddedColumn,
                                       RevisionText::RemovedColumn});
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_compareWith->setObjectName(QStringLiteral("Confronto"));
    m_differences->setObjectName(QStringLiteral("Differenze"));
    m_differences->setModel(m_model);
    m_differences->verticalHeader()->hide();
    // One line a row at a fixed height: the view asks only for the rows it shows.
    m_differences->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_differences->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_differences->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_differences->setWordWrap(false);
    m_summary->setObjectName(QStringLiteral("Riepilogo"));
    m_restore->setObjectName(QStringLiteral("Ripristina"));
    auto *close = new QPushButton(RevisionText::CloseButton, this);
    close->setObjectName(QStringLiteral("Chiudi"));

    auto *compare = new QHBoxLayout;
    compare->addWidget(new QLabel(RevisionText::CompareWith, this));
    compare->addWidget(m_compareWith, 1);
    compare->addWidget(m_summary, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_restore);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(compare);
    layout->addWidget(m_differences, 3);
    layout->addLayout(buttons);
    resize(900, 640);

    connect(m_list, &QTableWidget::itemSelectionChanged, this, &frmRevisioni::showDifferences);
    connect(m_compareWith, &QComboBox::currentIndexChanged, this, &frmRevisioni::showDifferences);
    connect(m_restore, &QPushButton::clicked, this, &frmRevisioni::restore);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    fillList();
}

int frmRevisioni::chosenRevision() const
{
    const int row = m_list->currentRow();
    const auto &revisions = m_history.revisions();
    return row >= 0 && size_t(row) < revisions.size() ? revisions[size_t(row)].revision : 0;
}

void frmRevisioni::fillList()
{
    const auto &revisions = m_history.revisions();
    m_list->setRowCount(int(revisions.size()));
    for (int row = 0; row < int(revisions.size()); ++row) {
        const RevisionInfo &info = revisions[size_t(row)];
        const QString cells[] = {QString::number(info.revision), info.time.toLocalTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")),
                                 info.who, originCaption(info.origin), QLocale().toString(info.size), {}, {}};
        for (int column = 0; column < ListColumns; ++column)
            m_list->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_list->resizeColumnsToContents();
    fillComparisons();
    m_restore->setEnabled(false);
    if (revisions.empty()) {
        m_model->compare({}, {});
        m_summary->setText(m_history.lastError().isEmpty() ? RevisionText::NoRevisions.arg(m_history.number())
                                                           : m_history.lastError());
        return;
    }
    m_list->selectRow(0);
    // Counted one revision per turn of the event loop, so the window answers meanwhile.
    m_nextCount = 0;
    QTimer::singleShot(0, this, &frmRevisioni::fillNextCount);
}

void frmRevisioni::fillNextCount()
{
    if (m_nextCount >= m_history.revisions().size() || m_nextCount >= size_t(m_list->rowCount()))
        return;
    const std::optional<TextDiff::Counts> counts = m_history.countsAgainstNext(m_nextCount);
    const int row = int(m_nextCount++);
    m_list->item(row, Added)->setText(counts ? QString::number(counts->added) : QStringLiteral("?"));
    m_list->item(row, Removed)->setText(counts ? QString::number(counts->removed) : QStringLiteral("?"));
    QTimer::singleShot(0, this, &frmRevisioni::fillNextCount);
}

void frmRevisioni::fillComparisons()
{
    const QSignalBlocker quiet(m_compareWith);
    m_compareWith->clear();
    m_compareWith->addItem(RevisionText::Current, RevisionHistory::Current);
    for (const RevisionInfo &info : m_history.revisions())
        m_compareWith->addItem(RevisionText::RevisionColumn.toString() + u' ' + QString::number(info.revision),
                               info.revision);
}

void frmRevisioni::showDifferences()
{
    const int chosen = chosenRevision();
    m_restore->setEnabled(chosen > 0);
    if (chosen == 0)
        return;
    const std::optional<QByteArray> older = m_history.text(chosen);
    const std::optional<QByteArray> newer = older ? m_history.text(m_compareWith->currentData().toInt()) : std::nullopt;
    if (!newer) {
        // A damaged revision is named and never shown as if it were a text.
        m_model->compare({}, {});
        m_summary->setText(m_history.lastError());
        m_restore->setEnabled(false);
        return;
    }
    m_model->compare(*older, *newer);
    m_differences->resizeColumnToContents(DiffModel::OldNumber);
    m_differences->resizeColumnToContents(DiffModel::NewNumber);
    m_differences->setColumnWidth(DiffModel::OldText, 380);
    m_summary->setText(RevisionText::Summary.arg(m_model->counts().added).arg(m_model->counts().removed));
}

void frmRevisioni::restore()
{
    const int chosen = chosenRevision();
    if (chosen == 0 || !m_mayRestore())
        return;
    if (m_dialogs.question(RevisionText::RestoreQuestion.arg(chosen), Dialogs::Buttons::YesNo) != Dialogs::Button::Yes)
        return;
    const TextChange change = m_history.restore(chosen);
    if (!change.done) {
        m_dialogs.message(change.error, {}, Dialogs::Icon::Exclamation);
        return;
    }
    m_restored();
    m_dialogs.message(RevisionText::Restored.arg(chosen));
    fillList();
}
