#ifndef MARROWICK_EQUITY_TALLY_H
#define MARROWICK_EQUITY_TALLY_H

#include "equityproblem.h"
#include "handtables.h"

#include <QtCore/qalgorithms.h>
#include <QtCore/qglobal.h>

#include <array>

namespace Marrowick {
namespace Equity {

/// The lengths of the hand arrays that Tally::add reads: every player count
/// rounded up to one of a few, so that few versions of the counting loops are made.
constexpr int lanesFor(int players)
{
    return players <= 2 ? 2 : players <= 8 ? 8 : players <= 16 ? 16 : 24;
}
const int maxLanes = lanesFor(maxPlayers);
static_assert(maxLanes >= maxPlayers, "every player needs a lane");

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

    /**
     * Counts one board, @p weight times, on which the players have the hands
     * @p hands: @p Lanes of them, 0 after the last player's. Loops of a fixed
     * length without branches let the compiler use vector instructions.
     */
    template<int Lanes> void add(const Strength *hands, quint64 weight = 1)
    {
        static_assert(Lanes < 64, "a lane number must stay below 64");
        m_boards += weight;
        Strength best = 0;
        for (int p = 0; p < Lanes; ++p)
            best = hands[p] > best ? hands[p] : best;
        // Each player with the best hand adds 64 + their number: a sum below 128 is one winner's and names them.
        quint16 winnerSum = 0;
        for (int p = 0; p < Lanes; ++p)
            winnerSum += hands[p] == best ? quint16(64 + p) : quint16(0);
        if (winnerSum < 128) {
            m_wins[winnerSum - 64u] += weight;
            return;
        }
        quint32 winners = 0;
        for (int p = 0; p < m_players; ++p)
            winners |= quint32(hands[p] == best) << p;
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

/**
 * Holds the hands of a few boards before it counts them into a Tally. Hands
 * counted as soon as they are written would be read back, as one block,
 * before the processor has finished writing them one by one, which stalls
 * it. Counts what it still holds when destroyed.
 */
template<int Lanes> class TallyBuffer
{
public:
    explicit TallyBuffer(Tally &tally)
        : m_tally(tally)
    {
        m_hands.fill(0);
    }
    ~TallyBuffer() { flush(); }
    TallyBuffer(const TallyBuffer &) = delete;
    TallyBuffer &operator=(const TallyBuffer &) = delete;

    /// Where the next board's hands go, one a player; the lanes after the last player's stay 0.
    Strength *hands() { return m_hands.data() + m_count * Lanes; }

    /// Counts the board whose hands were written at hands(), @p weight times.
    void add(quint64 weight = 1)
    {
        m_weights[m_count] = weight;
        if (++m_count == boards)
            flush();
    }

    void flush()
    {
        for (size_t i = 0; i < m_count; ++i)
            m_tally.add<Lanes>(m_hands.data() + i * Lanes, m_weights[i]);
        m_count = 0;
    }

private:
    static const size_t boards = 32;
    Tally &m_tally;
    size_t m_count = 0;
    std::array<Strength, boards * Lanes> m_hands;
    std::array<quint64, boards> m_weights;
};

} // namespace Equity
} // namespace Marrowick

#endif
