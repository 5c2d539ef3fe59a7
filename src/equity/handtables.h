#ifndef MARROWICK_EQUITY_HANDTABLES_H
#define MARROWICK_EQUITY_HANDTABLES_H

#include "cardindex.h"

#include <vector>

namespace Marrowick {
namespace Equity {

/**
 * A hand's place among all hands: 1 for the weakest, one more for each
 * better EvalHand value, equal values alike, so that the calculator's ties
 * and orders are exactly those of EvalHand::Evaluate. Tables of two bytes a
 * hand instead of four halve the memory the hot loops read; 0 is no hand.
 */
using Strength = quint16;

/// A card's part of a rank key: a 3-bit counter per rank, summed over the cards of a hand.
constexpr quint64 rankKeyOf(int card)
{
    return quint64(1) << (3 * rankOf(card));
}

/// A card's part of a suit counter word: a 4-bit counter per suit.
constexpr quint32 suitCounterOf(int card)
{
    return quint32(1) << (4 * suitOf(card));
}

/// Suit counters start at 3, so that a count of five sets the counter's top bit.
const quint32 suitCountersStart = 0x3333;
const quint32 flushBits = 0x8888;

/// A card's part of a suited mask: 16 bits a suit, bit r of a suit for rank r.
constexpr quint64 suitedBitOf(int card)
{
    return quint64(1) << (16 * suitOf(card) + rankOf(card));
}

/// The ranks of suit @p suit in a suited mask.
constexpr unsigned ranksOfSuit(quint64 suitedMask, int suit)
{
    return unsigned(suitedMask >> (16 * suit)) & 0x1fffu;
}

/**
 * Lookup tables of hand values, built once per process on first use and read
 * only afterwards, so any number of threads may share them.
 *
 * Hands of five to seven cards with no five of one suit are looked up by their
 * rank key through a perfect hash; hands of five of one suit by their rank
 * mask. A hand of at most seven cards that holds five of one suit holds no
 * four of a kind and no full house, so its flush value is its best value.
 */
class HandTables
{
public:
    static const HandTables &instance();

    /// The best hand of five to seven cards with the rank key @p rankKey, suits aside.
    Strength plainStrength(quint64 rankKey) const { return m_strengths[slotOf(rankKey)]; }
    /// The best hand of five or more cards of one suit with the ranks @p rankMask (bit r for rank r).
    Strength flushStrength(unsigned rankMask) const { return m_flushStrengths[rankMask]; }
    /// A dense number (0 to 6174) for the rank key of exactly five cards.
    int fiveCardRankId(quint64 rankKey) const { return m_fiveCardIds[slotOf(rankKey)]; }
    /// The rank keys of five cards, by their dense number.
    const std::vector<quint64> &fiveCardRankKeys() const { return m_fiveCardKeys; }

    /// The best hand of @p count (5 to 7) distinct cards.
    Strength bestStrength(const int *cards, int count) const;
    /// EvalHand's packed value of the hands of strength @p strength.
    int valueOf(Strength strength) const { return m_valueOfStrength[strength]; }

    HandTables(const HandTables &) = delete;
    HandTables &operator=(const HandTables &) = delete;

private:
    HandTables();
    void buildPerfectHash(const std::vector<quint64> &keys);
    void numberStrengths(const std::vector<int> &plainValues, const std::vector<int> &flushValues);

    quint32 slotOf(quint64 key) const
    {
        const quint64 h = key * m_multiplier;
        return (quint32(h >> (64 - bucketBits - slotBits)) + m_displacements[h >> (64 - bucketBits)]) & (slotTotal - 1);
    }

    static const int bucketBits = 14;
    static const int slotBits = 17;
    static const quint32 slotTotal = quint32(1) << slotBits;

    quint64 m_multiplier = 0;
    std::vector<quint32> m_displacements;
    std::vector<Strength> m_strengths;
    std::vector<quint16> m_fiveCardIds;
    std::vector<quint64> m_fiveCardKeys;
    std::vector<Strength> m_flushStrengths;
    std::vector<int> m_valueOfStrength;
};

/**
 * The best value, suits aside, of two hole ranks with a board of five, by the
 * number of the hole ranks and the board's rank id: a player's row (12 kB)
 * stays in the cache while the boards go by. About 1 MB, built on first use.
 */
class PairBoardTable
{
public:
    enum Choice {
        AllSeven, ///< the best five of all seven cards (hold'em)
        TwoWithThree ///< both hole cards with three of the board (Omaha)
    };
    static const PairBoardTable &instance(Choice choice);

    /// The number of a pair of hole ranks, for strength().
    static int pairIndex(int rankA, int rankB);
    /// The best hand, suits aside, of the hole ranks @p pairIndex with the five board cards of rank id @p boardRankId.
    Strength strength(int pairIndex, int boardRankId) const
    {
        return m_strengths[size_t(pairIndex) * m_boardCount + size_t(boardRankId)];
    }
    /// The row of strength() for one pair of hole ranks.
    const Strength *row(int pairIndex) const { return m_strengths.data() + size_t(pairIndex) * m_boardCount; }

private:
    explicit PairBoardTable(Choice choice);
    size_t m_boardCount = 0;
    std::vector<Strength> m_strengths;
};

/// EvalHand's packed value of a hand of five distinct cards, found from first principles (for building tables).
int fiveCardValue(const int *cards);

} // namespace Equity
} // namespace Marrowick

#endif
