#include "scorers.h"

namespace Marrowick {
namespace Equity {

namespace {

void addChoices(const int *cards, int count, int take, int from, CardsState state, std::vector<CardsState> &out)
{
    if (take == 0) {
        out.push_back(state);
        return;
    }
    for (int i = from; i <= count - take; ++i)
        addChoices(cards, count, take - 1, i + 1, state.with(cards[i]), out);
}

// The bits of @p mask, each alone; returns how many.
int bitsOf(unsigned mask, unsigned *bits)
{
    int count = 0;
    for (; mask; mask &= mask - 1)
        bits[count++] = mask & (0u - mask);
    return count;
}

} // namespace

std::vector<CardsState> choicesOf(const int *cards, int count, int take)
{
    std::vector<CardsState> out;
    addChoices(cards, count, take, 0, CardsState(), out);
    return out;
}

HoldemScorer::HoldemScorer(const EquityProblem &problem)
    : m_tables(HandTables::instance())
{
    const PairBoardTable &table = PairBoardTable::instance(PairBoardTable::AllSeven);
    for (const std::vector<int> &hole : problem.holes) {
        Player player;
        player.row = table.row(PairBoardTable::pairIndex(rankOf(hole[0]), rankOf(hole[1])));
        player.suitRanks.fill(0);
        player.suitCounts.fill(0);
        for (int card : hole) {
            player.suitRanks[size_t(suitOf(card))] |= 1u << rankOf(card);
            ++player.suitCounts[size_t(suitOf(card))];
        }
        m_players.push_back(player);
    }
}

TwoHoleScorer::TwoHoleScorer(const EquityProblem &problem)
    : m_tables(HandTables::instance())
    , m_table(PairBoardTable::instance(PairBoardTable::TwoWithThree))
{
    for (const std::vector<int> &hole : problem.holes) {
        Player player;
        player.suitRanks.fill(0);
        player.suitCounts.fill(0);
        for (size_t a = 0; a < hole.size(); ++a) {
            player.suitRanks[size_t(suitOf(hole[a]))] |= 1u << rankOf(hole[a]);
            ++player.suitCounts[size_t(suitOf(hole[a]))];
            for (size_t b = a + 1; b < hole.size(); ++b) {
                const int index = PairBoardTable::pairIndex(rankOf(hole[a]), rankOf(hole[b]));
                const auto end = player.pairs.begin() + player.pairCount;
                if (std::find(player.pairs.begin(), end, index) == end)
                    player.pairs[size_t(player.pairCount++)] = index;
            }
        }
        m_players.push_back(player);
    }
}

Strength TwoHoleScorer::bestFlush(unsigned holeRanks, unsigned boardRanks) const
{
    unsigned board[boardSize];
    unsigned hole[maxHoleCards];
    const int boardCount = bitsOf(boardRanks, board);
    const int holeCount = bitsOf(holeRanks, hole);
    Strength best = 0;
    for (int a = 0; a < boardCount; ++a)
        for (int b = a + 1; b < boardCount; ++b)
            for (int c = b + 1; c < boardCount; ++c)
                for (int x = 0; x < holeCount; ++x)
                    for (int y = x + 1; y < holeCount; ++y)
                        best =
                            std::max(best, m_tables.flushStrength(board[a] | board[b] | board[c] | hole[x] | hole[y]));
    return best;
}

WindowScorer::WindowScorer(const EquityProblem &problem)
    : m_tables(HandTables::instance())
    , m_minFromHole(problem.minFromHole)
    , m_maxFromHole(problem.maxFromHole)
{
    for (const std::vector<int> &hole : problem.holes) {
        std::vector<std::vector<CardsState>> choices;
        for (int take = m_minFromHole; take <= m_maxFromHole; ++take)
            choices.push_back(choicesOf(hole.data(), int(hole.size()), take));
        m_holeChoices.push_back(choices);
    }
}

void WindowScorer::score(const CardsState &, const int *boardCards, Strength *hands) const
{
    std::vector<std::vector<CardsState>> boardChoices;
    for (int take = m_minFromHole; take <= m_maxFromHole; ++take)
        boardChoices.push_back(choicesOf(boardCards, boardSize, boardSize - take));
    for (size_t p = 0; p < m_holeChoices.size(); ++p) {
        Strength best = 0;
        for (size_t k = 0; k < boardChoices.size(); ++k) {
            for (const CardsState &holePart : m_holeChoices[p][k]) {
                for (const CardsState &boardPart : boardChoices[k]) {
                    const CardsState hand = holePart.plus(boardPart);
                    const quint32 flush = (hand.suitCounters + suitCountersStart) & flushBits;
                    best = std::max(
                        best,
                        flush ? m_tables.flushStrength(ranksOfSuit(hand.suited, qCountTrailingZeroBits(flush) / 4))
                              : m_tables.plainStrength(hand.rankKey));
                }
            }
        }
        hands[p] = best;
    }
}

} // namespace Equity
} // namespace Marrowick
