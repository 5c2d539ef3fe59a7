#include "belowzero.h"

#include "enumeration.h"

#include <algorithm>

// Why the value of a hand holding a card ranked below zero depends on so
// little. Such a card is never counted in a group, so it sorts behind every
// other card and stays there whatever the category: reading position 4 holds
// the hand's lowest rank m, -31 to -1. Its field, sign-extended, sets every
// bit from 9 up, where the category and the other cards' fields lie too,
// but for the low bit of position 3. What is left is bits 4 to 7, m's low
// four bits, and bit 8, which is bit 4 of m or the low bit of the rank r3
// read at position 3:
//
//   value = 16 * m            when m >= -16 (bit 4 of m is set)
//   value = 16 * m + 256 * odd(r3)                 when m <= -17
//
// So every such value is 16 * e for an e from -1 down to -31, reached by the
// hands whose lowest rank is e (with an even r3 when e <= -17), and by those
// whose lowest rank is e - 16 with an odd r3.
//
// And r3 is the second lowest rank when the hand holds two cards ranked 0
// or below. With one such card, the four others rank 2 or more: r3 is the
// lowest of their ranks when all five share a suit (a flush, sorted), else
// the lowest rank they hold once (the pair's, the three's or the four's
// cards stand in front), or, holding none once, their lowest rank.

namespace Marrowick {
namespace HandEvaluation {

namespace {

const int rankSlots = highestRank - lowestRank + 1;
const int suitsBelowZero = 4; // a card ranked below zero is of suit -3 to 0
// Limited counts a hand can have, 0 to 5, as bits.
const quint8 anyLimitedCount = (1 << (handSize + 1)) - 1;

struct PoolCard
{
    qint8 rank;
    qint8 suit;
    bool limited;
};

bool isOdd(int rank)
{
    return uint(rank) & 1u; // also for ranks below zero
}

/// The counts from @p least to @p most as bits; none when @p least is above @p most.
quint8 countsBetween(int least, int most)
{
    return least > most ? 0 : quint8(((2 << most) - 1) & ~((1 << least) - 1));
}

/// The limited counts of @p count cards taken from @p free free and @p limited limited ones, as bits.
quint8 limitedCounts(int count, int free, int limited)
{
    return countsBetween(qMax(0, count - free), qMin(count, limited));
}

/// Every sum of a count in @p counts and one in @p added, as bits.
quint8 addCounts(quint8 counts, quint8 added)
{
    quint8 sums = 0;
    for (int k = 0; k <= handSize; ++k) {
        if (added & (1 << k))
            sums |= quint8(counts << k);
    }
    return sums & anyLimitedCount;
}

// The cards after some position, counted by rank, suit and kind.
class CardCounts
{
public:
    void add(PoolCard card)
    {
        ++m_counts[card.rank - lowestRank][card.suit - lowestSuit][card.limited];
        ++m_ranks[card.rank - lowestRank][card.limited];
    }
    int count(int rank, int suit, bool limited) const { return m_counts[rank - lowestRank][suit - lowestSuit][limited]; }
    int count(int rank, bool limited) const { return m_ranks[rank - lowestRank][limited]; }
    int countAbove(int rank, bool limited) const
    {
        int count = 0;
        for (int above = rank + 1; above <= highestRank; ++above)
            count += m_ranks[above - lowestRank][limited];
        return count;
    }

private:
    // Never above five per rank, suit and kind (keptCards in anypool.cpp).
    quint8 m_counts[rankSlots][suitSlots][2] = {};
    quint16 m_ranks[rankSlots][2] = {};
};

// A wanted lowest rank and, for ranks from -17 down, the parity of r3.
struct Aim
{
    enum Parity { Any, Even, Odd };
    int lowest;
    Parity parity;
};

// What a walk over the ranks, lowest first, keeps of the cards taken so far
// to know r3's parity at the end.
struct Stage
{
    enum Kind : quint8 {
        NothingYet, // no card
        OneLow, // one card, of the lowest rank
        Settled, // two or more cards ranked 0 or below: r3 is the second lowest
        Rising // one card ranked 0 or below, then cards ranked 2 and up
    };

    static Stage nothingYet() { return Stage {NothingYet, 0, false, 0, false}; }
    static Stage oneLow(int suit) { return Stage {OneLow, qint8(suit), false, 0, false}; }
    static Stage settled(bool odd) { return Stage {Settled, 0, odd, 0, false}; }

    // Indices: nothing yet, then a block for each kind.
    static const int oneLowFirst = 1;
    static const int settledFirst = oneLowFirst + suitsBelowZero;
    static const int risingFirst = settledFirst + 2;
    static const int count = risingFirst + suitsBelowZero * 2 * 3 * 2;

    int index() const
    {
        switch (kind) {
        case NothingYet:
            return 0;
        case OneLow:
            return oneLowFirst + suit - lowestSuit;
        case Settled:
            return settledFirst + odd;
        case Rising:
            break;
        }
        return risingFirst + (((suit - lowestSuit) * 2 + odd) * 3 + onceParity) * 2 + offSuit;
    }
    static Stage at(int index)
    {
        if (index < oneLowFirst)
            return nothingYet();
        if (index < settledFirst)
            return oneLow(index - oneLowFirst + lowestSuit);
        if (index < risingFirst)
            return settled(index - settledFirst);
        const int code = index - risingFirst;
        return Stage {Rising, qint8(code / 12 + lowestSuit), bool(code / 6 % 2), quint8(code / 2 % 3), bool(code % 2)};
    }

    bool r3IsOdd() const
    {
        if (kind == Rising && offSuit && onceParity)
            return onceParity == 2; // the lowest rank held once
        return odd; // the second lowest, or the lowest from 2 up of a flush or of groups only
    }

    Kind kind;
    qint8 suit; // OneLow, Rising: the suit of the card ranked 0 or below (-3 to 0)
    bool odd; // Settled: whether r3 is odd; Rising: whether the lowest rank from 2 up is
    quint8 onceParity; // Rising: of the lowest rank held once, 0 none yet, 1 even, 2 odd
    bool offSuit; // Rising: whether a card is not of that suit
};

quint8 onceParityOf(int rank)
{
    return quint8(1 + isOdd(rank));
}

/**
 * Whether some hand of the cards in @p hand (fixed) and of cards from
 * @p after has the lowest rank and r3 parity an aim asks for and fits the
 * window.
 */
class AimTest
{
public:
    AimTest(const PoolCard *hand, int handCount, const CardCounts &after, quint8 window)
        : m_hand(hand)
        , m_handCount(handCount)
        , m_after(after)
        , m_window(window)
    { }

    bool reaches(Aim aim)
    {
        // First what any parity needs: a card of the lowest rank, none below,
        // and a number of limited cards in the window.
        int fixedLimited = 0;
        bool fixedLowest = false;
        for (int i = 0; i < m_handCount; ++i) {
            if (m_hand[i].rank < aim.lowest)
                return false;
            fixedLimited += m_hand[i].limited;
            fixedLowest = fixedLowest || m_hand[i].rank == aim.lowest;
        }
        const int need = handSize - m_handCount;
        const int lowestFree = m_after.count(aim.lowest, false);
        const int lowestLimited = m_after.count(aim.lowest, true);
        const int higherFree = m_after.countAbove(aim.lowest, false);
        const int higherLimited = m_after.countAbove(aim.lowest, true);
        quint8 counts = 0;
        if (fixedLowest)
            counts = limitedCounts(need, lowestFree + higherFree, lowestLimited + higherLimited);
        for (int lowest = 1; !fixedLowest && lowest <= need; ++lowest) {
            counts |= addCounts(limitedCounts(lowest, lowestFree, lowestLimited),
                                limitedCounts(need - lowest, higherFree, higherLimited));
        }
        if (!(quint8(counts << fixedLimited) & m_window))
            return false;
        if (aim.parity == Aim::Any)
            return true;
        if (!hasParityCard(aim))
            return false;

        // A walk over the ranks from the lowest up, choosing how many cards of
        // each rank the hand takes.
        std::fill(&m_stages[0][0], &m_stages[0][0] + sizeof(m_stages), quint8(0));
        m_stages[0][Stage::nothingYet().index()] = 1; // no card, none limited
        m_rows = 1;
        for (int rank = aim.lowest; rank <= highestRank; ++rank)
            takeRank(rank, rank == aim.lowest);
        for (int index = 0; index < Stage::count; ++index) {
            if ((m_stages[handSize][index] & m_window) && Stage::at(index).r3IsOdd() == (aim.parity == Aim::Odd))
                return true;
        }
        return false;
    }

private:
    // r3 is the rank of a card above the lowest rank, or of a second card of it.
    bool hasParityCard(Aim aim) const
    {
        const bool odd = aim.parity == Aim::Odd;
        int atLowest = 0;
        for (int i = 0; i < m_handCount; ++i) {
            if (m_hand[i].rank > aim.lowest && isOdd(m_hand[i].rank) == odd)
                return true;
            atLowest += m_hand[i].rank == aim.lowest;
        }
        for (int rank = aim.lowest + 1 + (isOdd(aim.lowest + 1) != odd); rank <= highestRank; rank += 2) {
            if (m_after.count(rank, false) + m_after.count(rank, true) > 0)
                return true;
        }
        atLowest += m_after.count(aim.lowest, false) + m_after.count(aim.lowest, true);
        return isOdd(aim.lowest) == odd && atLowest >= 2;
    }

    void take(int taken, Stage stage, quint8 counts, quint8 added)
    {
        const quint8 sums = addCounts(counts, added);
        m_next[taken][stage.index()] |= sums;
        m_nextRows |= sums ? 1 << taken : 0;
    }

    void takeRank(int rank, bool lowest)
    {
        // The hand's own cards of this rank are all taken.
        int fixed = 0;
        int fixedLimited = 0;
        bool fixedOffSuit[suitsBelowZero] = {};
        for (int i = 0; i < m_handCount; ++i) {
            if (m_hand[i].rank == rank) {
                ++fixed;
                fixedLimited += m_hand[i].limited;
                for (int suit = 0; suit < suitsBelowZero; ++suit)
                    fixedOffSuit[suit] = fixedOffSuit[suit] || m_hand[i].suit != suit + lowestSuit;
            }
        }
        const int free = m_after.count(rank, false);
        const int limited = m_after.count(rank, true);
        if (fixed == 0 && free + limited == 0 && !lowest)
            return;

        // The numbers of limited cards among `more` cards of this rank: of any
        // suits; all of a suit s; some of another suit than s.
        quint8 anySuits[handSize + 1];
        quint8 sameSuit[suitsBelowZero][handSize + 1];
        quint8 otherSuit[suitsBelowZero][handSize + 1];
        for (int more = 0; more <= handSize; ++more) {
            anySuits[more] = limitedCounts(more, free, limited);
            for (int suit = 0; suit < suitsBelowZero; ++suit) {
                const int suitFree = m_after.count(rank, suit + lowestSuit, false);
                const int suitLimited = m_after.count(rank, suit + lowestSuit, true);
                sameSuit[suit][more] = limitedCounts(more, suitFree, suitLimited);
                otherSuit[suit][more] = 0;
                for (int others = 1; others <= more; ++others) {
                    const int same = more - others;
                    if (same <= suitFree + suitLimited && others <= free + limited - suitFree - suitLimited) {
                        otherSuit[suit][more] |=
                            countsBetween(qMax(0, same - suitFree) + qMax(0, others - (free - suitFree)),
                                          qMin(same, suitLimited) + qMin(others, limited - suitLimited));
                    }
                }
            }
        }

        std::fill(&m_next[0][0], &m_next[0][0] + sizeof(m_next), quint8(0));
        m_nextRows = 0;
        for (int taken = 0; taken <= handSize; ++taken) {
            if (!(m_rows & (1 << taken)))
                continue;
            for (int index = 0; index < Stage::count; ++index) {
                const quint8 counts = m_stages[taken][index];
                if (!counts)
                    continue;
                const Stage stage = Stage::at(index);
                // None of this rank: neither with the hand's own cards nor at the lowest rank.
                if (fixed == 0 && stage.kind != Stage::NothingYet) {
                    m_next[taken][index] |= counts;
                    m_nextRows |= 1 << taken;
                }
                const quint8 held = quint8(counts << fixedLimited);
                for (int more = qMax(0, 1 - fixed); taken + fixed + more <= handSize && more <= free + limited;
                     ++more) {
                    const int all = fixed + more;
                    const int now = taken + all;
                    Stage next = stage;
                    switch (stage.kind) {
                    case Stage::NothingYet:
                        if (all >= 2) {
                            take(now, Stage::settled(isOdd(rank)), held, anySuits[more]);
                        } else if (fixed == 1) {
                            take(now, Stage::oneLow(m_hand[fixedAt(rank)].suit), held, 1);
                        } else {
                            for (int suit = 0; suit < suitsBelowZero; ++suit)
                                take(now, Stage::oneLow(suit + lowestSuit), held, sameSuit[suit][1]);
                        }
                        continue;
                    case Stage::OneLow:
                        if (rank <= 0) {
                            take(now, Stage::settled(isOdd(rank)), held, anySuits[more]);
                            continue;
                        }
                        next = Stage {Stage::Rising, stage.suit, isOdd(rank), 0, false};
                        break;
                    case Stage::Settled:
                        take(now, stage, held, anySuits[more]);
                        continue;
                    case Stage::Rising:
                        break;
                    }
                    // Cards ranked 2 and up: all of the suit of the card ranked
                    // below zero, or some of another suit.
                    if (!next.onceParity && all == 1)
                        next.onceParity = onceParityOf(rank);
                    const int suit = next.suit - lowestSuit;
                    const bool offSuit = next.offSuit;
                    next.offSuit = offSuit || fixedOffSuit[suit];
                    take(now, next, held, sameSuit[suit][more]);
                    next.offSuit = true;
                    take(now, next, held, otherSuit[suit][more]);
                }
            }
        }
        std::copy(&m_next[0][0], &m_next[0][0] + sizeof(m_next), &m_stages[0][0]);
        m_rows = m_nextRows;
    }

    int fixedAt(int rank) const
    {
        int i = 0;
        while (m_hand[i].rank != rank)
            ++i;
        return i;
    }

    const PoolCard *m_hand;
    int m_handCount;
    const CardCounts &m_after;
    quint8 m_window;
    // [cards taken][stage index]: the numbers of limited cards they can hold, as bits.
    quint8 m_stages[handSize + 1][Stage::count];
    quint8 m_next[handSize + 1][Stage::count];
    // The numbers of cards taken that some stage holds, as bits.
    int m_rows = 0;
    int m_nextRows = 0;
};

// The aims that give the value 16 * e.
int aimsOf(int e, Aim (&aims)[2])
{
    aims[0] = Aim {e, e >= -16 ? Aim::Any : Aim::Even};
    if (e - 16 < lowestRank)
        return 1;
    aims[1] = Aim {e - 16, Aim::Odd};
    return 2;
}

bool reachesValue(int e, const PoolCard *hand, int handCount, const CardCounts &after, quint8 window)
{
    Aim aims[2];
    const int count = aimsOf(e, aims);
    AimTest test(hand, handCount, after, window);
    for (int i = 0; i < count; ++i) {
        if (test.reaches(aims[i]))
            return true;
    }
    return false;
}

} // namespace

bool searchBelowZero(const HandPool &pool, const Window &window, const int *positions, int count, BestHand &best)
{
    quint8 windowCounts = 0;
    for (int limited = 0; limited <= handSize; ++limited) {
        if (window.allows(limited))
            windowCounts |= quint8(1 << limited);
    }
    const auto cardAt = [&](int index) {
        const DecodedCard card = decodeCard(pool.code(positions[index]));
        return PoolCard {card.rank, card.suit, pool.isLimited(positions[index])};
    };

    // The best value: the highest e that some hand reaches.
    CardCounts all;
    for (int index = 0; index < count; ++index)
        all.add(cardAt(index));
    int e = -1;
    while (e >= lowestRank && !reachesValue(e, nullptr, 0, all, windowCounts))
        --e;
    if (e < lowestRank)
        return false;

    // The latest choice of that value: each card the latest from which the
    // hand can still be completed.
    Aim aims[2];
    const int lowest = aims[aimsOf(e, aims) - 1].lowest;
    PoolCard hand[handSize];
    int chosen[handSize];
    int start = 0;
    for (int slot = 0; slot < handSize; ++slot) {
        CardCounts after;
        int index = count - 1;
        for (; index >= start; --index) {
            hand[slot] = cardAt(index);
            if (hand[slot].rank >= lowest && reachesValue(e, hand, slot + 1, after, windowCounts))
                break;
            after.add(hand[slot]);
        }
        Q_ASSERT(index >= start);
        chosen[slot] = positions[index];
        start = index + 1;
    }
    reportChoice(pool, chosen, 16 * e, best);
    return true;
}

} // namespace HandEvaluation
} // namespace Marrowick
