#include "evalhandmodel.h"

#include <marrowick/card.h>

#include <algorithm>

using Marrowick::Card;
using Marrowick::EvalHand;

namespace {

const int lowestCountedRank = 2;
const int highestRank = 14;

} // namespace

bool EvalHandModel::Evaluate(QByteArray cards, QByteArray limitedCards, int minLimited, int maxLimited, int &value,
                             handType &type, QByteArray &kickers, QByteArray *bestCards)
{
    // A byte decoding beyond the king (57 to 127) fails the call.
    const auto appendCards = [this](const QByteArray &bytes, quint8 limited) {
        for (const char byte : bytes) {
            const Card card = Card::fromEncodedChar(byte);
            const int cardValue = static_cast<signed char>(card.value());
            const int rank = cardValue == 0 ? highestRank : cardValue + 1;
            if (rank > highestRank)
                return false;
            allCards.push_back(HandCard {byte, qint8(card.suit() - Card::Clubs), qint8(rank), limited});
        }
        return true;
    };

    allCards.clear();
    if (!appendCards(cards, 0) || !appendCards(limitedCards, 1))
        return false;
    const int n = int(allCards.size());
    if (n < 5)
        return false;

    results.clear();
    for (int i = 0; i < n - 4; ++i) {
        for (int j = i + 1; j < n - 3; ++j) {
            for (int k = j + 1; k < n - 2; ++k) {
                for (int l = k + 1; l < n - 1; ++l) {
                    for (int m = l + 1; m < n; ++m) {
                        current.cards.clear();
                        current.value = 0;
                        current.type = EvalHand::HighCard;
                        current.kickers.clear();
                        for (const int position : {i, j, k, l, m})
                            current.cards.push_back(allCards[position]);

                        int limitedCount = 0;
                        for (const HandCard &card : current.cards)
                            limitedCount += card.limited;
                        if (limitedCount < minLimited || limitedCount > maxLimited)
                            continue;

                        EvaluateHand();
                        results[current.value] = current;
                    }
                }
            }
        }
    }
    if (results.empty())
        return false;

    const auto best = results.cbegin();
    value = best->second.value;
    type = best->second.type;
    kickers = best->second.kickers;
    if (bestCards) {
        bestCards->clear();
        for (const HandCard &card : best->second.cards)
            bestCards->append(card.code);
    }
    return true;
}

void EvalHandModel::EvaluateHand()
{
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

    handType type = EvalHand::HighCard;
    if (IsRoyalFlush())
        type = EvalHand::RoyalFlush;
    else if (IsStraightFlush())
        type = EvalHand::StraightFlush;
    else if (IsFourOfAKind())
        type = EvalHand::FourOfAKind;
    else if (IsFullHouse())
        type = EvalHand::FullHouse;
    else if (IsFlush())
        type = EvalHand::Flush;
    else if (IsStraight())
        type = EvalHand::Straight;
    else if (IsThreeOfAKind())
        type = EvalHand::ThreeOfAKind;
    else if (IsTwoPair())
        type = EvalHand::TwoPair;
    else if (IsPair())
        type = EvalHand::Pair;

    current.type = type;
    current.value = SetHandValue();

    static const int firstKicker[] = {1, 2, 4, 3, 5, 5, 5, 4, 5, 5};
    for (int position = firstKicker[type]; position < 5; ++position) {
        const HandCard &card = current.cards[position];
        if (card.rank > 0)
            current.kickers.append(card.code);
    }
}

bool EvalHandModel::IsRoyalFlush()
{
    return IsFlush() && IsStraight() && current.cards[0].rank == highestRank;
}

bool EvalHandModel::IsStraightFlush()
{
    return IsFlush() && IsStraight();
}

bool EvalHandModel::IsFourOfAKind()
{
    const int rank = Contains(4, 0);
    if (!rank)
        return false;
    MoveRankToFront(rank);
    return true;
}

bool EvalHandModel::IsFullHouse()
{
    const int rank = Contains(3, 0);
    if (!rank || !Contains(2, 0))
        return false;
    MoveRankToFront(rank);
    return true;
}

bool EvalHandModel::IsFlush()
{
    if (flushTested)
        return flushResult;
    const qint8 suit = current.cards[0].suit;
    flushResult = std::all_of(current.cards.begin() + 1, current.cards.end(),
                              [suit](const HandCard &card) { return card.suit == suit; });
    flushTested = true;
    return flushResult;
}

bool EvalHandModel::IsStraight()
{
    if (straightTested)
        return straightResult;
    straightTested = true;

    const auto rank = [this](int position) { return current.cards[position].rank; };
    if (rank(0) == highestRank && rank(4) == 2) {
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

bool EvalHandModel::IsThreeOfAKind()
{
    const int rank = Contains(3, 0);
    if (!rank)
        return false;
    MoveRankToFront(rank);
    return true;
}

bool EvalHandModel::IsTwoPair()
{
    const int low = Contains(2, 0);
    if (!low)
        return false;
    const int high = Contains(2, low);
    if (high < 1)
        return false;

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

bool EvalHandModel::IsPair()
{
    const int rank = Contains(2, 0);
    if (!rank)
        return false;
    MoveRankToFront(rank);
    return true;
}

void EvalHandModel::SwapCards(int i, int j)
{
    std::swap(current.cards[i], current.cards[j]);
}

int EvalHandModel::Contains(int count, int after) const
{
    if (after >= highestRank)
        return 0;
    for (int rank = after > 0 ? after + 1 : lowestCountedRank; rank <= highestRank; ++rank) {
        if (rankCounts[rank] == count)
            return rank;
    }
    return 0;
}

int EvalHandModel::SetHandValue() const
{
    int value = ApplyMask(0, current.type, 24);
    for (int position = 0; position < 5; ++position)
        value = ApplyMask(value, current.cards[position].rank, 20 - 4 * position);
    return value;
}

int EvalHandModel::ApplyMask(int mask, int value, int shift)
{
    return int(uint(mask) | (uint(value) << (uint(shift) % 32u)));
}

void EvalHandModel::MoveRankToFront(int rank)
{
    std::deque<HandCard> moved;
    for (const HandCard &card : current.cards) {
        if (card.rank == rank)
            moved.push_front(card);
        else
            moved.push_back(card);
    }
    current.cards.swap(moved);
}
