#include "keyedstream.h"

#include "suiteerror.h"

#include <QtEndian>

#include <sodium.h>

#include <cstring>
#include <QCoreApplication>
#include <QLibrary>

namespace {

using ChaCha20Stream = decltype(&crypto_stream_chacha20_xor_ic);

// libsodium's cipher, loaded at the first use: most runs draw plainly and never need it.
// Null when the library cannot be loaded or started.
ChaCha20Stream LoadedChaCha20()
{
    static const ChaCha20Stream stream = []() -> ChaCha20Stream {
        QLibrary sodium(QStringLiteral(SUITE_SODIUM_LIBRARY)); // stays loaded: never unloaded
        const auto init = reinterpret_cast<decltype(&sodium_init)>(sodium.resolve("sodium_init"));
        if (!init || init() < 0)
            return nullptr;
        return reinterpret_cast<ChaCha20Stream>(sodium.resolve("crypto_stream_chacha20_xor_ic"));
    }();
    return stream;
}

} // namespace

KeyedStreamSource::KeyedStreamSource(const QByteArray &key, quint64 stream)
{
    if (key.size() != kKeyBytes)
        throw SuiteError(QCoreApplication::translate("Engine", "可验证抽取的密钥长度应为 %1 字节。").arg(kKeyBytes));
    if (!LoadedChaCha20())
        throw SuiteError(QCoreApplication::translate("Engine", "无法初始化加密库 libsodium，无法进行可验证抽取。"));
    std::memcpy(m_key.data(), key.constData(), m_key.size());
    qToLittleEndian(stream, m_nonce.data());
}

void KeyedStreamSource::FillBlock(Block &block)
{
    constexpr size_t kBytes = sizeof block;
    std::array<unsigned char, kBytes> bytes{};
    // The key stream is the cipher applied to zeros, from the block counter on.
    LoadedChaCha20()(bytes.data(), bytes.data(), kBytes, m_nonce.data(), m_nextBlock, m_key.data());
    m_nextBlock += kBytes / 64;
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = qFromLittleEndian<quint64>(bytes.data() + i * 8);
}
