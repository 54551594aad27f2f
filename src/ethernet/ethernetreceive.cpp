#include "ethernetreceive.h"

#include "cncdirectory.h"
#include "ethernettext.h"

std::variant<long, QString> sourceProgram(const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return EthernetText::NoPartProgram;
    const std::optional<long> number = typedProgramNumber(typed.trimmed());
    if (!number)
        return EthernetText::InvalidNumber;
    return *number;
}

ReceivedProgram receiveProgram(CncLibrary &library, unsigned short handle, long number, const UploadLimits &limits,
                               const TransferStop &stop)
{
    const CncUpload upload = uploadProgram(library, handle, number, limits, stop);
    if (!upload.succeeded())
        return {{}, uploadFailure(upload, limits)};
    std::optional<QStringList> lines = uploadedLines(upload.text);
    if (!lines)
        return {{}, EthernetText::NotFramed};
    return {std::move(*lines), {}};
}
