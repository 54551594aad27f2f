#include "focaslibrary.h"

#include "settingsstore.h"

FocasLibrary::FocasLibrary(const QString &fileName) : m_library(fileName)
{
    if (!m_library.load())
        m_loadError = m_library.errorString();
}

QString FocasLibrary::configuredFileName(const SettingsStore &settings)
{
    const QString configured = settings.text(QStringLiteral("cnc"), QStringLiteral("library"));
    if (!configured.trimmed().isEmpty())
        return configured.trimmed();
#ifdef Q_OS_WIN
    return QStringLiteral("Fwlib32.dll");
#else
    return QStringLiteral("libfwlib32.so");
#endif
}

template <typename Function, typename... Arguments>
short FocasLibrary::call(const char *name, Arguments... arguments)
{
    if (!m_library.isLoaded())
        return EW_NODLL;
    // Resolved on every call: a look-up costs far less than a call that crosses the network.
    const auto function = reinterpret_cast<Function *>(m_library.resolve(name));
    return function ? function(arguments...) : short(EW_NODLL);
}

short FocasLibrary::cnc_allclibhndl3(const char *ipaddr, unsigned short port, long timeout, unsigned short *handle)
{
    return call<decltype(::cnc_allclibhndl3)>("cnc_allclibhndl3", ipaddr, port, timeout, handle);
}

short FocasLibrary::cnc_freelibhndl(unsigned short handle)
{
    return call<decltype(::cnc_freelibhndl)>("cnc_freelibhndl", handle);
}

short FocasLibrary::cnc_sysinfo(unsigned short handle, ODBSYS *info)
{
    return call<decltype(::cnc_sysinfo)>("cnc_sysinfo", handle, info);
}

short FocasLibrary::cnc_rdprgnum(unsigned short handle, ODBPRO *numbers)
{
    return call<decltype(::cnc_rdprgnum)>("cnc_rdprgnum", handle, numbers);
}

short FocasLibrary::cnc_rdprogdir2(unsigned short handle, short type, short *top_prog, short *num_prog,
                                   PRGDIR2 *buf)
{
    return call<decltype(::cnc_rdprogdir2)>("cnc_rdprogdir2", handle, type, top_prog, num_prog, buf);
}

short FocasLibrary::cnc_delete(unsigned short handle, short number)
{
    return call<decltype(::cnc_delete)>("cnc_delete", handle, number);
}

short FocasLibrary::cnc_renameprog(unsigned short handle, long oldnum, long newnum)
{
    return call<decltype(::cnc_renameprog)>("cnc_renameprog", handle, oldnum, newnum);
}

short FocasLibrary::cnc_dwnstart3(unsigned short handle, short type)
{
    return call<decltype(::cnc_dwnstart3)>("cnc_dwnstart3", handle, type);
}

short FocasLibrary::cnc_download3(unsigned short handle, long *length, char *data)
{
    return call<decltype(::cnc_download3)>("cnc_download3", handle, length, data);
}

short FocasLibrary::cnc_dwnend3(unsigned short handle)
{
    return call<decltype(::cnc_dwnend3)>("cnc_dwnend3", handle);
}

short FocasLibrary::cnc_getdtailerr(unsigned short handle, ODBERR *detail)
{
    return call<decltype(::cnc_getdtailerr)>("cnc_getdtailerr", handle, detail);
}

short FocasLibrary::cnc_upstart3(unsigned short handle, short type, long startno, long endno)
{
    return call<decltype(::cnc_upstart3)>("cnc_upstart3", handle, type, startno, endno);
}

short FocasLibrary::cnc_upload3(unsigned short handle, long *length, char *data)
{
    return call<decltype(::cnc_upload3)>("cnc_upload3", handle, length, data);
}

short FocasLibrary::cnc_upend3(unsigned short handle)
{
    return call<decltype(::cnc_upend3)>("cnc_upend3", handle);
}
