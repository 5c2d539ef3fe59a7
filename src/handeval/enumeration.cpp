#include "enumeration.h"

#include <algorithm>

namespace Marrowick {
namespace HandEvaluation {

namespace {

struct HandCard
{
    char code; // the byte as the caller passed it
    qint8 suit; // suit number minus 2
    qint8 rank; // 14 for the ace; 0 and below for bytes that are no real card
};

// Five cards with their category and value.
struct ScoredHand
{
    HandCard cards[handSize];
    EvalHand::handType type = EvalHand::HighCard;
    int value = 0;
};

// One choice of five cards, scored as the evaluator is defined: sorted by rank,
// counted, and named by the chain of predicates from royal flush down; a
// predicate that answers yes leaves the cards in reading order.
class Candidate : public ScoredHand
{
public:
    void EvaluateHand();

private:
    bool IsRoyalFlush();
    bool IsStraightFlush();
    bool IsFourOfAKind();
    bool IsFullHouse();
    bool IsFlush();
    bool IsStraight();
    bool IsThreeOfAKind();
    bool IsTwoPair();
    bool IsPair();
    void SwapCards(int i, int j);
    int Contains(int count, int after) const;
    void MoveRankToFront(int rank);

    // The ranks held exactly once, twice... five times: what Contains looks up.
    RankMask ranksHeld[handSize + 1];
    bool straightTested = false;
    bool straightResult = false;
    bool flushTested = false;
    bool flushResult = false;
};

void Candidate::EvaluateHand()
{
    // Highest rank first; cards of equal rank stay in pool order. Each card
    // goes after the cards of higher rank and the earlier ones of its rank:
    // a stable sort without branches on the ranks (and without the buffer
    // that std::stable_sort allocates).
    HandCard sorted[handSize];
    for (int i = 0; i < handSize; ++i) {
        int place = 0;
        for (int j = 0; j < handSize; ++j)
            place += cards[j].rank > cards[i].rank || (cards[j].rank == cards[i].rank && j < i);
        sorted[place] = cards[i];
    }
    std::copy(sorted, sorted + handSize, cards);

    // Cards below rank 1 are no real cards and not counted.
    quint8 rankCounts[highestRank + 1] = {};
    for (const HandCard &card : cards) {
        if (card.rank > 0)
            ++rankCounts[card.rank];
    }
    std::fill(ranksHeld, ranksHeld + handSize + 1, 0);
    for (const HandCard &card : cards) {
        if (card.rank > 0)
            ranksHeld[rankCounts[card.rank]] |= rankBit(card.rank);
    }
    straightTested = false;
    straightResult = false;
    flushTested = false;
    flushResult = false;

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
    else
        type = EvalHand::HighCard;

    int ranks[handSize];
    for (int position = 0; position < handSize; ++position)
        ranks[position] = cards[position].rank;
    value = SetHandValue(type, ranks);
}

bool Candidate::IsRoyalFlush()
{
    // After a five-high straight flush the ace stands last: no royal flush.
    return IsFlush() && IsStraight() && cards[0].rank == highestRank;
}

bool Candidate::IsStraightFlush()
{
    return IsFlush() && IsStraight();
}

bool Candidate::IsFourOfAKind()
{
    const int rank = Contains(4, 0);
    if (!rank)
        return false;
    MoveRankToFront(rank);
    return true;
}

bool Candidate::IsFullHouse()
{
    const int rank = Contains(3, 0);
    if (!rank || !Contains(2, 0))
        return false;
    MoveRankToFront(rank);
    return true;
}

bool Candidate::IsFlush()
{
    if (flushTested)
        return flushResult;
    const qint8 suit = cards[0].suit;
    flushResult = std::all_of(cards + 1, cards + handSize, [suit](const HandCard &card) { return card.suit == suit; });
    flushTested = true;
    return flushResult;
}

bool Candidate::IsStraight()
{
    if (straightTested)
        return straightResult;
    straightTested = true;

    if (cards[0].rank == highestRank && cards[4].rank == 2) {
        // Ace, five, four, three, two: the ace plays low and moves to the back.
        if (cards[3].rank == 3 && cards[2].rank == 4 && cards[1].rank == 5) {
            SwapCards(0, 4);
            SwapCards(0, 3);
            SwapCards(0, 2);
            SwapCards(0, 1);
            straightResult = true;
        }
        return straightResult;
    }
    for (int position = 0; position < 4; ++position) {
        if (cards[position].rank - 1 != cards[position + 1].rank)
            return false;
    }
    straightResult = true;
    return true;
}

bool Candidate::IsThreeOfAKind()
{
    const int rank = Contains(3, 0);
    if (!rank)
        return false;
    MoveRankToFront(rank);
    return true;
}

bool Candidate::IsTwoPair()
{
    const int low = Contains(2, 0);
    if (!low)
        return false;
    const int high = Contains(2, low);
    if (high < 1)
        return false;

    // The higher pair, then the lower pair, each reversed, then the odd card.
    HandCard ordered[handSize];
    int highCount = 0;
    int lowCount = 0;
    for (const HandCard &card : cards) {
        if (card.rank == high)
            ordered[1 - highCount++] = card;
        else if (card.rank == low)
            ordered[3 - lowCount++] = card;
        else
            ordered[4] = card;
    }
    std::copy(ordered, ordered + handSize, cards);
    return true;
}

bool Candidate::IsPair()
{
    const int rank = Contains(2, 0);
    if (!rank)
        return false;
    MoveRankToFront(rank);
    return true;
}

void Candidate::SwapCards(int i, int j)
{
    std::swap(cards[i], cards[j]);
}

int Candidate::Contains(int count, int after) const
{
    // The lowest rank above `after` (from 2 on) held exactly `count` times.
    const RankMask above = after > 0 ? ~((rankBit(after) << 1) - 1) : ~RankMask(0);
    const RankMask ranks = ranksHeld[count] & above;
    return ranks ? __builtin_ctz(ranks) : 0;
}

void Candidate::MoveRankToFront(int rank)
{
    // The cards of the rank to the front in reverse order, the others behind
    // them in their order.
    const int groupSize =
        int(std::count_if(cards, cards + handSize, [rank](const HandCard &card) { return card.rank == rank; }));
    HandCard moved[handSize];
    int group = groupSize;
    int others = groupSize;
    for (const HandCard &card : cards) {
        if (card.rank == rank)
            moved[--group] = card;
        else
            moved[others++] = card;
    }
    std::copy(moved, moved + handSize, cards);
}

} // namespace

bool enumerateCandidates(const HandPool &pool, const Window &window, BestHand &best)
{
    const auto card = [&pool](int position) {
        const char code = pool.code(position);
        const DecodedCard decoded = decodeCard(code);
        return HandCard {code, decoded.suit, decoded.rank};
    };

    // Of equal values the later choice wins: it would replace the earlier one
    // in a map keyed by value. Each loop decodes its own card.
    const int n = pool.size;
    Candidate candidate;
    ScoredHand winner;
    bool found = false;
    for (int i = 0; i < n - 4; ++i) {
        const HandCard first = card(i);
        for (int j = i + 1; j < n - 3; ++j) {
            const HandCard second = card(j);
            for (int k = j + 1; k < n - 2; ++k) {
                const HandCard third = card(k);
                for (int l = k + 1; l < n - 1; ++l) {
                    const HandCard fourth = card(l);
                    const int limitedCount =
                        pool.isLimited(i) + pool.isLimited(j) + pool.isLimited(k) + pool.isLimited(l);
                    for (int m = l + 1; m < n; ++m) {
                        if (!window.allows(limitedCount + pool.isLimited(m)))
                            continue;
                        candidate.cards[0] = first;
                        candidate.cards[1] = second;
                        candidate.cards[2] = third;
                        candidate.cards[3] = fourth;
                        candidate.cards[4] = card(m);
                        candidate.EvaluateHand();
                        if (!found || candidate.value >= winner.value) {
                            winner = candidate; // the five cards, their category and value
                            found = true;
                        }
                    }
                }
            }
        }
    }
    if (!found)
        return false;

    best.type = winner.type;
    best.value = winner.value;
    best.cards = 0;
    best.kickers = 0;
    best.kickerCount = 0;
    for (int position = 0; position < handSize; ++position) {
        const HandCard &card = winner.cards[position];
        best.cards |= PackedCodes(uchar(card.code)) << (8 * position);
        // Cards below rank 1 are no real cards and never kickers.
        if (position >= firstKicker(winner.type) && card.rank > 0)
            best.kickers |= PackedCodes(uchar(card.code)) << (8 * best.kickerCount++);
    }
    return true;
}

} // namespace HandEvaluation
} // namespace Marrowick
