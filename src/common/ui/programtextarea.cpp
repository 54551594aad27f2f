#include "programtextarea.h"

#include <QFont>
#include <QKeyEvent>

ProgramTextArea::ProgramTextArea(QWidget *parent) : QsciScintilla(parent)
{
    setUtf8(false);
    setEolMode(EolWindows);
    setEolVisibility(false);
    setWrapMode(WrapNone);
    setMarginWidth(0, 0);
    setMarginWidth(1, 0);
    setMarginWidth(2, 0);
    QFont font(QStringLiteral("DejaVu Sans Mono"), 10);
    font.setStyleHint(QFont::Monospace);
    setFont(font);
    SendScintilla(SCI_STYLESETFONT, STYLE_DEFAULT, font.family().toLatin1().constData());
    SendScintilla(SCI_STYLECLEARALL);
}

void ProgramTextArea::setBytes(const QByteArray &bytes)
{
    // A read-only document refuses every change, this one too.
    const bool readOnly = isReadOnly();
    setReadOnly(false);
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    // SCI_SETTEXT stops at a NUL byte; SCI_APPENDTEXT takes a length and keeps every byte.
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(bytes.size()), bytes.constData());
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(SCI_GOTOPOS, 0UL);
    setReadOnly(readOnly);
}

QByteArray ProgramTextArea::bytes() const
{
    return QByteArray(characterPointer(), byteLength());
}

const char *ProgramTextArea::characterPointer() const
{
    return reinterpret_cast<const char *>(SendScintilla(SCI_GETCHARACTERPOINTER));
}

int ProgramTextArea::byteLength() const
{
    return int(SendScintilla(SCI_GETLENGTH));
}

int ProgramTextArea::selectionStart() const
{
    return int(SendScintilla(SCI_GETSELECTIONSTART));
}

int ProgramTextArea::selectionLength() const
{
    return int(SendScintilla(SCI_GETSELECTIONEND)) - selectionStart();
}

QByteArray ProgramTextArea::selectedBytes() const
{
    return QByteArray(characterPointer() + selectionStart(), selectionLength());
}

void ProgramTextArea::setSelection(int start, int length)
{
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(start), static_cast<long>(start + length));
}

void ProgramTextArea::replaceSelectionWith(const QByteArray &bytes)
{
    // SCI_REPLACESEL stops at NUL; replace the target range with an explicit length instead.
    SendScintilla(SCI_TARGETFROMSELECTION);
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(bytes.size()), bytes.constData());
    const long end = long(SendScintilla(SCI_GETTARGETEND));
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(end), end);
}

void ProgramTextArea::keyPressEvent(QKeyEvent *event)
{
    if (m_keyPressHandler && m_keyPressHandler(event))
        return;
    QsciScintilla::keyPressEvent(event);
}
