#pragma once

#include "cnclibrary.h"

#include <QByteArray>
#include <QQueue>
#include <QStringList>

#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>

// A CNC library for tests: a CNC memory of programs, results scripted per call name, and a log
// of the calls made ("cnc_allclibhndl3 127.0.0.1 8193 10", "cnc_rdprogdir2 101"...). The calls
// come from the windows' worker thread: the log is read through callLog().
class FakeCncLibrary : public CncLibrary {
public:
    struct Program {
        long size = 0;
        QByteArray comment;
    };

    std::map<long, Program> programs;
    char cncType[2] = {'3', '1'};
    char machineType[2] = {' ', 'M'};
    // What the upload delivers, in blocks as large as asked for.
    QByteArray uploadText;
    // What the downloads delivered; at most downloadBlock characters are taken per call.
    QByteArray downloaded;
    long downloadBlock = 1L << 30;
    short detailNumber = 0; // the detail of a refused download
    // Asked above the last program, the directory gives the last one again (a CNC that goes back).
    bool directoryGoesBack = false;
    short mainProgram = 0;
    short runningProgram = 0;
    // Per call name, in turn: a result to answer instead of the normal one, or nullopt for the
    // normal answer.
    std::map<QString, QQueue<std::optional<short>>> scripted;
    long uploadBlock = 1L << 30; // the most one upload call delivers
    // What upload3 says it delivered instead of the length it copied, when set (a broken library).
    std::optional<long> claimedUploadLength;

    QStringList callLog() const;
    // The next call of that name waits, once logged, until release(): a CNC that hangs.
    void hold(const QString &call);
    bool isHolding() const;
    void release();

    short cnc_allclibhndl3(const char *ipaddr, unsigned short port, long timeout, unsigned short *handle) override;
    short cnc_freelibhndl(unsigned short handle) override;
    short cnc_sysinfo(unsigned short handle, ODBSYS *info) override;
    short cnc_rdprgnum(unsigned short handle, ODBPRO *numbers) override;
    short cnc_rdprogdir2(unsigned short handle, short type, short *top_prog, short *num_prog, PRGDIR2 *buf) override;
    short cnc_delete(unsigned short handle, short number) override;
    short cnc_renameprog(unsigned short handle, long oldnum, long newnum) override;
    short cnc_dwnstart3(unsigned short handle, short type) override;
    short cnc_download3(unsigned short handle, long *length, char *data) override;
    short cnc_dwnend3(unsigned short handle) override;
    short cnc_getdtailerr(unsigned short handle, ODBERR *detail) override;
    short cnc_upstart3(unsigned short handle, short type, long startno, long endno) override;
    short cnc_upload3(unsigned short handle, long *length, char *data) override;
    short cnc_upend3(unsigned short handle) override;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_released;
    QStringList m_calls;
    QString m_hold;
    bool m_holding = false;
    qsizetype m_uploaded = 0;
    // Logs the call; the scripted result when there is one.
    std::optional<short> enter(const QString &call);
};
