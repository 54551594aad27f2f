#include "cncsession.h"

#include "fwlib.h"
#include "protocol.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace cncsim {

namespace {

using Answer = CncSession::Answer;

// The most one upload call delivers, whatever the caller asks for.
constexpr std::uint32_t UploadBlock = 1u << 20;

Answer result(short code)
{
    return {Writer().i16(code).body(), false};
}

Answer garbage()
{
    return {Writer().i16(EW_PROTOCOL).body(), true};
}

bool validNumber(long number)
{
    return number >= 1 && number <= MaxProgramNumber;
}

// A file system failure as the CNC would put it, told on standard error as well.
short failure(const char *what, const std::string &name, int error)
{
    std::fprintf(stderr, "cncsim: cannot %s %s: %s\n", what, name.c_str(), std::strerror(error));
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return EW_PROT;
    case ENOSPC:
    case EDQUOT:
        return EW_OVRFLOW;
    default:
        return EW_DATA;
    }
}

} // namespace

Answer CncSession::answer(std::string_view request)
{
    Reader in(request);
    const auto op = Op(in.u8());
    if (!in.ok())
        return garbage();
    if (!m_greeted && op != Op::Hello)
        return garbage();
    switch (op) {
    case Op::Hello: return hello(in);
    case Op::SysInfo: return sysInfo(in);
    case Op::ProgramNumbers: return programNumbers(in);
    case Op::Directory: return directory(in);
    case Op::Delete: return remove(in);
    case Op::Rename: return rename(in);
    case Op::DownloadStart: return downloadStart(in);
    case Op::Download: return download(in);
    case Op::DownloadEnd: return downloadEnd(in);
    case Op::DetailError: return detailError(in);
    case Op::UploadStart: return uploadStart(in);
    case Op::Upload: return upload(in);
    case Op::UploadEnd: return uploadEnd(in);
    }
    return garbage();
}

Answer CncSession::hello(Reader &in)
{
    const std::string magic = in.bytes();
    if (!in.done() || magic != Magic || m_greeted)
        return garbage();
    if (m_config.refuseConnect)
        return {Writer().i16(EW_SOCKET).body(), true};
    m_greeted = true;
    return {Writer().i16(EW_OK).u32(DownloadBlock).body(), false};
}

Answer CncSession::sysInfo(Reader &in)
{
    if (!in.done())
        return garbage();
    Writer out;
    out.i16(EW_OK).i16(0).i16(32).bytes(m_config.cncType).bytes(m_config.machineType);
    out.bytes("G421").bytes("08.0").bytes(" 3");
    return {out.body(), false};
}

Answer CncSession::programNumbers(Reader &in)
{
    if (!in.done())
        return garbage();
    return {Writer().i16(EW_OK).i32(m_config.runningProgram).i32(m_config.mainProgram).body(), false};
}

Answer CncSession::directory(Reader &in)
{
    const int type = in.i16();
    const int top = in.i32();
    const int count = in.i16();
    if (!in.done())
        return garbage();
    if (type < 0 || type > 2)
        return result(EW_ATTRIB);
    if (count <= 0)
        return result(EW_LENGTH);
    if (top < 0)
        return result(EW_NUMBER);
    const auto numbers = m_store.numbers();
    if (!numbers)
        return result(failure("read", "the program folder", errno));
    Writer entries;
    int found = 0;
    for (auto it = std::lower_bound(numbers->begin(), numbers->end(), top);
         it != numbers->end() && found < count; ++it) {
        const auto entry = m_store.entry(*it);
        if (!entry)
            continue; // gone since the folder was read
        entries.i32(entry->number).i32(type == 2 ? std::int32_t(entry->size) : 0);
        entries.bytes(type >= 1 ? entry->comment : std::string());
        ++found;
    }
    if (found == 0)
        return result(EW_NUMBER);
    return {Writer().i16(EW_OK).i16(std::int16_t(found)).body() + entries.body(), false};
}

Answer CncSession::remove(Reader &in)
{
    const int number = in.i32();
    if (!in.done())
        return garbage();
    if (m_config.refuseDelete != 0)
        return result(short(m_config.refuseDelete));
    if (!validNumber(number) || !m_store.exists(number))
        return result(EW_DATA);
    if (const int error = m_store.remove(number))
        return result(failure("delete", ProgramStore::fileName(number), error));
    return result(EW_OK);
}

Answer CncSession::rename(Reader &in)
{
    const int from = in.i32();
    const int to = in.i32();
    if (!in.done())
        return garbage();
    if (!validNumber(to))
        return result(EW_NUMBER);
    if (!validNumber(from) || !m_store.exists(from) || m_store.exists(to))
        return result(EW_DATA);
    if (const int error = m_store.rename(from, to))
        return result(failure("rename", ProgramStore::fileName(from), error));
    return result(EW_OK);
}

bool CncSession::stillBusy()
{
    if (m_busyLeft <= 0)
        return false;
    --m_busyLeft;
    return true;
}

Answer CncSession::downloadStart(Reader &in)
{
    const int type = in.i16();
    if (!in.done())
        return garbage();
    if (type != 0)
        return result(EW_ATTRIB);
    if (m_download || m_upload)
        return result(EW_BUSY);
    m_download.emplace();
    m_downloadRefused = false;
    m_detail = 0;
    m_detailNumber = 0;
    m_busyLeft = m_config.busy;
    return result(EW_OK);
}

Answer CncSession::refuseDownload(int detail, int number)
{
    m_downloadRefused = true;
    m_detail = short(detail);
    m_detailNumber = short(number);
    return result(EW_DATA);
}

Answer CncSession::download(Reader &in)
{
    const std::string block = in.bytes();
    if (!in.done())
        return garbage();
    if (!m_download)
        return result(EW_FUNC);
    if (m_downloadRefused)
        return result(EW_DATA);
    if (block.empty())
        return result(EW_LENGTH);
    if (m_config.rejectDetail)
        return refuseDownload(*m_config.rejectDetail, 0);
    if (stillBusy())
        return result(EW_BUFFER);
    const std::string_view accepted = std::string_view(block).substr(0, DownloadBlock);
    if (const int detail = m_download->take(accepted, m_store))
        return refuseDownload(detail, m_download->number());
    m_busyLeft = m_config.busy;
    return {Writer().i16(EW_OK).u32(std::uint32_t(accepted.size())).body(), false};
}

Answer CncSession::downloadEnd(Reader &in)
{
    if (!in.done())
        return garbage();
    if (!m_download)
        return result(EW_FUNC);
    const IncomingProgram program = std::move(*m_download);
    m_download.reset();
    if (m_downloadRefused)
        return result(EW_OK); // the refusal was the answer; this only ends the transfer
    if (!program.complete())
        return result(EW_DATA);
    for (const auto &[number, text] : program.stored()) {
        if (const int error = m_store.write(number, text))
            return result(failure("write", ProgramStore::fileName(number), error));
    }
    return result(EW_OK);
}

Answer CncSession::detailError(Reader &in)
{
    if (!in.done())
        return garbage();
    return {Writer().i16(EW_OK).i16(m_detail).i16(m_detailNumber).body(), false};
}

Answer CncSession::uploadStart(Reader &in)
{
    const int type = in.i16();
    const int first = in.i32();
    const int last = in.i32();
    if (!in.done())
        return garbage();
    if (type != 0)
        return result(EW_ATTRIB);
    if (m_download)
        return result(EW_BUSY);
    if (first < 1 || last < first)
        return result(EW_NUMBER);
    const auto numbers = m_store.numbers();
    if (!numbers)
        return result(failure("read", "the program folder", errno));
    // An unfinished upload is dropped: a caller that gave up on one never ends it.
    m_upload.reset();
    Upload upload{"%\n", 0};
    bool any = false;
    for (auto it = std::lower_bound(numbers->begin(), numbers->end(), first);
         it != numbers->end() && *it <= last; ++it) {
        const auto text = m_store.text(*it);
        if (!text)
            continue;
        upload.text += *text;
        if (!text->empty() && text->back() != '\n')
            upload.text += '\n';
        any = true;
    }
    if (!any)
        return result(EW_DATA);
    upload.text += '%';
    m_upload = std::move(upload);
    m_busyLeft = m_config.busy;
    return result(EW_OK);
}

Answer CncSession::upload(Reader &in)
{
    const std::uint32_t wanted = in.u32();
    if (!in.done())
        return garbage();
    if (!m_upload)
        return result(EW_FUNC);
    if (wanted == 0)
        return result(EW_LENGTH);
    const std::size_t left = m_upload->text.size() - m_upload->delivered;
    if (left > 0 && stillBusy())
        return result(EW_BUFFER);
    const std::size_t size = std::min<std::size_t>({left, wanted, UploadBlock});
    Writer out;
    out.i16(EW_OK).bytes(std::string_view(m_upload->text).substr(m_upload->delivered, size));
    m_upload->delivered += size;
    m_busyLeft = m_config.busy;
    return {out.body(), false};
}

Answer CncSession::uploadEnd(Reader &in)
{
    if (!in.done())
        return garbage();
    if (!m_upload)
        return result(EW_FUNC);
    m_upload.reset();
    return result(EW_OK);
}

} // namespace cncsim
