#pragma once

#include <functional>

// A CNC that answers "buffer full" or "buffer empty" is asked again after a short pause, for a
// bounded time without progress, and not at all once pause() answers false (the caller is going).
class BusyRetry {
public:
    static constexpr int PauseMs = 10;
    // How long a transfer waits for a CNC that stays busy.
    static constexpr int LimitSeconds = 30;
    static constexpr int LimitMs = LimitSeconds * 1000;

    BusyRetry(int limitMs, std::function<bool(int milliseconds)> pause)
        : m_limitMs(limitMs), m_pause(std::move(pause))
    {
    }

    bool again()
    {
        if (m_waitedMs >= m_limitMs || !m_pause(PauseMs))
            return false;
        m_waitedMs += PauseMs;
        return true;
    }
    // The CNC moved on: the bound counts again from here.
    void progressed() { m_waitedMs = 0; }

private:
    int m_limitMs;
    std::function<bool(int)> m_pause;
    int m_waitedMs = 0;
};
