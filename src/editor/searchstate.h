#pragma once

#include <QString>

// The search settings of the whole run, kept between uses of the find window.
struct SearchState {
    static constexpr int Down = 1;
    static constexpr int Up = 0;

    QString findText;
    QString replaceText;
    bool matchCase = false;
    // Down (towards the end of the text); any other value searches upwards.
    int direction = Down;
    // Selection start left by the last search.
    int lastFoundPos = 0;
    // The next search is the first since the find window was opened.
    bool firstTime = false;
};
