#pragma once

#include <QByteArray>
#include <QString>

class EditableText;

// Sequence numbers typed at the start of each new line: N10, N20, ... One counter per editor
// window, kept when the option is switched off and on or another program is loaded.
class SequenceNumbering {
public:
    static constexpr qint32 Step = 10;

    explicit SequenceNumbering(qint32 counter = 0) : m_counter(counter) {}

    bool isOn() const { return m_on; }
    void toggle() { m_on = !m_on; }
    qint32 counter() const { return m_counter; }
    // What to type after an Enter: "N" and the next number, or nothing when the option is off or
    // the counter has reached the largest number it holds (numbering then stops there).
    QByteArray afterEnter();

private:
    bool m_on = false;
    qint32 m_counter = 0;
};

// What a typed text becomes in a program: upper case.
QString typedText(const QString &typed);
// "&Elimina": the selection, else the next character (a CR LF pair as one); nothing at the end.
void deleteForward(EditableText &text);
// "&Seleziona tutto"
void selectAll(EditableText &text);
