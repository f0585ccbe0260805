#pragma once

#include <QRandomGenerator64>
#include <QtGlobal>

#include <array>
#include <memory>

// Where every draw of the engine takes its randomness from. Draws are unbiased: a bounded
// value is taken by rejection, never by a plain modulo.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // A uniformly distributed integer in [0, n); 0 when n is 0.
    quint64 Below(quint64 n);

    // A uniformly distributed 64-bit value.
    virtual quint64 Next64() = 0;
};

// A pseudo-random generator. Seeded from the operating system for real draws, with a
// fixed seed for tests and the command line's --seed, so a run can be repeated exactly.
class GeneratorSource : public RandomSource
{
public:
    // Seeded from the operating system: two runs started in the same second differ.
    GeneratorSource();
    explicit GeneratorSource(quint64 seed);

    quint64 Next64() override;

private:
    QRandomGenerator64 m_generator;
    // Values are taken from the generator a block at a time (the same sequence as one
    // by one, at a fraction of the cost per value).
    std::array<quint64, 64> m_block;
    size_t m_nextInBlock = m_block.size();
};

// The operating system's secure generator (QRandomGenerator::system()); passwords use it.
class SystemSecureSource : public RandomSource
{
public:
    quint64 Next64() override;

private:
    void FillFromSystem();

    // Taken a block at a time: one call into the system per value made a million
    // passwords take minutes.
    std::array<quint64, 64> m_block;
    size_t m_nextInBlock = m_block.size();
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
