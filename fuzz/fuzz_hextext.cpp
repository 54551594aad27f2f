// The preamble and postamble of cncsett.dat, typed by hand: hexadecimal pairs to characters.
#include "fuzzcheck.h"
#include "seriallink.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray hex(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray decoded = DecodeHexText(hex);
    const qsizetype pairs = hex.size() / 2;
    FUZZ_CHECK(decoded.size() == pairs || (hex.size() % 2 == 1 && decoded.size() == pairs + 1));

    bool plainHex = true;
    for (const char c : hex)
        plainHex = plainHex && ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'));
    if (plainHex && hex.size() % 2 == 0)
        FUZZ_CHECK(decoded.toHex().toUpper() == hex);
    if (plainHex && hex.size() % 2 == 1) {
        // A last single digit is the high half of one more character, none when it is 0.
        const QByteArray padded = hex + '0';
        QByteArray expected = QByteArray::fromHex(padded);
        if (hex.endsWith('0'))
            expected.chop(1);
        FUZZ_CHECK(decoded == expected);
    }
    return 0;
}
