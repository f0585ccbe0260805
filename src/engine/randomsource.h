#pragma once

#include <QtGlobal>

#include <array>
#include <memory>
#include <optional>
#include <random>

// Where every draw of the engine takes its randomness from. Draws are unbiased: a bounded
// value is taken by rejection, never by a plain modulo.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // A uniformly distributed integer in [0, n); 0 when n is 0.
    quint64 Below(quint64 n)
    {
        if (n == 0)
            return 0;
        // Values below 2^64 mod n would make the low results more likely; reject them. That
        // bound is below n, so only a value below n (a chance of n in 2^64) needs it worked
        // out: a shuffle, whose bound changes every draw, saves a division a draw.
        quint64 value = Next64();
        if (value < n) [[unlikely]] {
            const quint64 threshold = (0 - n) % n;
            while (value < threshold)
                value = Next64();
        }
        return value % n;
    }

    // A uniformly distributed 64-bit value.
    quint64 Next64()
    {
        if (m_nextInBlock == m_block.size()) [[unlikely]] {
            FillBlock(m_block);
            m_nextInBlock = 0;
        }
        return m_block[m_nextInBlock++];
    }

protected:
    // Values are made a block at a time (the same sequence as one by one): a long shuffle
    // takes a value a draw, and a call for each cost more than the value.
    using Block = std::array<quint64, 64>;

    // Fills `block` with the source's next values, in order.
    virtual void FillBlock(Block &block) = 0;

private:
    Block m_block;
    size_t m_nextInBlock = m_block.size();
};

// The 32-bit Mersenne Twister of std::mt19937 (the generator QRandomGenerator64 runs),
// giving the same values as QRandomGenerator64 seeded with the same words. It makes its
// whole state's worth of values at once, four at a time, which costs a long shuffle less
// than half of what the toolkit's value-by-value calls do.
class MersenneTwister
{
public:
    // Seeded as std::mt19937 is from `seeds`.
    explicit MersenneTwister(std::seed_seq &seeds);
    // The next `count` values, each of two words, the first the low half.
    void Fill(quint64 *values, size_t count);

private:
    static constexpr size_t kStateWords = std::mt19937::state_size;
    // The next state, tempered into m_output.
    void Advance();

    std::array<quint32, kStateWords> m_state;
    std::array<quint32, kStateWords> m_output;
    size_t m_nextOutput = kStateWords;
};

// A pseudo-random generator. Seeded from the operating system for real draws, with a
// fixed seed for tests and the command line's --seed, so a run can be repeated exactly.
class GeneratorSource : public RandomSource
{
public:
    // Seeded from the operating system when the first value is asked for: two runs
    // started in the same second differ, and a source never drawn from (a command-line
    // draw's animation frames) costs no seeding.
    GeneratorSource() = default;
    explicit GeneratorSource(quint64 seed);

protected:
    void FillBlock(Block &block) override;

private:
    std::optional<MersenneTwister> m_generator;
};

// The operating system's secure generator (QRandomGenerator::system()); passwords use it.
class SystemSecureSource : public RandomSource
{
protected:
    void FillBlock(Block &block) override;
};

// The sources a generation draws from: `draws` for numbers, lists and pictures,
// `passwords` for password characters. Both refer to the same seeded source when a run
// must be repeatable. The frames of an animated draw (shown, never kept) draw from
// `frames`, so a seeded run gives the same results however many frames were shown.
struct RandomSources
{
    std::shared_ptr<RandomSource> draws;
    std::shared_ptr<RandomSource> passwords;
    std::shared_ptr<RandomSource> frames;

    // Real draws: an OS-seeded generator and the system's secure generator.
    static RandomSources FromSystem();
    // Repeatable draws: one generator with this seed for everything.
    static RandomSources Seeded(quint64 seed);
};
