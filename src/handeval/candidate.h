#ifndef MARROWICK_HANDEVAL_CANDIDATE_H
#define MARROWICK_HANDEVAL_CANDIDATE_H

#include "handvalue.h"

#include <QtCore/QtAlgorithms>

#include <algorithm>

namespace Marrowick {
namespace HandEvaluation {

struct HandCard
{
    char code; // the byte as the caller passed it
    qint8 suit; // suit number minus 2
    qint8 rank; // 14 for the ace; 0 and below for bytes that are no real card
};

/**
 * One choice of five cards, scored as the evaluator is defined: sorted by
 * rank, counted, and named by the chain of predicates from royal flush down;
 * a predicate that answers yes leaves the cards in reading order.
 *
 * Set the cards in pool order, then call score(). Defined in this header so
 * that the enumeration's innermost loop inlines it.
 */
class Candidate
{
public:
    /// Places @p card at @p slot (0 to 4).
    void setCard(int slot, HandCard card)
    {
        Q_ASSERT(slot >= 0 && slot < handSize);
        m_cards[slot] = card;
    }
    /// Sorts and categorises the five cards and packs their value.
    void score();
    /// The packed value of the last score().
    int value() const { return m_value; }
    /// The codes of the cards in reading order, and those of the kickers, into @p best.
    void report(BestHand &best) const;

private:
    bool isRoyalFlush();
    bool isStraightFlush();
    bool isFourOfAKind();
    bool isFullHouse();
    bool isFlush();
    bool isStraight();
    bool isThreeOfAKind();
    bool isTwoPair();
    bool isPair();
    void swapCards(int i, int j);
    int lowestRankHeld(int count, int after) const;
    void moveRankToFront(int rank);

    HandCard m_cards[handSize];
    EvalHand::handType m_type = EvalHand::HighCard;
    int m_value = 0;
    // The ranks held exactly once, twice... five times: what lowestRankHeld looks up.
    RankMask m_ranksHeld[handSize + 1];
    bool m_straightTested = false;
    bool m_straightResult = false;
    bool m_flushTested = false;
    bool m_flushResult = false;
};

inline void Candidate::score()
{
    // Highest rank first; cards of equal rank stay in pool order. Each card
    // goes after the cards of higher rank and the earlier ones of its rank:
    // a stable sort without branches on the ranks (and without the buffer
    // that std::stable_sort allocates).
    HandCard sorted[handSize];
    for (int i = 0; i < handSize; ++i) {
        int place = 0;
        for (int j = 0; j < handSize; ++j)
            place += m_cards[j].rank > m_cards[i].rank || (m_cards[j].rank == m_cards[i].rank && j < i);
        sorted[place] = m_cards[i];
    }
    std::copy(sorted, sorted + handSize, m_cards);

    // Cards below rank 1 are no real cards and not counted.
    quint8 rankCounts[highestRank + 1] = {};
    for (const HandCard &card : m_cards) {
        if (card.rank > 0)
            ++rankCounts[card.rank];
    }
    std::fill(m_ranksHeld, m_ranksHeld + handSize + 1, 0);
    for (const HandCard &card : m_cards) {
        if (card.rank > 0)
            m_ranksHeld[rankCounts[card.rank]] |= rankBit(card.rank);
    }
    m_straightTested = false;
    m_straightResult = false;
    m_flushTested = false;
    m_flushResult = false;

    if (isRoyalFlush())
        m_type = EvalHand::RoyalFlush;
    else if (isStraightFlush())
        m_type = EvalHand::StraightFlush;
    else if (isFourOfAKind())
        m_type = EvalHand::FourOfAKind;
    else if (isFullHouse())
        m_type = EvalHand::FullHouse;
    else if (isFlush())
        m_type = EvalHand::Flush;
    else if (isStraight())
        m_type = EvalHand::Straight;
    else if (isThreeOfAKind())
        m_type = EvalHand::ThreeOfAKind;
    else if (isTwoPair())
        m_type = EvalHand::TwoPair;
    else if (isPair())
        m_type = EvalHand::Pair;
    else
        m_type = EvalHand::HighCard;

    int ranks[handSize];
    for (int position = 0; position < handSize; ++position)
        ranks[position] = m_cards[position].rank;
    m_value = packedValue(m_type, ranks);
}

inline void Candidate::report(BestHand &best) const
{
    best.type = m_type;
    best.value = m_value;
    best.cards = 0;
    best.kickers = 0;
    best.kickerCount = 0;
    for (int position = 0; position < handSize; ++position) {
        const HandCard &card = m_cards[position];
        best.cards |= PackedCodes(uchar(card.code)) << (8 * position);
        // Cards below rank 1 are no real cards and never kickers.
        if (position >= firstKicker(m_type) && card.rank > 0)
            best.kickers |= PackedCodes(uchar(card.code)) << (8 * best.kickerCount++);
    }
}

inline bool Candidate::isRoyalFlush()
{
    // After a five-high straight flush the ace stands last: no royal flush.
    return isFlush() && isStraight() && m_cards[0].rank == highestRank;
}

inline bool Candidate::isStraightFlush()
{
    return isFlush() && isStraight();
}

inline bool Candidate::isFourOfAKind()
{
    const int rank = lowestRankHeld(4, 0);
    if (!rank)
        return false;
    moveRankToFront(rank);
    return true;
}

inline bool Candidate::isFullHouse()
{
    const int rank = lowestRankHeld(3, 0);
    if (!rank || !lowestRankHeld(2, 0))
        return false;
    moveRankToFront(rank);
    return true;
}

inline bool Candidate::isFlush()
{
    if (m_flushTested)
        return m_flushResult;
    const qint8 suit = m_cards[0].suit;
    m_flushResult =
        std::all_of(m_cards + 1, m_cards + handSize, [suit](const HandCard &card) { return card.suit == suit; });
    m_flushTested = true;
    return m_flushResult;
}

inline bool Candidate::isStraight()
{
    if (m_straightTested)
        return m_straightResult;
    m_straightTested = true;

    if (m_cards[0].rank == highestRank && m_cards[4].rank == 2) {
        // Ace, five, four, three, two: the ace plays low and moves to the back.
        if (m_cards[3].rank == 3 && m_cards[2].rank == 4 && m_cards[1].rank == 5) {
            swapCards(0, 4);
            swapCards(0, 3);
            swapCards(0, 2);
            swapCards(0, 1);
            m_straightResult = true;
        }
        return m_straightResult;
    }
    for (int position = 0; position < 4; ++position) {
        if (m_cards[position].rank - 1 != m_cards[position + 1].rank)
            return false;
    }
    m_straightResult = true;
    return true;
}

inline bool Candidate::isThreeOfAKind()
{
    const int rank = lowestRankHeld(3, 0);
    if (!rank)
        return false;
    moveRankToFront(rank);
    return true;
}

inline bool Candidate::isTwoPair()
{
    const int low = lowestRankHeld(2, 0);
    if (!low)
        return false;
    const int high = lowestRankHeld(2, low);
    if (high < 1)
        return false;

    // The higher pair, then the lower pair, each reversed, then the odd card.
    HandCard ordered[handSize];
    int highCount = 0;
    int lowCount = 0;
    for (const HandCard &card : m_cards) {
        if (card.rank == high)
            ordered[1 - highCount++] = card;
        else if (card.rank == low)
            ordered[3 - lowCount++] = card;
        else
            ordered[4] = card;
    }
    std::copy(ordered, ordered + handSize, m_cards);
    return true;
}

inline bool Candidate::isPair()
{
    const int rank = lowestRankHeld(2, 0);
    if (!rank)
        return false;
    moveRankToFront(rank);
    return true;
}

inline void Candidate::swapCards(int i, int j)
{
    std::swap(m_cards[i], m_cards[j]);
}

inline int Candidate::lowestRankHeld(int count, int after) const
{
    // The lowest rank above `after` (from 2 on) held exactly `count` times; 0 for none.
    const RankMask above = after > 0 ? ~((rankBit(after) << 1) - 1) : ~RankMask(0);
    const RankMask ranks = m_ranksHeld[count] & above;
    return ranks ? int(qCountTrailingZeroBits(ranks)) : 0;
}

inline void Candidate::moveRankToFront(int rank)
{
    // The cards of the rank to the front in reverse order, the others behind
    // them in their order.
    const int groupSize =
        int(std::count_if(m_cards, m_cards + handSize, [rank](const HandCard &card) { return card.rank == rank; }));
    HandCard moved[handSize];
    int group = groupSize;
    int others = groupSize;
    for (const HandCard &card : m_cards) {
        if (card.rank == rank)
            moved[--group] = card;
        else
            moved[others++] = card;
    }
    std::copy(moved, moved + handSize, m_cards);
}

} // namespace HandEvaluation
} // namespace Marrowick

#endif
