#include "likepattern.h"

QString likePatternFromUserText(const QString &userText)
{
    QString pattern;
    pattern.reserve(userText.size() + 1);
    for (const QChar c : userText) {
        if (c == QLatin1Char('*')) {
            pattern += QLatin1Char('%');
            continue;
        }
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return pattern;
}

QString likePrefixPatternFromUserText(const QString &userText)
{
    // A text that already ends with "*" gets a second "%", which matches the same rows.
    return likePatternFromUserText(userText) + QLatin1Char('%');
}
