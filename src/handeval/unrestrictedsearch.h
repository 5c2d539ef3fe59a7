#ifndef MARROWICK_HANDEVAL_UNRESTRICTEDSEARCH_H
#define MARROWICK_HANDEVAL_UNRESTRICTEDSEARCH_H

#include "handpool.h"
#include "handvalue.h"

namespace Marrowick {
namespace HandEvaluation {

/// The ranks held at least once, twice, three and four times, from the suits' lanes of ranks.
struct HeldRanks
{
    explicit HeldRanks(quint64 lanes)
    {
        // For each rank bit, with a, b, c, d its bit in the four suits:
        const RankMask a = RankMask(lanes) & 0xffffu;
        const RankMask b = RankMask(lanes >> 16) & 0xffffu;
        const RankMask c = RankMask(lanes >> 32) & 0xffffu;
        const RankMask d = RankMask(lanes >> 48);
        once = a | b | c | d; // a + b + c + d >= 1
        twice = (a & b) | (c & d) | ((a | b) & (c | d)); // a + b + c + d >= 2: two in a half, or one in each
        thrice = (a & b & (c | d)) | (c & d & (a | b)); // >= 3: a full half and one of the other
        four = a & b & c & d; // a + b + c + d == 4
    }

    RankMask once;
    RankMask twice;
    RankMask thrice;
    RankMask four;
};

// For every set of ranks among six or seven consecutive ones, its five
// highest ranks in the fields of positions 0 to 4 (a field left 0 where the
// set runs out), and in bits 0 to 3 how many fields it fills: the packed
// value's layout below the category.
template<int lowest, int count> struct HighestRanks
{
    constexpr HighestRanks()
        : fields()
    {
        for (int set = 0; set < (1 << count); ++set) {
            int position = 0;
            for (int rank = lowest + count - 1; rank >= lowest && position < handSize; --rank) {
                if (set & (1 << (rank - lowest)))
                    fields[set] |= rankField(position++, rank);
            }
            fields[set] |= position;
        }
    }
    int fields[1 << count];
};

// The ranks 8 to 14 and 2 to 7: 768 bytes.
inline constexpr HighestRanks<8, 7> highestOfHighRanks;
inline constexpr HighestRanks<2, 6> highestOfLowRanks;

/// The highest ranks of @p mask in the fields from @p position to the last, highest first.
inline int singlesFrom(int position, RankMask mask)
{
    // The high ranks first, the low ones in the fields after them. Moving
    // fields down by n places drops the lowest ones below the last field,
    // into bits 0 to 3 and beyond, which are cleared at the end.
    const int high = highestOfHighRanks.fields[(mask >> 8) & 0x7fu]; // ranks 8 to 14
    const int low = highestOfLowRanks.fields[(mask >> 2) & 0x3fu]; // ranks 2 to 7
    // The low ranks' fields follow the (high & 15) fields of the high ranks: low fields / 16^(high count).
    const int fields = (high & ~15) | ((low & ~15) >> (4 * (high & 15)));
    return (fields >> (4 * position)) & ~15; // fields / 16^position, bits 0 to 3 cleared
}

/// @p rank in the fields of @p count positions from @p first on.
inline int groupFields(int first, int count, int rank)
{
    int fields = 0;
    for (int position = first; position < first + count; ++position)
        fields |= rankField(position, rank);
    return fields;
}

/// The best value of a pool that holds a straight, a flush or three cards of a rank.
int bestStrongHand(const HandPool &pool, const HeldRanks &held, quint64 flushes, int straight);

/**
 * The best value of a plain pool whose window excludes no choice.
 *
 * Every choice of five cards is scored, so the best value is that of the
 * strongest hand anywhere in the pool. The categories are asked in the
 * order of the predicate chain, and within a category the value compares
 * the ranks in reading order, so the highest ranks that make the category
 * give the best value. The cards are distinct real cards: a suit holds a
 * rank at most once, a rank is held at most four times.
 */
Q_ALWAYS_INLINE int bestUnrestricted(const HandPool &pool)
{
    const HeldRanks held(pool.cards());
    const quint64 flushes = flushLanes(pool.cards());
    const int straight = highestStraight(held.once);
    if (flushes || held.thrice || straight)
        return bestStrongHand(pool, held, flushes, straight);

    // Two pairs, a pair or a high card, most hands: up to two pairs, the
    // higher first, then the highest single ranks (a third pair's rank among
    // them). Without branches, as their counts vary from hand to hand. The
    // number of pairs is the category: HighCard 0, Pair 1, TwoPair 2.
    const int high = highestRankOf(held.twice | 1); // 0 for no pair: bit 0 stands for none
    const int low = highestRankOf((held.twice & ~rankBit(high)) | 1);
    const int pairs = (high != 0) + (low != 0);
    const RankMask singles = held.once & ~rankBit(high) & ~rankBit(low);
    // Fields that do not overlap: their or is their sum.
    return typeField(EvalHand::handType(pairs)) | groupFields(0, 2, high) | groupFields(2, 2, low) |
        singlesFrom(2 * pairs, singles);
}

} // namespace HandEvaluation
} // namespace Marrowick

#endif
