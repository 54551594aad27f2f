#pragma once

#include <QAnyStringView>
#include <QCoreApplication>
#include <QString>

#include <utility>

// A user-visible text of a text header: the Italian source, translated each time it is used, so
// that the language installed at start-up reaches texts defined before it.
//
//   namespace EthernetText {
//   inline constexpr char Context[] = "EthernetText";
//   using Text = UiText<Context>;
//   inline constexpr Text NotInCnc = QT_TRANSLATE_NOOP("EthernetText", "Programma non esiste nel CN");
//   }
//
// The context in QT_TRANSLATE_NOOP is the one lupdate files the text under: it must be the
// header's Context (the translations check compares them).
template <const char *Context>
class UiText {
public:
    constexpr UiText(const char *source) : m_source(source) {}

    QString toString() const { return QCoreApplication::translate(Context, m_source); }
    operator QString() const { return toString(); }

    template <typename... Args>
    QString arg(Args &&...args) const
    {
        return toString().arg(std::forward<Args>(args)...);
    }

    // The Italian text, whatever the language: for data that must not change with it.
    QString source() const { return QString::fromUtf8(m_source); }
    // Whether a stored word is this text's source, without making a string of it (read per row).
    bool isSource(QStringView word) const { return QAnyStringView::equal(word, QUtf8StringView(m_source)); }

private:
    const char *m_source;
};

template <const char *Context>
bool operator==(const UiText<Context> &text, const QString &other)
{
    return text.toString() == other;
}
