#pragma once

#include <QString>
#include <QTranslator>

// The programs speak Italian whatever the system's locale says (LANG=C.UTF-8 is common on Linux
// desktops and services), until a second language exists.

// Numbers and dates in Italian form from here on: "6.660", "0,039".
void useItalianNumbers();

// Qt's own texts (standard buttons, file chooser) in Italian while this object lives.
class QtItalianTexts {
public:
    // False when the translation is missing.
    bool install();

private:
    // Qt 6 asks for the file chooser's kinds ("Folder", "Drive") under a context that the
    // Italian translation still files under its Qt 5 name.
    class RenamedContexts : public QTranslator {
    public:
        explicit RenamedContexts(const QTranslator &qtbase) : m_qtbase(qtbase) {}
        QString translate(const char *context, const char *sourceText, const char *disambiguation,
                          int n) const override;
        bool isEmpty() const override { return false; }

    private:
        const QTranslator &m_qtbase;
    };

    QTranslator m_qtbase;
    RenamedContexts m_renamed{m_qtbase};
};

// Told on standard error when the translation is missing; the program goes on.
inline const QString QtItalianTextsMissing =
    QStringLiteral("Traduzione italiana di Qt (qtbase_it) non trovata: i dialoghi di Qt restano in inglese");
