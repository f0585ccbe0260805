#pragma once

#include "randomsource.h"

#include <QByteArray>

#include <array>

// A deterministic generator: the ChaCha20 key stream of a 32-byte key (libsodium), read as
// little-endian 64-bit values. The same key and stream number give the same values on
// every machine, which is what lets anyone replay a verifiable draw.
class KeyedStreamSource : public RandomSource
{
public:
    static constexpr int kKeyBytes = 32;

    // `key` must hold kKeyBytes bytes; `stream` selects one of the key's independent
    // streams (the ChaCha20 nonce).
    KeyedStreamSource(const QByteArray &key, quint64 stream);

protected:
    void FillBlock(Block &block) override;

private:
    std::array<unsigned char, kKeyBytes> m_key;
    std::array<unsigned char, 8> m_nonce;
    // The ChaCha20 block counter of the next block (64 bytes each).
    quint64 m_nextBlock = 0;
};
