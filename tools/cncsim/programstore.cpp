#include "programstore.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cncsim {

namespace {

constexpr std::size_t CommentLength = 50;

// The number a file name stands for, when it is one of ours: O and exactly four digits.
std::optional<int> numberOf(std::string_view name)
{
    if (name.size() != 5 || name[0] != 'O')
        return std::nullopt;
    int value = 0;
    for (char c : name.substr(1)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1)
        return std::nullopt;
    return value;
}

int writeAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data.remove_prefix(std::size_t(n));
    }
    return 0;
}

} // namespace

std::string ProgramStore::fileName(int number)
{
    char name[16];
    std::snprintf(name, sizeof name, "O%04d", number);
    return name;
}

std::string ProgramStore::path(int number) const
{
    return m_folder + "/" + fileName(number);
}

std::optional<std::vector<int>> ProgramStore::numbers() const
{
    DIR *dir = ::opendir(m_folder.c_str());
    if (!dir)
        return std::nullopt;
    std::vector<int> found;
    while (const dirent *e = ::readdir(dir)) {
        if (const auto number = numberOf(e->d_name))
            found.push_back(*number);
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end());
    return found;
}

bool ProgramStore::exists(int number) const
{
    struct stat st{};
    return ::stat(path(number).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::optional<std::string> ProgramStore::text(int number) const
{
    const int fd = ::open(path(number).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string out;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        out.append(buffer, std::size_t(n));
    }
    ::close(fd);
    return out;
}

std::optional<ProgramEntry> ProgramStore::entry(int number) const
{
    const int fd = ::open(path(number).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat st{};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    // The comment sits on the first line; a screenful of it is plenty.
    char head[512];
    ssize_t n;
    do
        n = ::read(fd, head, sizeof head);
    while (n < 0 && errno == EINTR);
    ::close(fd);
    if (n < 0)
        return std::nullopt;
    return ProgramEntry{number, long(st.st_size), comment(std::string_view(head, std::size_t(n)))};
}

std::string ProgramStore::comment(std::string_view text)
{
    const std::string_view line = text.substr(0, text.find('\n'));
    const std::size_t open = line.find('(');
    if (open == std::string_view::npos)
        return {};
    std::string_view inside = line.substr(open + 1);
    inside = inside.substr(0, inside.find(')'));
    if (!inside.empty() && inside.back() == '\r')
        inside.remove_suffix(1);
    return std::string(inside.substr(0, CommentLength));
}

std::string ProgramStore::renumbered(std::string_view text, int number)
{
    std::size_t end = 0;
    if (!text.empty() && (text[0] == 'O' || text[0] == ':')) {
        end = 1;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9')
            ++end;
    }
    if (end <= 1)
        return fileName(number) + "\n" + std::string(text);
    return fileName(number) + std::string(text.substr(end));
}

int ProgramStore::write(int number, std::string_view text) const
{
    std::string temporary = m_folder + "/." + fileName(number) + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return errno;
    int error = writeAll(fd, text);
    if (error == 0 && ::fchmod(fd, 0644) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path(number).c_str()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.c_str());
    return error;
}

int ProgramStore::remove(int number) const
{
    return ::unlink(path(number).c_str()) == 0 ? 0 : errno;
}

int ProgramStore::rename(int from, int to) const
{
    const auto old = text(from);
    if (!old)
        return errno ? errno : ENOENT;
    if (const int error = write(to, renumbered(*old, to)))
        return error;
    if (const int error = remove(from)) {
        // Never leave the program twice.
        remove(to);
        return error;
    }
    return 0;
}

} // namespace cncsim
