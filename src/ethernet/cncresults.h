#pragma once

#include <QString>

// testoerrore: the message for a result code of the CNC library; empty for a code it has none for.
QString testoerrore(short code);
