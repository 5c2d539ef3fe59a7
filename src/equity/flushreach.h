#ifndef MARROWICK_EQUITY_FLUSHREACH_H
#define MARROWICK_EQUITY_FLUSHREACH_H

#include "equityproblem.h"
#include "scorers.h"

#include <algorithm>
#include <array>

namespace Marrowick {
namespace Equity {

/**
 * Tells the boards on which suits cannot matter: no player can make five of
 * one suit with them, so every hand on such a board depends on ranks alone
 * and boards that differ only in the suit of a card score alike. Most boards
 * are such boards, which lets an exact count score them once per rank.
 */
class FlushReach
{
public:
    explicit FlushReach(const EquityProblem &problem)
    {
        const int boardUsable = boardSize - problem.minFromHole;
        for (int suit = 0; suit < suitCount; ++suit) {
            int holeUsable = 0;
            for (const std::vector<int> &hole : problem.holes) {
                const int ofSuit =
                    int(std::count_if(hole.begin(), hole.end(), [suit](int card) { return suitOf(card) == suit; }));
                holeUsable = std::max(holeUsable, std::min(ofSuit, problem.maxFromHole));
            }
            const int needed = boardSize - holeUsable;
            // A counter of at most five that starts at 8 - needed reaches 8 with the board's needed cards;
            // starting at 0 it never does.
            if (needed <= boardUsable) {
                m_bias |= quint32(8 - needed) << (4 * suit);
                m_needed[size_t(suit)] = needed;
            }
        }
    }

    /// The cards of suit @p suit that a board needs before the suit can matter; more than five when it never does.
    int needed(int suit) const { return m_needed[size_t(suit)]; }

    /// Whether some player may hold a flush on the complete board @p board.
    bool suitsMatter(const CardsState &board) const { return ((board.suitCounters + m_bias) & flushBits) != 0; }

    /// The suits (bit s for suit s) of the last cards that make @p board, one card short, a board where suits matter.
    unsigned suitsThatMatter(const CardsState &board) const
    {
        unsigned suits = 0;
        for (int suit = 0; suit < suitCount; ++suit) {
            if (suitsMatter(board.with(suit))) // card number `suit` is the two of that suit: any card of it will do
                suits |= 1u << suit;
        }
        return suits;
    }

private:
    quint32 m_bias = 0;
    std::array<int, suitCount> m_needed {{boardSize + 1, boardSize + 1, boardSize + 1, boardSize + 1}};
};

} // namespace Equity
} // namespace Marrowick

#endif
