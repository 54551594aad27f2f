#pragma once

#include "helppages.h"

#include <QDialog>

// Help window: one help page, closed by the user.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(const HelpPages::Page &page, QWidget *parent = nullptr);
};
