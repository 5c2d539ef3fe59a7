#include "unrestrictedsearch.h"

namespace Marrowick {
namespace HandEvaluation {

int bestStrongHand(const HandPool &pool, const HeldRanks &held, quint64 flushes, int straight)
{
    // From straight flush down to three of a kind, in the order of the predicate chain.
    if (flushes) {
        // IsRoyalFlush, IsStraightFlush: five ranks in a row in one suit.
        int lowest = 0;
        for (int suit = 0; suit < 4; ++suit)
            lowest = qMax(lowest, highestStraight(pool.suitRanks(suit)));
        if (lowest)
            return straightValue(lowest + 4 == highestRank ? EvalHand::RoyalFlush : EvalHand::StraightFlush, lowest);
    }

    if (held.four) {
        // IsFourOfAKind: the four, then the best other card.
        const int four = highestRankOf(held.four);
        return typeField(EvalHand::FourOfAKind) | group(0, 4, four) | singlesFrom(4, held.once & ~rankBit(four));
    }

    const int three = held.thrice ? highestRankOf(held.thrice) : 0;
    if (const RankMask pairs = three ? held.twice & ~rankBit(three) : 0) {
        // IsFullHouse: the best three, then the best other rank held twice (maybe three times).
        return typeField(EvalHand::FullHouse) | group(0, 3, three) | group(3, 2, highestRankOf(pairs));
    }

    if (flushes) {
        // IsFlush: the five highest cards of a suit; of several suits the best five.
        int best = 0;
        for (int suit = 0; suit < 4; ++suit) {
            if (flushes & (quint64(0x10) << (16 * suit)))
                best = qMax(best, typeField(EvalHand::Flush) | singlesFrom(0, pool.suitRanks(suit)));
        }
        return best;
    }

    // IsStraight: the highest run of five ranks.
    if (straight)
        return straightValue(EvalHand::Straight, straight);

    // IsThreeOfAKind: no other rank is held twice, or it would be a full house.
    return typeField(EvalHand::ThreeOfAKind) | group(0, 3, three) | singlesFrom(3, held.once & ~rankBit(three));
}

} // namespace HandEvaluation
} // namespace Marrowick
