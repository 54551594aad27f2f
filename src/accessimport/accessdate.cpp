#include "accessdate.h"

#include <QDate>
#include <QTime>

#include <cmath>

QString accessDateText(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 3e6)
        return {};
    qint64 day = qint64(std::trunc(days));
    qint64 seconds = qint64(std::fabs(days - double(day)) * 86400.0 + 0.5);
    if (seconds >= 86400) {
        seconds -= 86400;
        day += days < 0 ? -1 : 1;
    }
    return QDate(1899, 12, 30).addDays(day).toString(Qt::ISODate) + QLatin1Char(' ')
        + QTime(0, 0).addSecs(int(seconds)).toString(QStringLiteral("HH:mm:ss"));
}
