#pragma once

#include <atomic>

// The user's stop of a transfer, asked on one thread and read by the thread that talks to the
// CNC between its calls.
class TransferStop {
public:
    void request() { m_requested = true; }
    bool requested() const { return m_requested; }
    // Waits, unless a stop comes first; false when the transfer is to stop.
    bool pause(int milliseconds) const;

private:
    std::atomic<bool> m_requested = false;
};
