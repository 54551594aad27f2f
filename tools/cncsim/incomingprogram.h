// Programs arriving in download blocks, checked as they come the way the CNC checks them: the
// O-word at the start of a program gives its number (a program already in memory, or twice in
// the download, is refused), a line starting with an O-word begins the next program, control
// characters are refused, and the "%" ends the download.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
    // The number of the program under way.
    int number() const { return m_number; }
    // Each program as the CNC keeps it: from its O-word, written O and four digits, to the next
    // program or the end mark, LF line ends.
    std::vector<std::pair<int, std::string>> stored() const;

private:
    enum class Phase { Leader, Number, Body, Ended };
    struct Span {
        int number;
        std::size_t start;
        std::size_t end;
    };

    int finishNumber(const ProgramStore &store);
    void beginProgram();
    void endProgram();

    std::string m_text;
    std::size_t m_pos = 0;
    std::size_t m_start = 0;
    std::vector<Span> m_programs;
    int m_digits = 0;
    int m_number = 0;
    Phase m_phase = Phase::Leader;
};

} // namespace cncsim
