#pragma once

#include <QIcon>
#include <QList>

// TRUV's own icon, from the pictures compiled into the program; set on the application, it is the
// icon of every window of truvnet and picvault.
namespace ProgramIcon {

// The sizes drawn, in pixels; the same pictures are installed in share/icons/hicolor.
QList<int> sizes();
QIcon icon();

} // namespace ProgramIcon
