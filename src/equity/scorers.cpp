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

// Every subset of @p mask with @p take bits.
std::vector<unsigned> subsetsOf(unsigned mask, int take)
{
    std::vector<unsigned> subsets;
    for (unsigned subset = mask;; subset = (subset - 1) & mask) {
        if (int(qPopulationCount(subset)) == take)
            subsets.push_back(subset);
        if (subset == 0)
            break;
    }
    return subsets;
}

} // namespace

std::vector<CardsState> choicesOf(const int *cards, int count, int take)
{
    std::vector<CardsState> out;
    addChoices(cards, count, take, 0, CardsState(), out);
    return out;
}

TwoHoleScorer::TwoHoleScorer(const EquityProblem &problem)
    : m_tables(HandTables::instance())
    , m_table(TwoHoleTable::instance())
{
    for (const std::vector<int> &hole : problem.holes) {
        Player player;
        player.suitRanks.fill(0);
        for (size_t a = 0; a < hole.size(); ++a) {
            player.suitRanks[size_t(suitOf(hole[a]))] |= 1u << rankOf(hole[a]);
            for (size_t b = a + 1; b < hole.size(); ++b) {
                const int index = TwoHoleTable::pairIndex(rankOf(hole[a]), rankOf(hole[b]));
                const auto end = player.pairs.begin() + player.pairCount;
                if (std::find(player.pairs.begin(), end, index) == end)
                    player.pairs[size_t(player.pairCount++)] = index;
            }
        }
        m_players.push_back(player);
    }
}

int TwoHoleScorer::bestFlush(unsigned holeRanks, unsigned boardRanks) const
{
    int best = 0;
    for (unsigned boardPart : subsetsOf(boardRanks, 3)) {
        for (unsigned holePart : subsetsOf(holeRanks, 2))
            best = std::max(best, m_tables.flushValue(boardPart | holePart));
    }
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

void WindowScorer::score(const CardsState &, const int *boardCards, int *values) const
{
    std::vector<std::vector<CardsState>> boardChoices;
    for (int take = m_minFromHole; take <= m_maxFromHole; ++take)
        boardChoices.push_back(choicesOf(boardCards, boardSize, boardSize - take));
    for (size_t p = 0; p < m_holeChoices.size(); ++p) {
        int best = 0;
        for (size_t k = 0; k < boardChoices.size(); ++k) {
            for (const CardsState &holePart : m_holeChoices[p][k]) {
                for (const CardsState &boardPart : boardChoices[k]) {
                    const CardsState hand = holePart.plus(boardPart);
                    const quint32 flush = (hand.suitCounters + suitCountersStart) & flushBits;
                    best = std::max(best, flush ? m_tables.flushValue(ranksOfSuit(hand.suited, qCountTrailingZeroBits(flush) / 4))
                                                : m_tables.rankValue(hand.rankKey));
                }
            }
        }
        values[p] = best;
    }
}

} // namespace Equity
} // namespace Marrowick
