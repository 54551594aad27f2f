#pragma once

#include <QString>

// An Access date/time value as text "YYYY-MM-DD HH:MM:SS". Access keeps it as days since
// 30 December 1899 with the time of day as the fraction, also before that day (-1.25 is
// 29 December 1899, 6:00). Empty for a value outside the years Access allows.
QString accessDateText(double days);
