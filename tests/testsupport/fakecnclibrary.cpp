#include "fakecnclibrary.h"

#include <cstring>

namespace {
constexpr unsigned short Handle = 7;
}

QStringList FakeCncLibrary::callLog() const
{
    std::lock_guard lock(m_mutex);
    return m_calls;
}

void FakeCncLibrary::hold(const QString &call)
{
    std::lock_guard lock(m_mutex);
    m_hold = call;
}

bool FakeCncLibrary::isHolding() const
{
    std::lock_guard lock(m_mutex);
    return m_holding;
}

void FakeCncLibrary::release()
{
    std::lock_guard lock(m_mutex);
    m_hold.clear();
    m_holding = false;
    m_released.notify_all();
}

std::optional<short> FakeCncLibrary::enter(const QString &call)
{
    std::unique_lock lock(m_mutex);
    m_calls.append(call);
    if (!m_hold.isEmpty() && call.section(u' ', 0, 0) == m_hold) {
        m_holding = true;
        m_released.wait(lock, [this] { return !m_holding; });
    }
    auto script = scripted.find(call.section(u' ', 0, 0));
    if (script == scripted.end() || script->second.isEmpty())
        return std::nullopt;
    return script->second.dequeue();
}

short FakeCncLibrary::cnc_allclibhndl3(const char *ipaddr, unsigned short port, long timeout, unsigned short *handle)
{
    *handle = Handle;
    return enter(QStringLiteral("cnc_allclibhndl3 %1 %2 %3").arg(QString::fromLatin1(ipaddr)).arg(port).arg(timeout))
        .value_or(EW_OK);
}

short FakeCncLibrary::cnc_freelibhndl(unsigned short handle)
{
    return enter(QStringLiteral("cnc_freelibhndl %1").arg(handle)).value_or(EW_OK);
}

short FakeCncLibrary::cnc_sysinfo(unsigned short, ODBSYS *info)
{
    *info = ODBSYS{};
    std::memcpy(info->cnc_type, cncType, 2);
    std::memcpy(info->mt_type, machineType, 2);
    return enter(QStringLiteral("cnc_sysinfo")).value_or(EW_OK);
}

short FakeCncLibrary::cnc_rdprgnum(unsigned short, ODBPRO *numbers)
{
    *numbers = ODBPRO{};
    numbers->data = runningProgram;
    numbers->mdata = mainProgram;
    return enter(QStringLiteral("cnc_rdprgnum")).value_or(EW_OK);
}

short FakeCncLibrary::cnc_rdprogdir2(unsigned short, short, short *top_prog, short *num_prog, PRGDIR2 *buf)
{
    if (const auto result = enter(QStringLiteral("cnc_rdprogdir2 %1").arg(*top_prog)))
        return *result;
    auto next = programs.lower_bound(*top_prog);
    if (next == programs.end() && directoryGoesBack && !programs.empty())
        next = std::prev(programs.end());
    if (next == programs.end()) {
        *num_prog = 0;
        return EW_NUMBER;
    }
    *buf = PRGDIR2{};
    buf->number = short(next->first);
    buf->length = next->second.size;
    std::strncpy(buf->comment, next->second.comment.constData(), sizeof buf->comment - 1);
    *num_prog = 1;
    return EW_OK;
}

short FakeCncLibrary::cnc_delete(unsigned short, short number)
{
    const short result = enter(QStringLiteral("cnc_delete %1").arg(number)).value_or(EW_OK);
    if (result == EW_OK)
        programs.erase(number);
    return result;
}

short FakeCncLibrary::cnc_renameprog(unsigned short, long oldnum, long newnum)
{
    const short result = enter(QStringLiteral("cnc_renameprog %1 %2").arg(oldnum).arg(newnum)).value_or(EW_OK);
    if (result == EW_OK && programs.count(oldnum)) {
        programs[newnum] = programs[oldnum];
        programs.erase(oldnum);
    }
    return result;
}

short FakeCncLibrary::cnc_dwnstart3(unsigned short, short type)
{
    return enter(QStringLiteral("cnc_dwnstart3 %1").arg(type)).value_or(EW_OK);
}

short FakeCncLibrary::cnc_download3(unsigned short, long *length, char *data)
{
    if (const std::optional<short> result = enter(QStringLiteral("cnc_download3 %1").arg(*length)))
        return *result;
    *length = std::min(*length, downloadBlock);
    downloaded.append(data, *length);
    return EW_OK;
}

short FakeCncLibrary::cnc_dwnend3(unsigned short)
{
    return enter(QStringLiteral("cnc_dwnend3")).value_or(EW_OK);
}

short FakeCncLibrary::cnc_getdtailerr(unsigned short, ODBERR *detail)
{
    *detail = ODBERR{};
    if (const std::optional<short> result = enter(QStringLiteral("cnc_getdtailerr")))
        return *result;
    detail->err_no = detailNumber;
    return EW_OK;
}

short FakeCncLibrary::cnc_upstart3(unsigned short, short type, long startno, long endno)
{
    m_uploaded = 0;
    return enter(QStringLiteral("cnc_upstart3 %1 %2 %3").arg(type).arg(startno).arg(endno)).value_or(EW_OK);
}

short FakeCncLibrary::cnc_upload3(unsigned short, long *length, char *data)
{
    if (const auto result = enter(QStringLiteral("cnc_upload3 %1").arg(*length)))
        return *result;
    const QByteArray block = uploadText.mid(m_uploaded, std::min(*length, uploadBlock));
    std::memcpy(data, block.constData(), size_t(block.size()));
    m_uploaded += block.size();
    *length = claimedUploadLength.value_or(long(block.size()));
    return EW_OK;
}

short FakeCncLibrary::cnc_upend3(unsigned short)
{
    return enter(QStringLiteral("cnc_upend3")).value_or(EW_OK);
}
