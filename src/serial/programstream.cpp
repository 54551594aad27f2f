#include "programstream.h"

#include "seriallink.h"
#include "transfertext.h"

#include <QBuffer>
#include <QFile>

namespace {

// What one read takes from the program file.
constexpr qint64 PieceSize = 64 * 1024;

} // namespace

ProgramStream::ProgramStream(std::unique_ptr<QIODevice> program, QByteArray preamble, QByteArray postamble,
                             int lineEnd)
    : m_program(std::move(program)), m_preamble(std::move(preamble)), m_postamble(std::move(postamble)),
      m_lineEnd(lineEnd)
{
}

ProgramStream::~ProgramStream() = default;

std::unique_ptr<ProgramStream> ProgramStream::ofFile(const QString &path, QByteArray preamble, QByteArray postamble,
                                                     int lineEnd)
{
    return std::make_unique<ProgramStream>(std::make_unique<QFile>(path), std::move(preamble), std::move(postamble),
                                           lineEnd);
}

std::unique_ptr<ProgramStream> ProgramStream::ofText(const QByteArray &text, QByteArray preamble,
                                                     QByteArray postamble, int lineEnd)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(text);
    return std::make_unique<ProgramStream>(std::move(buffer), std::move(preamble), std::move(postamble), lineEnd);
}

bool ProgramStream::open()
{
    if (!m_program->open(QIODevice::ReadOnly)) {
        m_error = m_program->errorString();
        return false;
    }
    if (!rewind())
        return false;
    qint64 total = 0;
    for (;;) {
        const std::optional<QByteArray> piece = next(PieceSize);
        if (!piece)
            return false;
        if (piece->isEmpty())
            break;
        total += piece->size();
    }
    m_total = total;
    return rewind();
}

bool ProgramStream::rewind()
{
    if (!m_program->seek(0)) {
        m_error = m_program->errorString();
        return false;
    }
    m_part = Part::Preamble;
    m_carry.clear();
    m_pending.clear();
    m_taken = 0;
    return true;
}

std::optional<QByteArray> ProgramStream::next(qint64 max)
{
    while (m_pending.size() - m_taken < max && m_part != Part::Done) {
        if (!fill())
            return std::nullopt;
    }
    const qsizetype size = qsizetype(std::min<qint64>(max, m_pending.size() - m_taken));
    QByteArray piece = m_pending.mid(m_taken, size);
    m_taken += size;
    // What has gone out is dropped once it is the larger part, so the buffer stays small.
    if (m_taken > m_pending.size() / 2) {
        m_pending.remove(0, m_taken);
        m_taken = 0;
    }
    return piece;
}

bool ProgramStream::fill()
{
    switch (m_part) {
    case Part::Preamble:
        m_pending += EncodeLineEnds(m_preamble, m_lineEnd);
        m_part = Part::Program;
        return true;
    case Part::Program: {
        const QByteArray piece = m_program->read(PieceSize);
        if (piece.isEmpty()) {
            if (!m_program->atEnd()) {
                m_error = m_program->errorString();
                return false;
            }
            m_pending += EncodeLineEnds(CleanProgramText(m_carry), m_lineEnd);
            m_carry.clear();
            m_part = Part::Postamble;
            return true;
        }
        m_carry += piece;
        // Whole lines only: a line cut between two reads is cleaned once it is whole.
        qsizetype end = m_carry.size();
        while (end > 0 && m_carry.at(end - 1) != '\n' && m_carry.at(end - 1) != '\r')
            --end;
        if (end > 0) {
            m_pending += EncodeLineEnds(CleanProgramText(m_carry.left(end)), m_lineEnd);
            m_carry.remove(0, end);
        }
        return true;
    }
    case Part::Postamble:
        m_pending += EncodeLineEnds(m_postamble, m_lineEnd);
        m_part = Part::Done;
        return true;
    case Part::Done:
        return true;
    }
    return true;
}
