#include "revisionpacking.h"

#include <QIODevice>

#include <openssl/evp.h>
#include <zstd.h>

#include <memory>
#include <thread>

namespace {

// Fast enough to keep a 30 MB program's save close to a plain one, and smaller than zlib's best
// on part-program text.
constexpr int CompressionLevel = 1;

} // namespace

QByteArray textDigest(const QByteArray &text)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(text.constData(), size_t(text.size()), digest, &length, EVP_sha256(), nullptr) != 1)
        return {};
    return QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex();
}

QByteArray fileDigest(QIODevice &file)
{
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1)
        return {};
    QByteArray piece(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 read = file.read(piece.data(), piece.size());
        if (read < 0)
            return {};
        if (read == 0)
            break;
        if (EVP_DigestUpdate(context.get(), piece.constData(), size_t(read)) != 1)
            return {};
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context.get(), digest, &length) != 1)
        return {};
    return QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex();
}

PackedText packText(const QByteArray &text)
{
    PackedText packed;
    std::thread hashing([&] { packed.digest = textDigest(text); });
    QByteArray compressed(qsizetype(ZSTD_compressBound(size_t(text.size()))), Qt::Uninitialized);
    const size_t length = ZSTD_compress(compressed.data(), size_t(compressed.size()), text.constData(),
                                        size_t(text.size()), CompressionLevel);
    hashing.join();
    if (!ZSTD_isError(length)) {
        compressed.truncate(qsizetype(length));
        packed.compressed = std::move(compressed);
    }
    return packed;
}

std::optional<QByteArray> unpackText(const QByteArray &compressed, qint64 size)
{
    // The frame says how long its text is; it must be the size the row gives.
    const unsigned long long framed = ZSTD_getFrameContentSize(compressed.constData(), size_t(compressed.size()));
    if (framed == ZSTD_CONTENTSIZE_ERROR || framed == ZSTD_CONTENTSIZE_UNKNOWN || framed != (unsigned long long)size)
        return std::nullopt;
    QByteArray text(qsizetype(size), Qt::Uninitialized);
    const size_t length =
        ZSTD_decompress(text.data(), size_t(text.size()), compressed.constData(), size_t(compressed.size()));
    if (ZSTD_isError(length) || qint64(length) != size)
        return std::nullopt;
    return text;
}
