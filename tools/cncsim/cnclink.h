// One connection of libcncsim to a cncsim server: connects within a time-out, then exchanges
// one request and one answer at a time, each bounded by the same time-out.
#pragma once

#include "protocol.h"

#include <chrono>
#include <cstddef>
#include <mutex>
#include <string>

namespace cncsim {

class CncLink {
public:
    CncLink() = default;
    ~CncLink();
    CncLink(const CncLink &) = delete;
    CncLink &operator=(const CncLink &) = delete;

    // Connects and greets the server; EW_OK, EW_SOCKET or EW_PROTOCOL. timeoutSeconds <= 0
    // waits without limit.
    short open(const char *address, unsigned short port, long timeoutSeconds);
    // Closes the connection, after any exchange in progress on another thread.
    void close();

    // Sends the request and waits for the answer. Returns EW_SOCKET or EW_PROTOCOL when the
    // exchange failed (the connection is then closed), otherwise the server's result code; with
    // EW_OK, fields holds the answer after its result.
    short call(const Writer &request, std::string &fields);
    // For an answer whose fields do not read as they should: closes the connection.
    short garbage();

    // The most the server takes in one download block.
    std::size_t downloadBlock() const { return m_downloadBlock; }

private:
    using Clock = std::chrono::steady_clock;

    Clock::time_point deadline() const;
    // poll() milliseconds left until the deadline; -1 for no limit.
    int left(Clock::time_point deadline) const;
    bool connectTo(const char *address, unsigned short port, Clock::time_point deadline);
    bool sendAll(const std::string &data, Clock::time_point deadline);
    bool receive(char *data, std::size_t size, Clock::time_point deadline);
    short exchange(const Writer &request, std::string &fields);
    void closeSocket();

    std::mutex m_mutex; // one exchange at a time on this connection
    int m_fd = -1;
    long m_timeout = 0;
    std::size_t m_downloadBlock = 0;
};

} // namespace cncsim
