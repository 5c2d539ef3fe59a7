#include "evalhand.h"

#include <algorithm>

namespace Marrowick {

namespace {

const int lowestCountedRank = 2;
const int highestRank = 14;

// Moves the cards of @p rank to the front, in the reverse of their order,
// and keeps the other cards behind them in their order.
template<typename Cards> void moveRankToFront(Cards &cards, int rank)
{
    Cards moved;
    for (const auto &card : cards) {
        if (card.rank == rank)
            moved.push_front(card);
        else
            moved.push_back(card);
    }
    cards.swap(moved);
}

} // namespace

void EvalHand::EvaluateHand()
{
    // Stable: cards of equal rank stay in the order of the pool.
    std::stable_sort(current.cards.begin(), current.cards.end(),
                     [](const HandCard &a, const HandCard &b) { return a.rank > b.rank; });

    rankCounts.assign(highestRank + 1, 0);
    for (const HandCard &card : current.cards) {
        if (card.rank > 0)
            ++rankCounts[card.rank];
    }
    straightTested = false;
    straightResult = false;
    flushTested = false;
    flushResult = false;

    // Strongest first; a predicate that answers no leaves the cards as they were.
    handType type = HighCard;
    if (IsRoyalFlush())
        type = RoyalFlush;
    else if (IsStraightFlush())
        type = StraightFlush;
    else if (IsFourOfAKind())
        type = FourOfAKind;
    else if (IsFullHouse())
        type = FullHouse;
    else if (IsFlush())
        type = Flush;
    else if (IsStraight())
        type = Straight;
    else if (IsThreeOfAKind())
        type = ThreeOfAKind;
    else if (IsTwoPair())
        type = TwoPair;
    else if (IsPair())
        type = Pair;

    current.type = type;
    current.value = SetHandValue();

    // The kickers are always the last cards of the hand, from this position on.
    static const int firstKicker[] = {1, 2, 4, 3, 5, 5, 5, 4, 5, 5};
    for (int position = firstKicker[type]; position < 5; ++position) {
        const HandCard &card = current.cards[position];
        if (card.rank > 0)
            current.kickers.append(card.code);
    }
}

bool EvalHand::IsRoyalFlush()
{
    // After a five-high straight flush the ace stands last, so that is no royal flush.
    return IsFlush() && IsStraight() && current.cards[0].rank == highestRank;
}

bool EvalHand::IsStraightFlush()
{
    return IsFlush() && IsStraight();
}

bool EvalHand::IsFourOfAKind()
{
    const int rank = Contains(4, 0);
    if (!rank)
        return false;
    moveRankToFront(current.cards, rank);
    return true;
}

bool EvalHand::IsFullHouse()
{
    const int rank = Contains(3, 0);
    if (!rank || !Contains(2, 0))
        return false;
    moveRankToFront(current.cards, rank);
    return true;
}

bool EvalHand::IsFlush()
{
    if (flushTested)
        return flushResult;
    const qint8 suit = current.cards[0].suit;
    flushResult = std::all_of(current.cards.begin() + 1, current.cards.end(),
                              [suit](const HandCard &card) { return card.suit == suit; });
    flushTested = true;
    return flushResult;
}

bool EvalHand::IsStraight()
{
    if (straightTested)
        return straightResult;
    straightTested = true;

    const auto rank = [this](int position) { return current.cards[position].rank; };
    if (rank(0) == highestRank && rank(4) == 2) {
        // Ace, five, four, three, two: the ace plays low and moves to the back.
        if (rank(3) == 3 && rank(2) == 4 && rank(1) == 5) {
            SwapCards(0, 4);
            SwapCards(0, 3);
            SwapCards(0, 2);
            SwapCards(0, 1);
            straightResult = true;
        }
        return straightResult;
    }
    for (int position = 0; position < 4; ++position) {
        if (rank(position) - 1 != rank(position + 1))
            return false;
    }
    straightResult = true;
    return true;
}

bool EvalHand::IsThreeOfAKind()
{
    const int rank = Contains(3, 0);
    if (!rank)
        return false;
    moveRankToFront(current.cards, rank);
    return true;
}

bool EvalHand::IsTwoPair()
{
    const int low = Contains(2, 0);
    if (!low)
        return false;
    const int high = Contains(2, low);
    if (high < 1)
        return false;

    // Lower pair reversed at the front of the odd card, then the higher pair
    // in front of both, reversed as well.
    std::deque<HandCard> hand;
    std::deque<HandCard> highPair;
    for (const HandCard &card : current.cards) {
        if (card.rank == low)
            hand.push_front(card);
        else if (card.rank == high)
            highPair.push_back(card);
        else
            hand.push_back(card);
    }
    hand.push_front(highPair[0]);
    hand.push_front(highPair[1]);
    current.cards.swap(hand);
    return true;
}

bool EvalHand::IsPair()
{
    const int rank = Contains(2, 0);
    if (!rank)
        return false;
    moveRankToFront(current.cards, rank);
    return true;
}

void EvalHand::SwapCards(int i, int j)
{
    std::swap(current.cards[i], current.cards[j]);
}

int EvalHand::Contains(int count, int after) const
{
    if (after >= highestRank)
        return 0;
    for (int rank = after > 0 ? after + 1 : lowestCountedRank; rank <= highestRank; ++rank) {
        if (rankCounts[rank] == count)
            return rank;
    }
    return 0;
}

} // namespace Marrowick
