#pragma once

#include <QByteArray>
#include <QByteArrayView>

// An editor's text as the editing commands see it: bytes, one position per character.
class EditableText {
public:
    virtual ~EditableText() = default;

    // The text where it lies, valid until the next change.
    virtual QByteArrayView bytes() const = 0;
    virtual int selectionStart() const = 0;
    virtual int selectionLength() const = 0;
    // Selects, with the caret at the end of the selection.
    virtual void setSelection(int start, int length) = 0;
    // Replaces the selection; the caret ends after the inserted bytes.
    virtual void replaceSelection(const QByteArray &bytes) = 0;
    // Replaces the whole text, as loading a file does.
    virtual void setAll(const QByteArray &bytes) = 0;

    QByteArray selectedBytes() const { return bytes().sliced(selectionStart(), selectionLength()).toByteArray(); }
};
