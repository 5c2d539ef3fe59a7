#ifndef MARROWICK_EQUITY_RANDOMGENERATOR_H
#define MARROWICK_EQUITY_RANDOMGENERATOR_H

#include <QtCore/qglobal.h>

namespace Marrowick {
namespace Equity {

/// The splitmix64 step: spreads a counter or seed over all 64 bits.
inline quint64 splitMix(quint64 &state)
{
    quint64 z = (state += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

/**
 * xoshiro256**: small, fast, and the same sequence on every platform and
 * compiler, so that a seed deals the same boards everywhere.
 */
class RandomGenerator
{
public:
    /// The generator of stream @p stream of @p seed; distinct streams are independent.
    RandomGenerator(quint64 seed, quint64 stream)
    {
        quint64 mixer = seed ^ (stream * 0xd1b54a32d192ed03ull);
        for (quint64 &word : m_state)
            word = splitMix(mixer);
    }

    quint64 next()
    {
        const quint64 result = rotate(m_state[1] * 5, 7) * 9;
        const quint64 t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotate(m_state[3], 45);
        return result;
    }

    /// A number from 0 to @p range - 1 (range at most 2^32; the bias, below 2^-32 a draw, is ignored).
    quint32 below(quint32 range) { return quint32(((next() >> 32) * range) >> 32); }

private:
    static quint64 rotate(quint64 x, int k) { return (x << k) | (x >> (64 - k)); }
    quint64 m_state[4];
};

} // namespace Equity
} // namespace Marrowick

#endif
