#pragma once

#include <QByteArray>

class QWidget;

// Shows a window that was hidden for a while (for the terminal, for the image manager) again
// where it was, with the placement saveGeometry() gave before it was hidden, and brings it forward.
void showWhereItWas(QWidget &window, const QByteArray &placement);
