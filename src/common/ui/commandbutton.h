#pragma once

#include <QString>

class QPushButton;
class QWidget;

// A window's command button with its old control name as objectName. Enter in a box must not
// press it, so it is never the dialog's default.
QPushButton *commandButton(const QString &caption, const char *name, QWidget *parent);
