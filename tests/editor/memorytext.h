#pragma once

#include "editabletext.h"

// An editor text held in memory, behaving as the text area does for the editing commands.
class MemoryText : public EditableText {
public:
    explicit MemoryText(QByteArray text = {}, int start = 0, int length = 0)
        : m_text(std::move(text)), m_start(start), m_length(length)
    {
    }

    QByteArrayView bytes() const override { return m_text; }
    int selectionStart() const override { return m_start; }
    int selectionLength() const override { return m_length; }
    void setSelection(int start, int length) override
    {
        m_start = std::clamp(start, 0, int(m_text.size()));
        m_length = std::clamp(length, 0, int(m_text.size()) - m_start);
    }
    void replaceSelection(const QByteArray &bytes) override
    {
        m_text.replace(m_start, m_length, bytes);
        m_start += int(bytes.size());
        m_length = 0;
    }
    void setAll(const QByteArray &bytes) override
    {
        m_text = bytes;
        m_start = m_length = 0;
    }
    const QByteArray &text() const { return m_text; }

private:
    QByteArray m_text;
    int m_start;
    int m_length;
};
