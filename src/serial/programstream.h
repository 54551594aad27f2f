#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

class QIODevice;

// The characters of a serial send as the wire gets them, made a piece at a time from a file or
// from memory: preamble, the program cleaned as CleanProgramText does, postamble, all with the
// machine's line ends. Memory stays that of a few pieces and the longest line, however long
// the program, so that a mould program of gigabytes goes out as a small one does.
class ProgramStream {
public:
    // preamble and postamble already decoded from their hexadecimal notation.
    ProgramStream(std::unique_ptr<QIODevice> program, QByteArray preamble, QByteArray postamble, int lineEnd);
    ~ProgramStream();
    ProgramStream(const ProgramStream &) = delete;
    ProgramStream &operator=(const ProgramStream &) = delete;

    // A stream of a file by its path; cleaned text in memory.
    static std::unique_ptr<ProgramStream> ofFile(const QString &path, QByteArray preamble, QByteArray postamble,
                                                 int lineEnd);
    static std::unique_ptr<ProgramStream> ofText(const QByteArray &text, QByteArray preamble, QByteArray postamble,
                                                 int lineEnd);

    // Opens the program and counts the characters that will go out: a first pass over it.
    // False with the reason in error() when it cannot be read.
    bool open();
    qint64 total() const { return m_total; }
    // The next characters, at most max of them; empty at the end; nullopt when the program
    // could not be read (error() says why).
    std::optional<QByteArray> next(qint64 max);
    QString error() const { return m_error; }

private:
    enum class Part { Preamble, Program, Postamble, Done };
    bool rewind();
    // Adds the next piece to m_pending; false on a read failure.
    bool fill();

    std::unique_ptr<QIODevice> m_program;
    QByteArray m_preamble;
    QByteArray m_postamble;
    int m_lineEnd = 1;
    Part m_part = Part::Preamble;
    QByteArray m_carry;   // the start of a line whose end has not been read yet
    QByteArray m_pending; // ready for the wire
    qsizetype m_taken = 0; // of m_pending, already given out
    qint64 m_total = 0;
    QString m_error;
};
