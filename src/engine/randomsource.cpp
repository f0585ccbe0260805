#include "randomsource.h"

quint64 RandomSource::Below(quint64 n)
{
    if (n == 0)
        return 0;
    // Values below 2^64 mod n would make the low results more likely; reject them.
    if (n != m_lastBound) {
        m_lastBound = n;
        m_lastThreshold = (0 - n) % n;
    }
    const quint64 threshold = m_lastThreshold;
    quint64 value = Next64();
    while (value < threshold)
        value = Next64();
    return value % n;
}

GeneratorSource::GeneratorSource() : m_generator(QRandomGenerator64::securelySeeded()) {}

GeneratorSource::GeneratorSource(quint64 seed) : m_generator(seed) {}

quint64 GeneratorSource::Next64()
{
    if (m_nextInBlock == m_block.size()) {
        m_generator.fillRange(m_block.data(), qsizetype(m_block.size()));
        m_nextInBlock = 0;
    }
    return m_block[m_nextInBlock++];
}

quint64 SystemSecureSource::Next64()
{
    return QRandomGenerator::system()->generate64();
}

RandomSources RandomSources::FromSystem()
{
    return {std::make_shared<GeneratorSource>(), std::make_shared<SystemSecureSource>()};
}

RandomSources RandomSources::Seeded(quint64 seed)
{
    auto source = std::make_shared<GeneratorSource>(seed);
    return {source, source};
}
