#include "incomingprogram.h"

#include "programstore.h"

namespace cncsim {

namespace {

bool isControl(unsigned char c)
{
    return (c < 0x20 && c != '\n' && c != '\r' && c != '\t') || c == 0x7f;
}

} // namespace

int IncomingProgram::take(std::string_view block, const ProgramStore &store)
{
    if (m_phase == Phase::Ended)
        return 0; // what follows the end mark is not part of the program
    m_text.append(block);
    for (; m_pos < m_text.size() && m_phase != Phase::Ended; ++m_pos) {
        const unsigned char c = static_cast<unsigned char>(m_text[m_pos]);
        switch (m_phase) {
        case Phase::Leader:
            if (c == '%' || c == '\n' || c == '\r' || c == ' ')
                break;
            if (c != 'O' && c != ':')
                return DetailBadCharacter;
            beginProgram();
            break;
        case Phase::Number:
            if (c >= '0' && c <= '9' && m_digits < 5) {
                m_number = m_number * 10 + (c - '0');
                ++m_digits;
                break;
            }
            if (const int detail = finishNumber(store))
                return detail;
            m_phase = Phase::Body;
            [[fallthrough]];
        case Phase::Body:
            if (c == '%') {
                endProgram();
                m_phase = Phase::Ended;
            } else if ((c == 'O' || c == ':') && m_text[m_pos - 1] == '\n') {
                endProgram();
                beginProgram();
            } else if (isControl(c)) {
                return DetailBadCharacter;
            }
            break;
        case Phase::Ended:
            break;
        }
    }
    return 0;
}

void IncomingProgram::beginProgram()
{
    m_start = m_pos;
    m_number = 0;
    m_digits = 0;
    m_phase = Phase::Number;
}

void IncomingProgram::endProgram()
{
    m_programs.push_back({m_number, m_start, m_pos});
}

int IncomingProgram::finishNumber(const ProgramStore &store)
{
    if (m_digits == 0 || m_number < 1 || m_number > MaxProgramNumber)
        return DetailBadCharacter;
    if (store.exists(m_number))
        return DetailAlreadyPresent;
    for (const Span &program : m_programs) {
        if (program.number == m_number)
            return DetailAlreadyPresent;
    }
    return 0;
}

std::vector<std::pair<int, std::string>> IncomingProgram::stored() const
{
    std::vector<std::pair<int, std::string>> programs;
    for (const Span &program : m_programs) {
        std::string text;
        text.reserve(program.end - program.start + 1);
        for (std::size_t i = program.start; i < program.end; ++i) {
            if (m_text[i] != '\r')
                text.push_back(m_text[i]);
        }
        if (text.empty() || text.back() != '\n')
            text.push_back('\n');
        programs.emplace_back(program.number, ProgramStore::renumbered(text, program.number));
    }
    return programs;
}

} // namespace cncsim
