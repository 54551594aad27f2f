#pragma once

#include <QString>

// Turns a user's search text into an SQL LIKE pattern to be used with ESCAPE '\':
// "*" means any run of characters; "%" and "_" are matched literally.
QString likePatternFromUserText(const QString &userText);
// The same, ending with "any run": what every prefix search uses.
QString likePrefixPatternFromUserText(const QString &userText);
