#ifndef MARROWICK_EQUITY_TALLY_H
#define MARROWICK_EQUITY_TALLY_H

#include "equityproblem.h"
#include "handtables.h"

#include <QtCore/qalgorithms.h>
#include <QtCore/qglobal.h>

#include <array>

namespace Marrowick {
namespace Equity {

/**
 * Counts of showdowns: per player the boards won alone and the boards split,
 * by the number of players sharing the pot. Counts are exact integers, so
 * tallies merged in any order give the same result.
 */
class Tally
{
public:
    explicit Tally(int players = 0)
        : m_players(players)
    {
        m_wins.fill(0);
        m_splits.fill(0);
    }

    /// Counts one board, @p weight times, on which the players have the hands @p hands.
    void add(const Strength *hands, quint64 weight = 1)
    {
        m_boards += weight;
        Strength best = hands[0];
        for (int p = 1; p < m_players; ++p)
            best = hands[p] > best ? hands[p] : best;
        quint32 winners = 0;
        for (int p = 0; p < m_players; ++p)
            winners |= quint32(hands[p] == best) << p;
        if ((winners & (winners - 1)) == 0) {
            m_wins[qCountTrailingZeroBits(winners)] += weight;
            return;
        }
        const size_t sharers = qPopulationCount(winners);
        for (; winners; winners &= winners - 1)
            m_splits[qCountTrailingZeroBits(winners) * size_t(m_players + 1) + sharers] += weight;
    }

    void merge(const Tally &other)
    {
        m_boards += other.m_boards;
        for (size_t i = 0; i < size_t(m_players); ++i)
            m_wins[i] += other.m_wins[i];
        for (size_t i = 0; i < size_t(m_players) * size_t(m_players + 1); ++i)
            m_splits[i] += other.m_splits[i];
    }

    quint64 boards() const { return m_boards; }
    int players() const { return m_players; }
    quint64 wins(int player) const { return m_wins[size_t(player)]; }
    /// Boards on which @p player shared the pot with @p sharers - 1 others.
    quint64 splits(int player, int sharers) const
    {
        return m_splits[size_t(player) * size_t(m_players + 1) + size_t(sharers)];
    }

private:
    int m_players;
    quint64 m_boards = 0;
    // Inline, so that the tallies of several threads share no cache line.
    std::array<quint64, maxPlayers> m_wins;
    std::array<quint64, maxPlayers *(maxPlayers + 1)> m_splits;
};

} // namespace Equity
} // namespace Marrowick

#endif
