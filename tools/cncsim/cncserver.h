// The listening side of cncsim: accepts clients on one socket and serves each with its own
// CncSession, all on one thread that sleeps in ppoll() while nothing happens.
#pragma once

#include "cncsession.h"

#include <csignal>
#include <memory>
#include <string>
#include <vector>

namespace cncsim {

class CncServer {
public:
    // dropAfter: bytes sent on a connection before it is cut; stallAfter: before it falls silent
    // and stays open (a CNC that hangs); negative for never.
    CncServer(int listener, const MachineConfig &config, const ProgramStore &store, long dropAfter,
              long stallAfter = -1);
    ~CncServer();
    CncServer(const CncServer &) = delete;
    CncServer &operator=(const CncServer &) = delete;

    // Serves until stop becomes non-zero; the signals that set it must be blocked by the caller,
    // they are let through only while waiting. Returns the process exit code.
    int run(const volatile std::sig_atomic_t &stop, const sigset_t &waitMask);

private:
    struct Client {
        int fd = -1;
        std::string in;
        std::string out;
        long sent = 0;       // bytes queued for sending so far, for --drop-after and --stall-after
        bool closing = false;
        std::unique_ptr<CncSession> session;
    };

    void accept();
    // false when the client is finished with.
    bool readFrom(Client &client);
    bool writeTo(Client &client);
    void queue(Client &client, const std::string &frame);

    int m_listener;
    const MachineConfig &m_config;
    const ProgramStore &m_store;
    long m_dropAfter;
    long m_stallAfter;
    std::vector<Client> m_clients;
};

} // namespace cncsim
