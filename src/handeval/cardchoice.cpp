#include "cardchoice.h"

#include <algorithm>

namespace Marrowick {
namespace HandEvaluation {

namespace {

char codeOf(int rank, int suit)
{
    return char(4 * (rank == highestRank ? 0 : rank - 1) + suit + 1);
}

// The suit of the winning flush: of several suits holding its ranks with an
// allowed number of limited cards, the one whose cards, sorted by position,
// compare higher. Only pools of ten cards or more can hold two.
int flushSuit(const HandPool &pool, const Window &window, const HandRanks &hand)
{
    RankMask mask = 0;
    for (int rank : hand.ranks)
        mask |= rankBit(rank);
    int suits[4];
    int count = 0;
    for (int suit = 0; suit < 4; ++suit) {
        if ((pool.suitRanks(suit) & mask) == mask && window.allows(bitCount(pool.suitLimitedRanks(suit) & mask)))
            suits[count++] = suit;
    }

    Q_ASSERT(count > 0); // the search found the flush in some suit
    int best = suits[0];
    int bestPositions[handSize] = {};
    for (int s = 0; count > 1 && s < count; ++s) {
        int positions[handSize];
        for (int i = 0; i < handSize; ++i)
            positions[i] = pool.positionOf(codeOf(hand.ranks[i], suits[s]));
        std::sort(positions, positions + handSize);
        if (s == 0 ||
            std::lexicographical_compare(bestPositions, bestPositions + handSize, positions, positions + handSize)) {
            best = suits[s];
            std::copy(positions, positions + handSize, bestPositions);
        }
    }
    return best;
}

} // namespace

PackedCodes flushCards(const HandPool &pool, const Window &window, const HandRanks &hand)
{
    // Five distinct ranks of one suit.
    const int suit = flushSuit(pool, window, hand);
    PackedCodes cards = 0;
    for (int i = 0; i < handSize; ++i)
        cards |= PackedCodes(uchar(codeOf(hand.ranks[i], suit))) << (8 * i);
    return cards;
}

void chooseWithinWindow(const HandPool &pool, const Window &window, const HandRanks &hand, quint32 (&chosen)[16])
{
    // The hand's ranks, each with the number of its cards the hand takes.
    int ranks[handSize];
    int need[handSize];
    int groups = 0;
    for (int i = 0; i < handSize; ++i) {
        if (i > 0 && hand.ranks[i] == ranks[groups - 1]) {
            ++need[groups - 1];
        } else {
            ranks[groups] = hand.ranks[i];
            need[groups++] = 1;
        }
    }

    // Every limited card comes after every free card in pool order. Swapping
    // a chosen free card for an unchosen limited card of its rank raises the
    // choice, so the winner takes as many limited cards as the window allows,
    // window.most(): the latest cards of each rank take more. The rest are free
    // cards, of each rank at least as many as its limited cards cannot give.
    int limitedCount[handSize];
    int fewestFree[handSize];
    int mostFree[handSize];
    int freeTaken = 0;
    for (int g = 0; g < groups; ++g) {
        limitedCount[g] = pool.rankLimitedCount(ranks[g]);
        fewestFree[g] = qMax(0, need[g] - limitedCount[g]);
        mostFree[g] = qMin(need[g], pool.rankCount(ranks[g]) - limitedCount[g]);
        freeTaken += fewestFree[g];
    }

    // With the number of free cards fixed, choices differ first in their free
    // cards, the lowest positions. Each rank gives its latest free cards;
    // beyond the fewest a rank must give, the free cards with the highest
    // positions win, so the free array is read from its end.
    int freeCount[handSize];
    std::copy(fewestFree, fewestFree + groups, freeCount);
    int seen[handSize] = {};
    for (int position = pool.freeCount() - 1; freeTaken < handSize - window.most() && position >= 0; --position) {
        const int rank = laneBits.bits[uchar(pool.code(position))] & 15; // laneBit % 16
        for (int g = 0; g < groups; ++g) {
            if (ranks[g] != rank)
                continue;
            if (seen[g] >= fewestFree[g] && seen[g] < mostFree[g]) {
                ++freeCount[g];
                ++freeTaken;
            }
            ++seen[g];
        }
    }

    // Of each rank, latest first: its latest limited cards, then its latest
    // free cards (HandPool::latestCodes lists the limited ones first).
    for (int g = 0; g < groups; ++g) {
        const int rank = ranks[g];
        const int limitedTaken = need[g] - freeCount[g];
        quint32 codes = 0;
        for (int k = freeCount[g] - 1; k >= 0; --k)
            codes = (codes << 8) | uchar(pool.latestCode(rank, limitedCount[g] + k));
        for (int k = limitedTaken - 1; k >= 0; --k)
            codes = (codes << 8) | uchar(pool.latestCode(rank, k));
        chosen[rank] = codes;
    }
}

} // namespace HandEvaluation
} // namespace Marrowick
