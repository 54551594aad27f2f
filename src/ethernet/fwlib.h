/* The CNC maker's communication library as its published C interface declares it: the calls,
   records and result codes that the Ethernet windows use. The production binding resolves these
   names at run time; tools/cncsim's library exports them. */
#ifndef TRUV_FWLIB_H
#define TRUV_FWLIB_H

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes */
#define EW_PROTOCOL (-17)
#define EW_SOCKET (-16)
#define EW_NODLL (-15)
#define EW_BUS (-11)
#define EW_SYSTEM2 (-10)
#define EW_HSSB (-9)
#define EW_HANDLE (-8)
#define EW_VERSION (-7)
#define EW_UNEXP (-6)
#define EW_SYSTEM (-5)
#define EW_PARITY (-4)
#define EW_MMCSYS (-3)
#define EW_RESET (-2)
#define EW_BUSY (-1)
#define EW_OK 0
#define EW_FUNC 1
#define EW_LENGTH 2
#define EW_NUMBER 3
#define EW_ATTRIB 4
#define EW_DATA 5
#define EW_NOOPT 6
#define EW_PROT 7
#define EW_OVRFLOW 8
#define EW_PARAM 9
#define EW_BUFFER 10
#define EW_PATH 11
#define EW_MODE 12
#define EW_REJECT 13
#define EW_DTSRVR 14
#define EW_ALARM 15
#define EW_STOP 16
#define EW_PASSWD 17

#pragma pack(push, 4)

/* cnc_sysinfo */
typedef struct odbsys {
    short addinfo;
    short max_axis;
    char cnc_type[2];
    char mt_type[2];
    char series[4];
    char version[4];
    char axes[2];
} ODBSYS;

/* cnc_rdprgnum: running and main program number */
typedef struct odbpro {
    short dummy[2];
    short data;
    short mdata;
} ODBPRO;

/* cnc_rdprogdir2, type 2: number, size and comment */
typedef struct prgdir2 {
    short number;
    long length;
    char comment[51];
    char dummy;
} PRGDIR2;

/* cnc_getdtailerr */
typedef struct odberr {
    short err_no;
    short err_dtno;
} ODBERR;

#pragma pack(pop)

short cnc_allclibhndl3(const char *ipaddr, unsigned short port, long timeout, unsigned short *FlibHndl);
short cnc_freelibhndl(unsigned short FlibHndl);
short cnc_sysinfo(unsigned short FlibHndl, ODBSYS *a);
short cnc_rdprgnum(unsigned short FlibHndl, ODBPRO *a);
short cnc_rdprogdir2(unsigned short FlibHndl, short type, short *top_prog, short *num_prog, PRGDIR2 *buf);
short cnc_delete(unsigned short FlibHndl, short number);
short cnc_renameprog(unsigned short FlibHndl, long oldnum, long newnum);
short cnc_dwnstart3(unsigned short FlibHndl, short type);
short cnc_download3(unsigned short FlibHndl, long *length, char *data);
short cnc_dwnend3(unsigned short FlibHndl);
short cnc_getdtailerr(unsigned short FlibHndl, ODBERR *a);
short cnc_upstart3(unsigned short FlibHndl, short type, long startno, long endno);
short cnc_upload3(unsigned short FlibHndl, long *length, char *data);
short cnc_upend3(unsigned short FlibHndl);

#ifdef __cplusplus
}
#endif

#endif
