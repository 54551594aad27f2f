#pragma once

#include "editabletext.h"
#include "programtextarea.h"

// An editor window's text area seen by the editing commands, read in place.
class TextAreaText : public EditableText {
public:
    explicit TextAreaText(ProgramTextArea &area) : m_area(area) {}

    QByteArrayView bytes() const override { return QByteArrayView(m_area.characterPointer(), m_area.byteLength()); }
    int selectionStart() const override { return m_area.selectionStart(); }
    int selectionLength() const override { return m_area.selectionLength(); }
    void setSelection(int start, int length) override { m_area.setSelection(start, length); }
    void replaceSelection(const QByteArray &bytes) override { m_area.replaceSelectionWith(bytes); }
    void setAll(const QByteArray &bytes) override { m_area.setBytes(bytes); }

private:
    ProgramTextArea &m_area;
};
