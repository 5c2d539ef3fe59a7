#ifndef MARROWICK_HANDEVAL_CANDIDATE_H
#define MARROWICK_HANDEVAL_CANDIDATE_H

#include "handvalue.h"

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
 * Fill m_cards in pool order, then call score().
 */
class Candidate
{
public:
    void score();

    /// The codes of the cards in reading order, and those of the kickers, into @p best.
    void report(BestHand &best) const;

    HandCard m_cards[handSize];
    EvalHand::handType m_type = EvalHand::HighCard;
    int m_value = 0;

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

    // The ranks held exactly once, twice... five times: what lowestRankHeld looks up.
    RankMask m_ranksHeld[handSize + 1];
    bool m_straightTested = false;
    bool m_straightResult = false;
    bool m_flushTested = false;
    bool m_flushResult = false;
};

} // namespace HandEvaluation
} // namespace Marrowick

#endif
