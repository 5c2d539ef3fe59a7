#ifndef MARROWICK_EQUITY_SCORERS_H
#define MARROWICK_EQUITY_SCORERS_H

#include "equityproblem.h"
#include "handtables.h"

#include <algorithm>
#include <array>
#include <vector>

namespace Marrowick {
namespace Equity {

/// What the board cards add up to, built one card at a time.
struct CardsState
{
    quint64 rankKey = 0;
    quint32 suitCounters = 0;
    quint64 suited = 0;

    CardsState with(int card) const
    {
        return {rankKey + rankKeyOf(card), suitCounters + suitCounterOf(card), suited | suitedBitOf(card)};
    }
    CardsState plus(const CardsState &other) const
    {
        return {rankKey + other.rankKey, suitCounters + other.suitCounters, suited | other.suited};
    }
};

inline CardsState stateOf(const int *cards, int count)
{
    CardsState state;
    for (int i = 0; i < count; ++i)
        state = state.with(cards[i]);
    return state;
}

// A scorer gives every player's hand on a complete board:
//   void score(const CardsState &board, const int *boardCards, Strength *hands) const;

/// Games in which a hand is the best five of the board and at most two hole cards, freely.
class FreeChoiceScorer
{
public:
    explicit FreeChoiceScorer(const EquityProblem &problem)
        : m_tables(HandTables::instance())
    {
        for (const std::vector<int> &hole : problem.holes) {
            CardsState state = stateOf(hole.data(), int(hole.size()));
            state.suitCounters += suitCountersStart;
            m_holes.push_back(state);
        }
    }

    void score(const CardsState &board, const int *, Strength *hands) const
    {
        for (size_t p = 0; p < m_holes.size(); ++p) {
            const CardsState hand = board.plus(m_holes[p]);
            const quint32 flush = hand.suitCounters & flushBits;
            hands[p] = flush ? m_tables.flushStrength(ranksOfSuit(hand.suited, qCountTrailingZeroBits(flush) / 4))
                             : m_tables.plainStrength(hand.rankKey);
        }
    }

private:
    const HandTables &m_tables;
    std::vector<CardsState> m_holes;
};

/// Hold'em: the best five of the board and two hole cards.
class HoldemScorer
{
public:
    explicit HoldemScorer(const EquityProblem &problem);

    void score(const CardsState &board, const int *, Strength *hands) const
    {
        const int boardId = m_tables.fiveCardRankId(board.rankKey);
        // A flush needs three board cards of a suit; five cards hold at most one such suit.
        const quint32 threeOfSuit = (board.suitCounters + 0x5555u) & flushBits;
        for (size_t p = 0; p < m_players.size(); ++p)
            hands[p] = m_players[p].row[boardId];
        if (!threeOfSuit)
            return;
        const int suit = int(qCountTrailingZeroBits(threeOfSuit) / 4);
        const int onBoard = int(board.suitCounters >> (4 * suit)) & 15;
        const unsigned boardRanks = ranksOfSuit(board.suited, suit);
        for (size_t p = 0; p < m_players.size(); ++p) {
            // With seven cards, a flush beats whatever else the ranks make.
            if (onBoard + m_players[p].suitCounts[size_t(suit)] >= boardSize)
                hands[p] = m_tables.flushStrength(boardRanks | m_players[p].suitRanks[size_t(suit)]);
        }
    }

private:
    struct Player
    {
        const Strength *row; ///< PairBoardTable row of the hole ranks
        std::array<unsigned, suitCount> suitRanks; ///< hole ranks of each suit
        std::array<int, suitCount> suitCounts; ///< hole cards of each suit
    };
    const HandTables &m_tables;
    std::vector<Player> m_players;
};

/// Games in which a hand is exactly two hole cards and three board cards (Omaha).
class TwoHoleScorer
{
public:
    explicit TwoHoleScorer(const EquityProblem &problem);

    void score(const CardsState &board, const int *, Strength *hands) const
    {
        const int boardId = m_tables.fiveCardRankId(board.rankKey);
        // A flush needs three board cards of a suit; five cards hold at most one such suit.
        const quint32 threeOfSuit = (board.suitCounters + 0x5555u) & flushBits;
        const int flushSuit = threeOfSuit ? int(qCountTrailingZeroBits(threeOfSuit) / 4) : -1;
        for (size_t p = 0; p < m_players.size(); ++p) {
            const Player &player = m_players[p];
            Strength best = 0;
            for (int i = 0; i < player.pairCount; ++i)
                best = std::max(best, m_table.strength(player.pairs[size_t(i)], boardId));
            if (flushSuit >= 0 && player.suitCounts[size_t(flushSuit)] >= 2)
                best = std::max(best,
                                bestFlush(player.suitRanks[size_t(flushSuit)], ranksOfSuit(board.suited, flushSuit)));
            hands[p] = best;
        }
    }

private:
    Strength bestFlush(unsigned holeRanks, unsigned boardRanks) const;

    struct Player
    {
        std::array<int, maxHoleCards *(maxHoleCards - 1) / 2> pairs; ///< distinct rank pairs, PairBoardTable::pairIndex
        int pairCount = 0;
        std::array<unsigned, suitCount> suitRanks; ///< hole ranks of each suit
        std::array<int, suitCount> suitCounts; ///< hole cards of each suit
    };
    const HandTables &m_tables;
    const PairBoardTable &m_table;
    std::vector<Player> m_players;
};

/// Any window: every allowed choice of hole cards with the rest from the board.
class WindowScorer
{
public:
    explicit WindowScorer(const EquityProblem &problem);

    void score(const CardsState &, const int *boardCards, Strength *hands) const;

private:
    const HandTables &m_tables;
    int m_minFromHole;
    int m_maxFromHole;
    /// For each player, for each number of hole cards in the window, every choice of that many.
    std::vector<std::vector<std::vector<CardsState>>> m_holeChoices;
};

/// Every choice of @p take of the @p count @p cards, as states.
std::vector<CardsState> choicesOf(const int *cards, int count, int take);

} // namespace Equity
} // namespace Marrowick

#endif
