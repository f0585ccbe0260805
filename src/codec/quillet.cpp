#include "quillet.h"

#include <QByteArray>
#include <QtEndian>

#include <sodium.h>

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
    QByteArray out;
    out.reserve(size);
    for (const QString &line : lines) {
        char count[4];
        qToLittleEndian<quint32>(quint32(line.size()), count);
        out.append(count, 4);
        for (QChar c : line) {
            char unit[2];
            qToLittleEndian<quint16>(c.unicode(), unit);
            out.append(unit, 2);
        }
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
        for (quint32 i = 0; i < count; ++i, pos += 2)
            line[i] = QChar(qFromLittleEndian<quint16>(bytes.constData() + pos));
        out.append(line);
    }
    lines = std::move(out);
    return true;
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

    QByteArray base64;
    qsizetype last = lines->size() - 1;
    while (last > 0 && lines->at(last).isEmpty()) // a final line break of the file
        --last;
    for (qsizetype i = 1; i <= last; ++i) {
        const QString &line = lines->at(i);
        if (line.isEmpty() || line.size() > kLineWidth || (i < last && line.size() != kLineWidth))
            return nullptr;
        base64 += line.toLatin1();
    }
    auto decoded = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() < kNonceBytes + kTagBytes)
        return nullptr;
    const QByteArray &sealed = decoded.decoded;

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
