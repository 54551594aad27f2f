#pragma once

#include "fwlib.h"

// The calls the Ethernet windows make on the CNC maker's library, under the library's own names,
// with its records and result codes. Implemented by the run-time binding and by test fakes.
class CncLibrary {
public:
    virtual ~CncLibrary() = default;

    virtual short cnc_allclibhndl3(const char *ipaddr, unsigned short port, long timeout, unsigned short *handle) = 0;
    virtual short cnc_freelibhndl(unsigned short handle) = 0;
    virtual short cnc_sysinfo(unsigned short handle, ODBSYS *info) = 0;
    virtual short cnc_rdprgnum(unsigned short handle, ODBPRO *numbers) = 0;
    virtual short cnc_rdprogdir2(unsigned short handle, short type, short *top_prog, short *num_prog,
                                 PRGDIR2 *buf) = 0;
    virtual short cnc_delete(unsigned short handle, short number) = 0;
    virtual short cnc_renameprog(unsigned short handle, long oldnum, long newnum) = 0;
    virtual short cnc_dwnstart3(unsigned short handle, short type) = 0;
    virtual short cnc_download3(unsigned short handle, long *length, char *data) = 0;
    virtual short cnc_dwnend3(unsigned short handle) = 0;
    virtual short cnc_getdtailerr(unsigned short handle, ODBERR *detail) = 0;
    virtual short cnc_upstart3(unsigned short handle, short type, long startno, long endno) = 0;
    virtual short cnc_upload3(unsigned short handle, long *length, char *data) = 0;
    virtual short cnc_upend3(unsigned short handle) = 0;
};
