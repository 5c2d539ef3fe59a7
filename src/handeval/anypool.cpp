#include "anypool.h"

#include "belowzero.h"
#include "candidate.h"
#include "enumeration.h"

#include <algorithm>
#include <numeric>

// Cost. Reading the pool is linear in its size, and so is keeping of each
// suit, rank and kind (free or limited) the latest five cards: a hand needs
// no more, and of equal hands the later choice wins. What remains is at most
// five cards for each of the 256 bytes and each kind. A dozen cards or fewer
// are enumerated (792 choices at most). Otherwise, when some hand that the
// window allows takes only cards ranked 0 and above (every byte but those
// from -7 down), the best hand is one of those, and the pool is searched by
// counts: each choice of how many cards of each rank, in any suits or all in
// one suit, is scored once, some tens of thousands at most whatever the
// pool's size (a few milliseconds), and the winning cards are picked in five
// passes over the pool. Else every hand takes a card ranked below zero, and
// its value depends only on its lowest rank and the parity of one other:
// belowzero.h finds the best of those 31 values and the latest choice of it
// in at most 62 + 10 tests per card kept, each a count or a walk over the
// ranks: under a millisecond in every such pool tried.

namespace Marrowick {
namespace HandEvaluation {

namespace {

const int smallPool = 12;
const int noSuit = lowestSuit - 1; // counts over all suits together

LimitedSpan spanOf(int count, int free, int limited)
{
    return LimitedSpan {qMax(0, count - free), qMin(count, limited)};
}

// The pool's cards of rank 0 and above, counted by suit and rank, free and limited.
class Supply
{
public:
    explicit Supply(const HandPool &pool)
    {
        for (int position = 0; position < pool.size(); ++position) {
            const DecodedCard card = decodeCard(pool.code(position));
            if (card.rank < 0)
                continue;
            const int kind = pool.isLimited(position) ? 1 : 0;
            ++m_counts[kind][card.suit - lowestSuit][card.rank];
            ++m_counts[kind][slot(noSuit)][card.rank];
            ++m_total[kind];
        }
    }

    int freeCount(int suit, int rank) const { return m_counts[0][slot(suit)][rank]; }
    int limitedCount(int suit, int rank) const { return m_counts[1][slot(suit)][rank]; }

    /// Whether some choice of five of these cards fits the window.
    bool fits(const Window &window) const
    {
        return m_total[0] + m_total[1] >= handSize && window.meets(spanOf(handSize, m_total[0], m_total[1]));
    }

private:
    static int slot(int suit) { return suit == noSuit ? suitSlots : suit - lowestSuit; }

    // [free, limited][suit, then all suits][rank]
    int m_counts[2][suitSlots + 1][highestRank + 1] = {};
    int m_total[2] = {};
};

// The best value among the choices of cards ranked 0 and above. Suits matter
// only to a flush, so a choice is known by how many cards of each rank it
// takes, in any suits or all in one suit; each such choice that some cards fit
// into the window is scored once.
class CountedSearch
{
public:
    CountedSearch(const Supply &supply, const Window &window)
        : m_supply(supply)
        , m_window(window)
    { }

    bool find(int &value)
    {
        for (int suit = noSuit; suit < lowestSuit + suitSlots; ++suit)
            search(suit, highestRank, 0, LimitedSpan {0, 0});
        value = m_best;
        return m_found;
    }

private:
    void search(int suit, int rank, int taken, LimitedSpan span)
    {
        if (taken == handSize) {
            if (m_window.meets(span))
                score(suit);
            return;
        }
        if (rank < 0)
            return;
        const int nextRank = rank == 2 ? 0 : rank - 1; // no card ranks 1
        const int free = m_supply.freeCount(suit, rank);
        const int limited = m_supply.limitedCount(suit, rank);
        for (int count = qMin(handSize - taken, free + limited); count >= 0; --count) {
            std::fill(m_ranks + taken, m_ranks + taken + count, rank);
            search(suit, nextRank, taken + count, span + spanOf(count, free, limited));
        }
    }

    void score(int suit)
    {
        // Cards in several suits (0, 1, 2, 3, 0) make no flush.
        Candidate candidate;
        for (int i = 0; i < handSize; ++i)
            candidate.setCard(i, HandCard {0, qint8(suit == noSuit ? i % 4 : suit), qint8(m_ranks[i])});
        candidate.score();
        if (!m_found || candidate.value() > m_best) {
            m_best = candidate.value();
            m_found = true;
        }
    }

    const Supply &m_supply;
    const Window &m_window;
    int m_ranks[handSize] = {};
    int m_best = 0;
    bool m_found = false;
};

// The ranks of a value, each with the number of cards that take it.
struct RankNeeds
{
    explicit RankNeeds(const HandRanks &hand)
    {
        for (const int rank : hand.ranks) {
            int group = 0;
            while (group < groups && ranks[group] != rank)
                ++group;
            if (group == groups)
                ranks[groups++] = rank;
            ++counts[group];
        }
    }

    int ranks[handSize] = {};
    int counts[handSize] = {};
    int groups = 0;
};

/**
 * The latest choice, in the order of enumeration, of the cards @p needs asks
 * for, all of @p suit unless it is noSuit, that fits the window: the one
 * whose first position is highest, then its second... Each pass takes the
 * highest position after those taken from which the rest can still be
 * completed. False when no choice fits.
 */
bool chooseLatest(const HandPool &pool, const Window &window, const RankNeeds &needs, int suit, int (&chosen)[handSize])
{
    const auto groupOf = [&](int position) {
        const DecodedCard card = decodeCard(pool.code(position));
        for (int group = 0; group < needs.groups; ++group) {
            if (card.rank == needs.ranks[group] && (suit == noSuit || card.suit == suit))
                return group;
        }
        return -1;
    };

    int need[handSize];
    std::copy(needs.counts, needs.counts + handSize, need);
    int limitedTaken = 0;
    int start = 0;
    for (int slot = 0; slot < handSize; ++slot) {
        // Cards of each group after the position looked at.
        int freeAfter[handSize] = {};
        int limitedAfter[handSize] = {};
        const auto completes = [&](int limitedSoFar) {
            LimitedSpan span {limitedSoFar, limitedSoFar};
            for (int group = 0; group < needs.groups; ++group) {
                if (need[group] > freeAfter[group] + limitedAfter[group])
                    return false;
                span = span + spanOf(need[group], freeAfter[group], limitedAfter[group]);
            }
            return window.meets(span);
        };

        int picked = -1;
        for (int position = pool.size() - 1; position >= start && picked < 0; --position) {
            const int group = groupOf(position);
            if (group < 0)
                continue;
            const bool limited = pool.isLimited(position);
            if (need[group] > 0) {
                --need[group];
                if (completes(limitedTaken + limited))
                    picked = position;
                else
                    ++need[group];
            }
            ++(limited ? limitedAfter : freeAfter)[group];
        }
        if (picked < 0)
            return false;
        chosen[slot] = picked;
        limitedTaken += pool.isLimited(picked);
        start = picked + 1;
    }
    return true;
}

bool searchByCounts(const HandPool &pool, const Window &window, const Supply &supply, BestHand &best)
{
    int value = 0;
    if (!CountedSearch(supply, window).find(value))
        return false;

    // The cards of a flush share a suit; of several suits the latest choice wins.
    const HandRanks hand(value);
    const RankNeeds needs(hand);
    const bool flush = hand.isFlush();
    int chosen[handSize];
    bool found = false;
    for (int suit = flush ? lowestSuit : noSuit; suit < (flush ? lowestSuit + suitSlots : noSuit + 1); ++suit) {
        int choice[handSize];
        if (chooseLatest(pool, window, needs, suit, choice) &&
            (!found || std::lexicographical_compare(chosen, chosen + handSize, choice, choice + handSize))) {
            std::copy(choice, choice + handSize, chosen);
            found = true;
        }
    }
    Q_ASSERT(found);
    reportChoice(pool, chosen, value, best);
    return true;
}

/**
 * Calls @p keep with the position of every card that some winning choice may
 * take, latest first, and returns their number. Cards of one suit and rank
 * and kind (free or limited) are interchangeable, and of equal choices the
 * one with later positions wins: a hand takes the latest of them, and never
 * more than five.
 */
template<typename Keep> int keptCards(const HandPool &pool, Keep &&keep)
{
    const int rankSpan = highestRank - lowestRank + 1;
    quint8 seen[2][suitSlots * rankSpan] = {};
    int count = 0;
    for (int position = pool.size() - 1; position >= 0; --position) {
        const DecodedCard card = decodeCard(pool.code(position));
        quint8 &copies = seen[pool.isLimited(position)][(card.suit - lowestSuit) * rankSpan + card.rank - lowestRank];
        if (copies < handSize) {
            ++copies;
            ++count;
            keep(position);
        }
    }
    return count;
}

} // namespace

bool evaluateAnyPool(const HandPool &pool, const Window &window, BestHand &best)
{
    if (pool.size() <= smallPool) {
        int positions[smallPool];
        std::iota(positions, positions + pool.size(), 0);
        return enumerateCandidates(pool, window, positions, pool.size(), best);
    }
    // Every byte, free and limited, five times at most: no allocation.
    int kept[256 * 2 * handSize];
    int keptCount = 0;
    keptCards(pool, [&kept, &keptCount](int position) { kept[keptCount++] = position; });
    std::reverse(kept, kept + keptCount);
    if (keptCount <= smallPool)
        return enumerateCandidates(pool, window, kept, keptCount, best);

    const Supply supply(pool);
    if (supply.fits(window))
        return searchByCounts(pool, window, supply, best);
    return searchBelowZero(pool, window, kept, keptCount, best);
}

} // namespace HandEvaluation
} // namespace Marrowick
