#pragma once

#include <QPixmap>

// The released and pressed pictures of the main window's tool-bar buttons.
enum class ToolbarPicture { NewDocument, Cut, Copy, Paste };

QPixmap toolbarPicture(ToolbarPicture picture, bool pressed);
