#pragma once

#include "cnclibrary.h"

#include <QLibrary>
#include <QString>

class SettingsStore;

// The CNC maker's library, loaded at run time by file name and bound by its exported names.
// When the library or one of its functions cannot be found, that call answers EW_NODLL.
class FocasLibrary : public CncLibrary {
public:
    explicit FocasLibrary(const QString &fileName);

    // The settings key cnc/library, else the maker's library name for this system.
    static QString configuredFileName(const SettingsStore &settings);

    bool isLoaded() const { return m_library.isLoaded(); }
    // Why the library could not be loaded; empty when it was.
    QString loadError() const { return m_loadError; }

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
    // Calls the library's function of that name, or answers EW_NODLL without it.
    template <typename Function, typename... Arguments>
    short call(const char *name, Arguments... arguments);

    QLibrary m_library;
    QString m_loadError;
};
