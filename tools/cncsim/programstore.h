// The simulated CNC memory: a folder with one file per program, named O and at least four digits
// (O0001), holding the text as the CNC keeps it: first line O0001 (COMMENT), LF line ends.
// The folder is read on every request, so files dropped in by hand show up at once.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cncsim {

inline constexpr int MaxProgramNumber = 9999;

struct ProgramEntry {
    int number = 0;
    long size = 0;
    std::string comment;
};

class ProgramStore {
public:
    explicit ProgramStore(std::string folder) : m_folder(std::move(folder)) {}

    // Program numbers in the folder, ascending; nullopt when the folder cannot be read.
    std::optional<std::vector<int>> numbers() const;
    std::optional<ProgramEntry> entry(int number) const;
    std::optional<std::string> text(int number) const;
    bool exists(int number) const;

    // Each returns an errno value, 0 on success. Writes go through a temporary file and a rename,
    // so a crash never leaves half a program.
    int write(int number, std::string_view text) const;
    int remove(int number) const;
    // Gives the program the new number, in its file name and in its first line's O-word.
    int rename(int from, int to) const;

    static std::string fileName(int number);
    // The text in brackets on the first line, at most 50 characters.
    static std::string comment(std::string_view text);
    // The text with the O-word at its front written as O and four digits.
    static std::string renumbered(std::string_view text, int number);

private:
    std::string path(int number) const;

    std::string m_folder;
};

} // namespace cncsim
