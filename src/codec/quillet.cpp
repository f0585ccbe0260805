#include "quillet.h"

#include <QByteArray>
#include <QtEndian>

#include <sodium.h>

#include <array>
#include <optional>

// Stored form:
//   line 1   the header, naming format and version; authenticated as associated data
//   line 2…  base64 of nonce ‖ ciphertext ‖ tag, at most 76 characters a line
// The plain text is the lines in UTF-16 LE code units, each preceded by its length as a
// 32-bit little-endian count, so every line (empty ones, CR inside a line, unpaired
// surrogates) and the number of lines come back exactly.

namespace {
const QByteArray kHeader = QByteArrayLiteral("QUILLET XCHACHA20-POLY1305 1");
constexpr int kLineWidth = 76;
constexpr qsizetype kNonceBytes = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr qsizetype kTagBytes = crypto_aead_xchacha20poly1305_ietf_ABYTES;

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

QByteArray deriveKey(const QString &keyText)
{
    const QByteArray text = keyText.toUtf8();
    QByteArray key(crypto_aead_xchacha20poly1305_ietf_KEYBYTES, Qt::Uninitialized);
    crypto_generichash(reinterpret_cast<unsigned char *>(key.data()), key.size(),
                       reinterpret_cast<const unsigned char *>(text.constData()), text.size(), nullptr, 0);
    return key;
}

QByteArray serialise(const QStringList &lines)
{
    qsizetype size = 0;
    for (const QString &line : lines)
        size += 4 + line.size() * 2;
    QByteArray out(size, Qt::Uninitialized);
    char *at = out.data();
    for (const QString &line : lines) {
        qToLittleEndian<quint32>(quint32(line.size()), at);
        qToLittleEndian<quint16>(line.constData(), line.size(), at + 4);
        at += 4 + line.size() * 2;
    }
    return out;
}

bool deserialise(const QByteArray &bytes, QStringList &lines)
{
    QStringList out;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        if (bytes.size() - pos < 4)
            return false;
        const quint32 count = qFromLittleEndian<quint32>(bytes.constData() + pos);
        pos += 4;
        if (quint64(bytes.size() - pos) < quint64(count) * 2)
            return false;
        QString line(qsizetype(count), Qt::Uninitialized);
        qFromLittleEndian<quint16>(bytes.constData() + pos, qsizetype(count), line.data());
        pos += qsizetype(count) * 2;
        out.append(line);
    }
    lines = std::move(out);
    return true;
}

// Strict base64 of the stored lines joined: the alphabet only, "=" only as the padding
// of the last group, whole groups of four. Anything else is no file of ours.
std::optional<QByteArray> decodeBase64(const QStringList &lines, qsizetype first, qsizetype last)
{
    static const std::array<qint8, 128> kValues = [] {
        std::array<qint8, 128> values;
        values.fill(-1);
        const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        for (int i = 0; i < 64; ++i)
            values[size_t(alphabet[i])] = qint8(i);
        return values;
    }();
    qsizetype length = 0;
    for (qsizetype i = first; i <= last; ++i)
        length += lines.at(i).size();
    if (length % 4 != 0)
        return std::nullopt;
    QByteArray bytes(length / 4 * 3, Qt::Uninitialized);
    char *out = bytes.data();
    quint32 group = 0;
    int inGroup = 0;
    int padding = 0;
    for (qsizetype i = first; i <= last; ++i) {
        for (const QChar c : lines.at(i)) {
            const char16_t unit = c.unicode();
            if (unit == u'=') {
                ++padding;
                group <<= 6;
            } else {
                if (padding > 0 || unit >= 128 || kValues[unit] < 0)
                    return std::nullopt;
                group = (group << 6) | quint32(kValues[unit]);
            }
            if (++inGroup == 4) {
                *out++ = char(group >> 16);
                *out++ = char(group >> 8);
                *out++ = char(group);
                group = 0;
                inGroup = 0;
            }
        }
    }
    if (padding > 2)
        return std::nullopt;
    bytes.truncate(out - bytes.constData() - padding);
    return bytes;
}
} // namespace

QStringList *StrEncode(QStringList *lines, const QString *key)
{
    if (!lines || !key || !sodiumReady())
        return nullptr;
    const QByteArray plain = serialise(*lines);
    const QByteArray secret = deriveKey(*key);

    QByteArray sealed(kNonceBytes + plain.size() + kTagBytes, Qt::Uninitialized);
    auto *nonce = reinterpret_cast<unsigned char *>(sealed.data());
    randombytes_buf(nonce, kNonceBytes);
    unsigned long long sealedLength = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(
        nonce + kNonceBytes, &sealedLength, reinterpret_cast<const unsigned char *>(plain.constData()), plain.size(),
        reinterpret_cast<const unsigned char *>(kHeader.constData()), kHeader.size(), nullptr, nonce,
        reinterpret_cast<const unsigned char *>(secret.constData()));

    const QByteArray base64 = sealed.toBase64();
    QStringList out;
    out.reserve(1 + base64.size() / kLineWidth + 1);
    out.append(QString::fromLatin1(kHeader));
    for (qsizetype pos = 0; pos < base64.size(); pos += kLineWidth)
        out.append(QString::fromLatin1(base64.mid(pos, kLineWidth)));
    *lines = std::move(out);
    return lines;
}

QStringList *StrDecode(QStringList *lines, const QString *key)
{
    if (!lines || !key || !sodiumReady() || lines->isEmpty() || lines->first() != QLatin1String(kHeader))
        return nullptr;

    qsizetype last = lines->size() - 1;
    while (last > 0 && lines->at(last).isEmpty()) // a final line break of the file
        --last;
    for (qsizetype i = 1; i <= last; ++i) {
        const QString &line = lines->at(i);
        if (line.isEmpty() || line.size() > kLineWidth || (i < last && line.size() != kLineWidth))
            return nullptr;
    }
    const std::optional<QByteArray> decoded = decodeBase64(*lines, 1, last);
    if (!decoded || decoded->size() < kNonceBytes + kTagBytes)
        return nullptr;
    const QByteArray &sealed = *decoded;

    const QByteArray secret = deriveKey(*key);
    QByteArray plain(sealed.size() - kNonceBytes - kTagBytes, Qt::Uninitialized);
    unsigned long long plainLength = 0;
    const auto *nonce = reinterpret_cast<const unsigned char *>(sealed.constData());
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(
            reinterpret_cast<unsigned char *>(plain.data()), &plainLength, nullptr, nonce + kNonceBytes,
            sealed.size() - kNonceBytes, reinterpret_cast<const unsigned char *>(kHeader.constData()), kHeader.size(),
            nonce, reinterpret_cast<const unsigned char *>(secret.constData()))
        != 0)
        return nullptr;
    plain.truncate(qsizetype(plainLength));

    QStringList out;
    if (!deserialise(plain, out))
        return nullptr;
    *lines = std::move(out);
    return lines;
}
