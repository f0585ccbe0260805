#include "randomsource.h"

#ifdef Q_OS_LINUX
#include <sys/random.h>
#endif

#include <random>

namespace {

// Fills `words` from the kernel's generator directly: the toolkit's system generator
// prefers the processor's instruction, which in a virtual machine made a million
// passwords take most of a minute and a generator's seed 30-50 µs. False where the kernel
// cannot give them.
template <typename Word, size_t N>
bool FillFromKernel(std::array<Word, N> &words)
{
#ifdef Q_OS_LINUX
    auto *bytes = reinterpret_cast<char *>(words.data());
    size_t filled = 0;
    while (filled < sizeof words) {
        const ssize_t got = getrandom(bytes + filled, sizeof words - filled, 0);
        if (got <= 0)
            return false;
        filled += size_t(got);
    }
    return true;
#else
    Q_UNUSED(words);
    return false;
#endif
}

// Seeded over the generator's whole state, as QRandomGenerator64::securelySeeded() is.
QRandomGenerator64 SecurelySeededGenerator()
{
    std::array<quint32, std::mt19937::state_size> seed;
    if (!FillFromKernel(seed))
        return QRandomGenerator64::securelySeeded();
    return QRandomGenerator64(seed.data(), qsizetype(seed.size()));
}

// Seeds below 2^32 keep the sequences they always gave; larger ones use all their bits
// (the generator's single-value seed has only 32).
QRandomGenerator64 SeededGenerator(quint64 seed)
{
    if (seed <= 0xFFFFFFFFu)
        return QRandomGenerator64(quint32(seed));
    const quint32 halves[2] = {quint32(seed), quint32(seed >> 32)};
    return QRandomGenerator64(halves, 2);
}

} // namespace

GeneratorSource::GeneratorSource(quint64 seed) : m_generator(SeededGenerator(seed)) {}

void GeneratorSource::FillBlock(Block &block)
{
    if (!m_generator)
        m_generator.emplace(SecurelySeededGenerator());
    m_generator->fillRange(block.data(), qsizetype(block.size()));
}

void SystemSecureSource::FillBlock(Block &block)
{
    if (!FillFromKernel(block))
        QRandomGenerator::system()->fillRange(block.data(), qsizetype(block.size()));
}

RandomSources RandomSources::FromSystem()
{
    return {std::make_shared<GeneratorSource>(), std::make_shared<SystemSecureSource>(), std::make_shared<GeneratorSource>()};
}

RandomSources RandomSources::Seeded(quint64 seed)
{
    auto source = std::make_shared<GeneratorSource>(seed);
    // Any seed other than the draws' own will do: the frames' values are never kept.
    constexpr quint64 kFrameSeedOffset = 0x9E3779B97F4A7C15ull;
    return {source, source, std::make_shared<GeneratorSource>(seed + kFrameSeedOffset)};
}
