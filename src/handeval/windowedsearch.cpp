#include "windowedsearch.h"

#include "unrestrictedsearch.h"

namespace Marrowick {
namespace HandEvaluation {

namespace {

// The search of bestUnrestricted, for a window that excludes some choices:
// a category counts only when some choice of cards that makes it has an
// allowed number of limited cards. Whether such a choice exists is decided
// on numbers, never by trying choices: taking k cards of a rank that has f
// free and l limited cards takes between max(0, k - f) and min(k, l) limited
// ones, and every number in between; the spans of independent takes add up.
class WindowedSearch
{
public:
    WindowedSearch(const HandPool &pool, const Window &window)
        : m_pool(pool)
        , m_window(window)
        , m_held(pool.cards())
        , m_freeRanks(HandPool::ranks(pool.cards() & ~pool.limitedCards()))
        , m_limitedRanks(HandPool::ranks(pool.limitedCards()))
        , m_flushes(flushLanes(pool.cards()))
    { }

    // The first category with an allowed choice is the best: every allowed
    // choice of a stronger category was looked for first.
    bool find(int &value) const
    {
        return bestStraightFlush(value) || bestFourOfAKind(value) || bestFullHouse(value) || bestFlush(value) ||
            bestStraight(value) || bestThreeOfAKind(value) || bestTwoPair(value) || bestPair(value) ||
            bestHighCard(value);
    }

private:
    bool isFlushSuit(int suit) const { return m_flushes & (quint64(0x10) << (16 * suit)); } // bit 4 of its lane

    bool bestStraightFlush(int &value) const
    {
        // Each suit's highest run whose own cards have an allowed number of limited ones.
        if (!m_flushes)
            return false;
        int best = 0;
        for (int suit = 0; suit < 4; ++suit) {
            if (!isFlushSuit(suit))
                continue;
            const RankMask limited = withLowAce(m_pool.suitLimitedRanks(suit));
            for (RankMask starts = straightStarts(m_pool.suitRanks(suit)); starts;) {
                const int lowest = highestRankOf(starts);
                starts ^= rankBit(lowest);
                // RankMask(31) << lowest: the five ranks from lowest up
                if (m_window.allows(bitCount(limited & (RankMask(31) << lowest)))) {
                    best = qMax(best, lowest);
                    break;
                }
            }
        }
        if (!best)
            return false;
        value = straightValue(best + 4 == highestRank ? EvalHand::RoyalFlush : EvalHand::StraightFlush, best);
        return true;
    }

    bool bestFourOfAKind(int &value) const
    {
        for (RankMask fours = m_held.four; fours;) {
            const int four = highestRankOf(fours);
            fours ^= rankBit(four);
            int ranks[handSize] = {four, four, four, four, 0};
            if (takeSingles(m_held.once & ~rankBit(four), limitedSpan(m_pool, four, 4), 1, ranks + 4))
                return found(EvalHand::FourOfAKind, ranks, value);
        }
        return false;
    }

    bool bestFullHouse(int &value) const
    {
        for (RankMask threes = m_held.thrice; threes;) {
            const int three = highestRankOf(threes);
            threes ^= rankBit(three);
            for (RankMask twos = m_held.twice & ~rankBit(three); twos;) {
                const int two = highestRankOf(twos);
                twos ^= rankBit(two);
                if (m_window.meets(limitedSpan(m_pool, three, 3) + limitedSpan(m_pool, two, 2))) {
                    const int ranks[handSize] = {three, three, three, two, two};
                    return found(EvalHand::FullHouse, ranks, value);
                }
            }
        }
        return false;
    }

    bool bestFlush(int &value) const
    {
        // No allowed straight flush exists, so no allowed five of a suit is one.
        if (!m_flushes)
            return false;
        int best = 0;
        for (int suit = 0; suit < 4; ++suit) {
            int ranks[handSize];
            const RankMask limited = m_pool.suitLimitedRanks(suit);
            const RankMask all = m_pool.suitRanks(suit);
            if (isFlushSuit(suit) &&
                takeHighestSingles(all, all & ~limited, limited, LimitedSpan {0, 0}, handSize, ranks))
                best = qMax(best, packedValue(EvalHand::Flush, ranks));
        }
        if (!best)
            return false;
        value = best;
        return true;
    }

    bool bestStraight(int &value) const
    {
        // One card of each rank of the run: a rank without a free card gives a
        // limited one, a rank with a limited card may.
        const RankMask free = withLowAce(m_freeRanks);
        const RankMask limited = withLowAce(m_limitedRanks);
        for (RankMask starts = straightStarts(m_held.once); starts;) {
            const int lowest = highestRankOf(starts);
            starts ^= rankBit(lowest);
            const RankMask run = RankMask(31) << lowest; // the five ranks from lowest up
            if (m_window.meets(LimitedSpan {bitCount(run & ~free), bitCount(run & limited)})) {
                value = straightValue(EvalHand::Straight, lowest);
                return true;
            }
        }
        return false;
    }

    bool bestThreeOfAKind(int &value) const
    {
        for (RankMask threes = m_held.thrice; threes;) {
            const int three = highestRankOf(threes);
            threes ^= rankBit(three);
            int ranks[handSize] = {three, three, three, 0, 0};
            if (takeSingles(m_held.once & ~rankBit(three), limitedSpan(m_pool, three, 3), 2, ranks + 3))
                return found(EvalHand::ThreeOfAKind, ranks, value);
        }
        return false;
    }

    bool bestTwoPair(int &value) const
    {
        for (RankMask highs = m_held.twice; highs;) {
            const int high = highestRankOf(highs);
            highs ^= rankBit(high);
            for (RankMask lows = highs; lows;) {
                const int low = highestRankOf(lows);
                lows ^= rankBit(low);
                int ranks[handSize] = {high, high, low, low, 0};
                if (takeSingles(m_held.once & ~rankBit(high) & ~rankBit(low),
                                limitedSpan(m_pool, high, 2) + limitedSpan(m_pool, low, 2), 1, ranks + 4))
                    return found(EvalHand::TwoPair, ranks, value);
            }
        }
        return false;
    }

    bool bestPair(int &value) const
    {
        for (RankMask twos = m_held.twice; twos;) {
            const int two = highestRankOf(twos);
            twos ^= rankBit(two);
            int ranks[handSize] = {two, two, 0, 0, 0};
            if (takeSingles(m_held.once & ~rankBit(two), limitedSpan(m_pool, two, 2), 3, ranks + 2))
                return found(EvalHand::Pair, ranks, value);
        }
        return false;
    }

    bool bestHighCard(int &value) const
    {
        int ranks[handSize];
        return takeSingles(m_held.once, LimitedSpan {0, 0}, handSize, ranks) && found(EvalHand::HighCard, ranks, value);
    }

    static bool found(EvalHand::handType type, const int (&ranks)[handSize], int &value)
    {
        value = packedValue(type, ranks);
        return true;
    }

    // @p count cards of distinct ranks among @p candidates, as high as the window lets them be.
    bool takeSingles(RankMask candidates, LimitedSpan taken, int count, int *ranks) const
    {
        return count == 1 ? takeSingle(candidates, taken, ranks[0])
                          : takeHighestSingles(candidates, m_freeRanks, m_limitedRanks, taken, count, ranks);
    }

    // takeSingles for one card: the highest rank whose free or limited card
    // brings the taken cards into the window.
    bool takeSingle(RankMask candidates, LimitedSpan taken, int &rank) const
    {
        const RankMask allowed = (m_window.meets(taken) ? m_freeRanks : 0) |
            (m_window.meets(taken + LimitedSpan {1, 1}) ? m_limitedRanks : 0);
        if (!(candidates & allowed))
            return false;
        rank = highestRankOf(candidates & allowed);
        return true;
    }

    // Takes @p count cards of distinct ranks among @p candidates, one card per
    // rank, beside cards already taken with @p taken limited ones, so that the
    // ranks are as high as possible in order: the highest rank that still lets
    // the lower ranks complete an allowed hand, then the next, and so on.
    // @p free and @p limited are the ranks with a free, with a limited card.
    bool takeHighestSingles(RankMask candidates, RankMask free, RankMask limited, LimitedSpan taken, int count,
                            int *ranks) const
    {
        free &= candidates;
        limited &= candidates;
        // The candidates not yet passed: how many, how many with a free, with a limited card.
        int leftFree = bitCount(free);
        int leftLimited = bitCount(limited);
        int picked = 0;
        for (int left = bitCount(candidates); picked < count && left >= count - picked; --left) {
            const int rank = highestRankOf(candidates);
            const RankMask bit = rankBit(rank);
            candidates ^= bit;
            const bool hasFree = free & bit;
            const bool hasLimited = limited & bit;
            leftFree -= hasFree;
            leftLimited -= hasLimited;

            // Taking this rank, the lower ranks give the other cards, as many
            // free or limited ones as they hold.
            const LimitedSpan with = taken + LimitedSpan {hasFree ? 0 : 1, hasLimited ? 1 : 0};
            const int rest = count - picked - 1;
            if (m_window.meets(with + LimitedSpan {qMax(0, rest - leftFree), qMin(rest, leftLimited)})) {
                ranks[picked++] = rank;
                taken = with;
            }
        }
        return picked == count;
    }

    const HandPool &m_pool;
    const Window &m_window;
    const HeldRanks m_held;
    const RankMask m_freeRanks;
    const RankMask m_limitedRanks;
    const quint64 m_flushes;
};

} // namespace

bool bestWithinWindow(const HandPool &pool, const Window &window, int &value)
{
    return WindowedSearch(pool, window).find(value);
}

} // namespace HandEvaluation
} // namespace Marrowick
