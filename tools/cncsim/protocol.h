// The wire between libcncsim and the cncsim server.
//
// Every message is a frame: a 4-byte big-endian length, then that many bytes. A request is an
// operation byte and its fields; an answer is a signed 16-bit result code and, when the result is
// 0, the operation's fields. Integers are big-endian; byte strings carry a 4-byte length.
// The first request on a connection is Hello with the magic text; the answer carries the largest
// block the server takes in one Download.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cncsim {

inline constexpr std::uint32_t MaxFrame = 4u << 20;
inline constexpr std::string_view Magic = "CNCSIM/1";

enum class Op : std::uint8_t {
    Hello = 1,
    SysInfo,
    ProgramNumbers,
    Directory,
    Delete,
    Rename,
    DownloadStart,
    Download,
    DownloadEnd,
    DetailError,
    UploadStart,
    Upload,
    UploadEnd,
};

class Writer {
public:
    Writer &op(Op value) { return u8(std::uint8_t(value)); }
    Writer &u8(std::uint8_t value)
    {
        m_data.push_back(char(value));
        return *this;
    }
    Writer &i16(std::int16_t value) { return put(std::uint16_t(value), 2); }
    Writer &i32(std::int32_t value) { return put(std::uint32_t(value), 4); }
    Writer &u32(std::uint32_t value) { return put(value, 4); }
    Writer &bytes(std::string_view value)
    {
        u32(std::uint32_t(value.size()));
        m_data.append(value);
        return *this;
    }

    const std::string &body() const { return m_data; }
    std::string frame() const;

private:
    Writer &put(std::uint32_t value, int size)
    {
        for (int shift = (size - 1) * 8; shift >= 0; shift -= 8)
            m_data.push_back(char((value >> shift) & 0xff));
        return *this;
    }

    std::string m_data;
};

// Reads fields in order; a read past the end marks the whole body bad, so callers check once,
// with done(), after taking every field.
class Reader {
public:
    explicit Reader(std::string_view data) : m_data(data) {}

    std::uint8_t u8() { return std::uint8_t(take(1)); }
    std::int16_t i16() { return std::int16_t(std::uint16_t(take(2))); }
    std::int32_t i32() { return std::int32_t(take(4)); }
    std::uint32_t u32() { return take(4); }
    std::string bytes()
    {
        const std::uint32_t size = u32();
        if (!m_ok || size > m_data.size() - m_pos) {
            m_ok = false;
            return {};
        }
        std::string out(m_data.substr(m_pos, size));
        m_pos += size;
        return out;
    }

    bool ok() const { return m_ok; }
    // Every field was there and nothing follows.
    bool done() const { return m_ok && m_pos == m_data.size(); }

private:
    std::uint32_t take(std::size_t size)
    {
        if (!m_ok || size > m_data.size() - m_pos) {
            m_ok = false;
            return 0;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i)
            value = (value << 8) | std::uint8_t(m_data[m_pos + i]);
        m_pos += size;
        return value;
    }

    std::string_view m_data;
    std::size_t m_pos = 0;
    bool m_ok = true;
};

// A body with its length in front, ready for the socket.
inline std::string framed(std::string_view body)
{
    std::string out;
    out.reserve(4 + body.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(char((body.size() >> shift) & 0xff));
    out.append(body);
    return out;
}

inline std::string Writer::frame() const
{
    return framed(m_data);
}

// The length at the front of a frame; the caller has at least 4 bytes.
inline std::uint32_t frameLength(const char *header)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | std::uint8_t(header[i]);
    return value;
}

} // namespace cncsim
