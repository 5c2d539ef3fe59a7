#ifndef MARROWICK_HANDEVAL_RANKMASK_H
#define MARROWICK_HANDEVAL_RANKMASK_H

#include <QtCore/QtAlgorithms>
#include <QtCore/qglobal.h>

namespace Marrowick {
namespace HandEvaluation {

// Ranks run from 2 (the two) to 14 (the ace). A set of ranks is a mask with
// bit r for rank r; for straights bit 1 repeats the ace, which also plays low:
//
//   bit   15 14 13 12 11 10  9  8  7  6  5  4  3  2  1  0
//   rank   -  A  K  Q  J 10  9  8  7  6  5  4  3  2 (A) -
using RankMask = quint32;
const int highestRank = 14;
const int handSize = 5;

inline RankMask rankBit(int rank)
{
    return RankMask(1) << rank;
}

/// The highest rank in @p mask, which must not be empty.
inline int highestRankOf(RankMask mask)
{
    Q_ASSERT(mask != 0);
    return 31 - int(qCountLeadingZeroBits(mask));
}

// How many bits each byte has. Without the processor's population count
// instruction (not in the baseline x86-64 build), qPopulationCount becomes a
// library call, measurably slower in the windowed searches than two lookups.
struct ByteBitCounts
{
    constexpr ByteBitCounts()
        : counts()
    {
        for (int byte = 1; byte < 256; ++byte)
            counts[byte] = quint8(counts[byte / 2] + byte % 2);
    }
    quint8 counts[256];
};

inline constexpr ByteBitCounts byteBitCounts;

/// How many ranks @p mask holds.
inline int bitCount(RankMask mask)
{
    return byteBitCounts.counts[mask & 0xffu] + byteBitCounts.counts[(mask >> 8) & 0xffu];
}

/// @p mask with the ace (bit 14) repeated at bit 1, for the five-high straight.
constexpr RankMask withLowAce(RankMask mask)
{
    // bit 1 |= bit 14
    return mask | ((mask >> 13) & 2u);
}

/// The lowest ranks of every run of five ranks in @p mask (with the ace low at bit 1).
constexpr RankMask straightStarts(RankMask mask)
{
    // Bit r stays when ranks r, r + 1, r + 2, r + 3 and r + 4 are all held.
    const RankMask m = withLowAce(mask);
    return m & (m >> 1) & (m >> 2) & (m >> 3) & (m >> 4);
}

/// The lowest rank of the highest run of five ranks in @p mask (1: the ace), 0 for none.
inline int highestStraight(RankMask mask)
{
    return highestRankOf(straightStarts(mask) | 1);
}

} // namespace HandEvaluation
} // namespace Marrowick

#endif
