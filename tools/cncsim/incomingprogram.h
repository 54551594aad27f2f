// A program arriving in download blocks, checked as it comes the way the CNC checks it: the
// O-word at its start gives the number (a program already in memory is refused), control
// characters are refused, and the "%" after the number ends it.
#pragma once

#include <string>
#include <string_view>

namespace cncsim {

class ProgramStore;

// Detail numbers that the CNC gives for a refused download.
inline constexpr int DetailBadCharacter = 1;
inline constexpr int DetailAlreadyPresent = 4;

class IncomingProgram {
public:
    // Takes the next block; 0, or the detail number of a refusal.
    int take(std::string_view block, const ProgramStore &store);

    bool complete() const { return m_phase == Phase::Ended; }
    int number() const { return m_number; }
    // The text as the CNC keeps it: from the O-word, written O and four digits, to the end mark,
    // LF line ends.
    std::string stored() const;

private:
    enum class Phase { Leader, Number, Body, Ended };

    int finishNumber(const ProgramStore &store);

    std::string m_text;
    std::size_t m_pos = 0;
    std::size_t m_start = 0;
    std::size_t m_end = 0;
    int m_digits = 0;
    int m_number = 0;
    Phase m_phase = Phase::Leader;
};

} // namespace cncsim
