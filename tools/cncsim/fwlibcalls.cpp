// libcncsim: the CNC library's C calls, each one request to the cncsim server over its handle's
// connection. Only these calls leave the library; everything else is hidden.

#include "handletable.h"
#include "protocol.h"

#pragma GCC visibility push(default)
#include "fwlib.h"
#pragma GCC visibility pop

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <limits>
#include <memory>
#include <string>

using cncsim::CncLink;
using cncsim::Op;
using cncsim::Reader;
using cncsim::Writer;

namespace {

cncsim::HandleTable &handles()
{
    static cncsim::HandleTable table;
    return table;
}

std::int32_t clamp32(long value)
{
    return std::int32_t(std::clamp<long>(value, std::numeric_limits<std::int32_t>::min(),
                                         std::numeric_limits<std::int32_t>::max()));
}

// Runs a call on the handle's connection. A C caller cannot take an exception: a failure inside
// the library (out of memory) is the library's abnormal state.
template <typename Body>
short onHandle(unsigned short handle, Body body) noexcept
{
    try {
        const std::shared_ptr<CncLink> link = handles().find(handle);
        if (!link)
            return EW_HANDLE;
        return body(*link);
    } catch (const std::exception &) {
        return EW_UNEXP;
    }
}

// A call whose answer has no fields.
short simple(unsigned short handle, const Writer &request)
{
    return onHandle(handle, [&](CncLink &link) {
        std::string fields;
        const short result = link.call(request, fields);
        if (result == EW_OK && !fields.empty())
            return link.garbage();
        return result;
    });
}

} // namespace

short cnc_allclibhndl3(const char *ipaddr, unsigned short port, long timeout, unsigned short *FlibHndl)
{
    if (!FlibHndl)
        return EW_HANDLE;
    *FlibHndl = 0;
    if (!ipaddr)
        return EW_SOCKET;
    try {
        auto link = std::make_shared<CncLink>();
        if (const short result = link->open(ipaddr, port, timeout))
            return result;
        const auto handle = handles().add(std::move(link));
        if (!handle)
            return EW_HANDLE;
        *FlibHndl = *handle;
        return EW_OK;
    } catch (const std::exception &) {
        return EW_UNEXP;
    }
}

short cnc_freelibhndl(unsigned short FlibHndl)
{
    try {
        const std::shared_ptr<CncLink> link = handles().take(FlibHndl);
        if (!link)
            return EW_HANDLE;
        link->close();
        return EW_OK;
    } catch (const std::exception &) {
        return EW_UNEXP;
    }
}

short cnc_sysinfo(unsigned short FlibHndl, ODBSYS *a)
{
    return onHandle(FlibHndl, [&](CncLink &link) {
        if (!a)
            return short(EW_LENGTH);
        std::string fields;
        const short result = link.call(Writer().op(Op::SysInfo), fields);
        if (result != EW_OK)
            return result;
        Reader in(fields);
        ODBSYS info{};
        info.addinfo = in.i16();
        info.max_axis = in.i16();
        const std::string texts[] = {in.bytes(), in.bytes(), in.bytes(), in.bytes(), in.bytes()};
        char *targets[] = {info.cnc_type, info.mt_type, info.series, info.version, info.axes};
        const std::size_t sizes[] = {sizeof info.cnc_type, sizeof info.mt_type, sizeof info.series,
                                     sizeof info.version, sizeof info.axes};
        if (!in.done())
            return link.garbage();
        for (int i = 0; i < 5; ++i) {
            if (texts[i].size() != sizes[i])
                return link.garbage();
            std::memcpy(targets[i], texts[i].data(), sizes[i]);
        }
        *a = info;
        return short(EW_OK);
    });
}

short cnc_rdprgnum(unsigned short FlibHndl, ODBPRO *a)
{
    return onHandle(FlibHndl, [&](CncLink &link) {
        if (!a)
            return short(EW_LENGTH);
        std::string fields;
        const short result = link.call(Writer().op(Op::ProgramNumbers), fields);
        if (result != EW_OK)
            return result;
        Reader in(fields);
        ODBPRO numbers{};
        numbers.data = short(in.i32());
        numbers.mdata = short(in.i32());
        if (!in.done())
            return link.garbage();
        *a = numbers;
        return short(EW_OK);
    });
}

short cnc_rdprogdir2(unsigned short FlibHndl, short type, short *top_prog, short *num_prog, PRGDIR2 *buf)
{
    return onHandle(FlibHndl, [&](CncLink &link) {
        if (!top_prog || !num_prog || !buf)
            return short(EW_LENGTH);
        const short wanted = *num_prog;
        std::string fields;
        const short result = link.call(Writer().op(Op::Directory).i16(type).i32(*top_prog).i16(wanted), fields);
        if (result != EW_OK) {
            *num_prog = 0;
            return result;
        }
        Reader in(fields);
        const short found = in.i16();
        if (!in.ok() || found < 1 || found > wanted)
            return link.garbage();
        for (short i = 0; i < found; ++i) {
            PRGDIR2 entry{};
            entry.number = short(in.i32());
            entry.length = in.i32();
            const std::string comment = in.bytes();
            if (comment.size() >= sizeof entry.comment)
                return link.garbage();
            std::memcpy(entry.comment, comment.data(), comment.size());
            buf[i] = entry;
        }
        if (!in.done())
            return link.garbage();
        *num_prog = found;
        return short(EW_OK);
    });
}

short cnc_delete(unsigned short FlibHndl, short number)
{
    return simple(FlibHndl, Writer().op(Op::Delete).i32(number));
}

short cnc_renameprog(unsigned short FlibHndl, long oldnum, long newnum)
{
    return simple(FlibHndl, Writer().op(Op::Rename).i32(clamp32(oldnum)).i32(clamp32(newnum)));
}

short cnc_dwnstart3(unsigned short FlibHndl, short type)
{
    return simple(FlibHndl, Writer().op(Op::DownloadStart).i16(type));
}

short cnc_download3(unsigned short FlibHndl, long *length, char *data)
{
    return onHandle(FlibHndl, [&](CncLink &link) {
        if (!length || !data)
            return short(EW_LENGTH);
        const long offered = *length;
        *length = 0;
        if (offered <= 0)
            return short(EW_LENGTH);
        const std::size_t size = std::min<std::size_t>(std::size_t(offered), link.downloadBlock());
        std::string fields;
        const short result = link.call(Writer().op(Op::Download).bytes(std::string_view(data, size)), fields);
        if (result != EW_OK)
            return result;
        Reader in(fields);
        const std::uint32_t accepted = in.u32();
        if (!in.done() || accepted > size)
            return link.garbage();
        *length = long(accepted);
        return short(EW_OK);
    });
}

short cnc_dwnend3(unsigned short FlibHndl)
{
    return simple(FlibHndl, Writer().op(Op::DownloadEnd));
}

short cnc_getdtailerr(unsigned short FlibHndl, ODBERR *a)
{
    return onHandle(FlibHndl, [&](CncLink &link) {
        if (!a)
            return short(EW_LENGTH);
        std::string fields;
        const short result = link.call(Writer().op(Op::DetailError), fields);
        if (result != EW_OK)
            return result;
        Reader in(fields);
        ODBERR detail{};
        detail.err_no = in.i16();
        detail.err_dtno = in.i16();
        if (!in.done())
            return link.garbage();
        *a = detail;
        return short(EW_OK);
    });
}

short cnc_upstart3(unsigned short FlibHndl, short type, long startno, long endno)
{
    return simple(FlibHndl, Writer().op(Op::UploadStart).i16(type).i32(clamp32(startno)).i32(clamp32(endno)));
}

short cnc_upload3(unsigned short FlibHndl, long *length, char *data)
{
    return onHandle(FlibHndl, [&](CncLink &link) {
        if (!length || !data)
            return short(EW_LENGTH);
        const long room = *length;
        *length = 0;
        if (room <= 0)
            return short(EW_LENGTH);
        const std::uint32_t wanted = std::uint32_t(std::min<long>(room, cncsim::MaxFrame / 2));
        std::string fields;
        const short result = link.call(Writer().op(Op::Upload).u32(wanted), fields);
        if (result != EW_OK)
            return result;
        Reader in(fields);
        const std::string block = in.bytes();
        if (!in.done() || block.size() > wanted)
            return link.garbage();
        std::memcpy(data, block.data(), block.size());
        *length = long(block.size());
        return short(EW_OK);
    });
}

short cnc_upend3(unsigned short FlibHndl)
{
    return simple(FlibHndl, Writer().op(Op::UploadEnd));
}
