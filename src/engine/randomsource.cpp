#include "randomsource.h"

#ifdef Q_OS_LINUX
#include <sys/random.h>
#endif

#include <QRandomGenerator>

#include <algorithm>
#include <cstring>
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
MersenneTwister SecurelySeededGenerator()
{
    std::array<quint32, std::mt19937::state_size> words;
    if (!FillFromKernel(words))
        QRandomGenerator::system()->fillRange(words.data(), qsizetype(words.size()));
    std::seed_seq seeds(words.begin(), words.end());
    return MersenneTwister(seeds);
}

// Seeds below 2^32 keep the sequences they always gave; larger ones use all their bits
// (the generator's single-value seed has only 32).
MersenneTwister SeededGenerator(quint64 seed)
{
    if (seed <= 0xFFFFFFFFu) {
        std::seed_seq seeds{quint32(seed)};
        return MersenneTwister(seeds);
    }
    std::seed_seq seeds{quint32(seed), quint32(seed >> 32)};
    return MersenneTwister(seeds);
}

// The bits of a state word that the twist takes from the word itself, not the next one.
constexpr quint32 kUpperBits = ~quint32(0) << std::mt19937::mask_bits;

// Four state words, in the processor's vector registers where it has them.
using Words4 = quint32 __attribute__((vector_size(16)));

Words4 LoadWords4(const quint32 *words)
{
    Words4 four;
    std::memcpy(&four, words, sizeof four);
    return four;
}

void StoreWords4(quint32 *words, Words4 four)
{
    std::memcpy(words, &four, sizeof four);
}

// The twist of one state word (or four) from itself, the next word and the word `far`
// (397 places on, around the state).
template <typename Word>
Word Twisted(Word word, Word next, Word far)
{
    const Word joined = (word & kUpperBits) | (next & ~kUpperBits);
    return far ^ (joined >> 1) ^ ((Word{} - (joined & 1u)) & quint32(std::mt19937::xor_mask));
}

} // namespace

MersenneTwister::MersenneTwister(std::seed_seq &seeds)
{
    // As std::mt19937's seeding: an all-zero state (but for the first word's lower bits)
    // would never leave zero.
    seeds.generate(m_state.begin(), m_state.end());
    bool zero = (m_state[0] & kUpperBits) == 0;
    for (size_t i = 1; zero && i < kStateWords; ++i)
        zero = m_state[i] == 0;
    if (zero)
        m_state[0] = kUpperBits;
}

void MersenneTwister::Fill(quint64 *values, size_t count)
{
    // The state has an even number of words: a value never spans two states.
    static_assert(kStateWords % 2 == 0);
    while (count > 0) {
        if (m_nextOutput == kStateWords)
            Advance();
        const size_t taken = std::min(count, (kStateWords - m_nextOutput) / 2);
        const quint32 *const words = m_output.data() + m_nextOutput;
        for (size_t i = 0; i < taken; ++i)
            values[i] = quint64(words[2 * i]) | quint64(words[2 * i + 1]) << 32;
        m_nextOutput += 2 * taken;
        values += taken;
        count -= taken;
    }
}

void MersenneTwister::Advance()
{
    constexpr size_t kShift = std::mt19937::shift_size;
    constexpr size_t kWrapped = kStateWords - kShift; // words whose far word is not yet new
    quint32 *const state = m_state.data();
    size_t word = 0;
    // Four words at once read only words not yet written or written before.
    for (; word + 4 <= kWrapped; word += 4)
        StoreWords4(state + word, Twisted(LoadWords4(state + word), LoadWords4(state + word + 1),
                                          LoadWords4(state + word + kShift)));
    for (; word < kWrapped; ++word)
        state[word] = Twisted(state[word], state[word + 1], state[word + kShift]);
    static_assert((kStateWords - 1 - kWrapped) % 4 == 0, "the far words wrap in whole fours");
    for (; word < kStateWords - 1; word += 4)
        StoreWords4(state + word, Twisted(LoadWords4(state + word), LoadWords4(state + word + 1),
                                          LoadWords4(state + word - kWrapped)));
    state[kStateWords - 1] = Twisted(state[kStateWords - 1], state[0], state[kShift - 1]);
    for (size_t i = 0; i < kStateWords; i += 4) {
        Words4 tempered = LoadWords4(state + i);
        using Engine = std::mt19937;
        tempered ^= (tempered >> Engine::tempering_u) & quint32(Engine::tempering_d);
        tempered ^= (tempered << Engine::tempering_s) & quint32(Engine::tempering_b);
        tempered ^= (tempered << Engine::tempering_t) & quint32(Engine::tempering_c);
        tempered ^= tempered >> Engine::tempering_l;
        StoreWords4(m_output.data() + i, tempered);
    }
    m_nextOutput = 0;
}

GeneratorSource::GeneratorSource(quint64 seed) : m_generator(SeededGenerator(seed)) {}

void GeneratorSource::FillBlock(Block &block)
{
    if (!m_generator)
        m_generator.emplace(SecurelySeededGenerator());
    m_generator->Fill(block.data(), block.size());
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
