// One client's conversation with the simulated CNC: answers each request of the wire protocol
// (protocol.h) from the program memory, keeping the state of that client's download or upload.
#pragma once

#include "incomingprogram.h"
#include "machineconfig.h"
#include "programstore.h"

#include <optional>
#include <string>
#include <string_view>

namespace cncsim {

class Reader;

class CncSession {
public:
    // The most the CNC takes in one download block.
    static constexpr std::size_t DownloadBlock = 1024;

    CncSession(const MachineConfig &config, const ProgramStore &store) : m_config(config), m_store(store) {}

    struct Answer {
        std::string body;
        bool close = false; // end the connection once the answer is out
    };
    Answer answer(std::string_view request);

private:
    struct Upload {
        std::string text;
        std::size_t delivered = 0;
    };

    Answer hello(Reader &in);
    Answer sysInfo(Reader &in);
    Answer programNumbers(Reader &in);
    Answer directory(Reader &in);
    Answer remove(Reader &in);
    Answer rename(Reader &in);
    Answer downloadStart(Reader &in);
    Answer download(Reader &in);
    Answer downloadEnd(Reader &in);
    Answer detailError(Reader &in);
    Answer uploadStart(Reader &in);
    Answer upload(Reader &in);
    Answer uploadEnd(Reader &in);

    // A busy answer while the CNC is still "busy" with this block; false when the block may go.
    bool stillBusy();
    Answer refuseDownload(int detail, int number);

    const MachineConfig &m_config;
    const ProgramStore &m_store;
    bool m_greeted = false;
    int m_busyLeft = 0;
    short m_detail = 0;
    short m_detailNumber = 0;
    std::optional<IncomingProgram> m_download;
    bool m_downloadRefused = false;
    std::optional<Upload> m_upload;
};

} // namespace cncsim
