#pragma once

#include <Qsci/qsciscintilla.h>

#include <functional>

// The text area of editor and terminal windows. The document is the program's bytes
// (8-bit, one position per character, line ends kept as loaded), so 30 MB programs stay light.
class ProgramTextArea : public QsciScintilla {
    Q_OBJECT
public:
    explicit ProgramTextArea(QWidget *parent = nullptr);

    // Replaces the whole text without recording undo steps, also in a read-only area.
    void setBytes(const QByteArray &bytes);
    QByteArray bytes() const;
    // The document's own buffer, valid until the next change: for searches without a copy.
    const char *characterPointer() const;
    int byteLength() const;

    int selectionStart() const;
    int selectionLength() const;
    QByteArray selectedBytes() const;
    void setSelection(int start, int length);
    void replaceSelectionWith(const QByteArray &bytes);

    // Sees every key press first; returning true consumes it.
    void setKeyPressHandler(std::function<bool(QKeyEvent *)> handler) { m_keyPressHandler = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::function<bool(QKeyEvent *)> m_keyPressHandler;
};
