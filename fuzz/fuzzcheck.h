#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken property of the code under test: libFuzzer keeps the input that caused it, the
// seed replay fails.
#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                       \
        }                                                                                       \
    } while (false)

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

// Takes a fuzzer's bytes apart, front to back; past the end everything is zero or empty.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_position >= m_size; }
    std::uint8_t byte() { return empty() ? 0 : m_data[m_position++]; }
    int twoBytes() { return byte() | byte() << 8; }
    // Up to length bytes as text.
    const char *take(std::size_t length, std::size_t *taken)
    {
        const char *start = reinterpret_cast<const char *>(m_data + m_position);
        *taken = length < m_size - m_position ? length : m_size - m_position;
        m_position += *taken;
        return start;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_position = 0;
};
