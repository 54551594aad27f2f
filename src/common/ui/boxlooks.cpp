#include "boxlooks.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>

QString withShownLineBreaks(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n\r|\r"));
    QString shown = text;
    return shown.replace(lineEnd, QStringLiteral("\n"));
}

void widenForTitle(QMessageBox &box)
{
    // Room for the title in the frame's (often bold) font, plus the frame's icon and buttons.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int wanted = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + 140;
    // A message box sizes itself from its contents; a spacer across its grid is what it honours.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

void echoStars(QLineEdit *entry)
{
    entry->setEchoMode(QLineEdit::Password);
    entry->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}
