#ifndef MARROWICK_EQUITY_RANKFIRSTCOUNT_H
#define MARROWICK_EQUITY_RANKFIRSTCOUNT_H

#include "equityrun.h"
#include "flushreach.h"
#include "scorers.h"
#include "tally.h"
#include "taskrunner.h"

#include <array>
#include <vector>

namespace Marrowick {
namespace Equity {

/// The number of ways to choose @p k of @p n.
inline qint64 combinations(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    qint64 result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

/**
 * An exact count by ranks first. On a board where no player can make a
 * flush every hand is worth what the ranks make, so each multiset of board
 * ranks is scored once on a board of those ranks whose suits matter to no
 * one, and counted as often as the deck deals that multiset. The boards on
 * which a suit can matter are then dealt one by one: each is counted with
 * its own hands, and taken off its multiset's count by counting the
 * multiset's hands once more with the weight -1 (the tally's counts are
 * unsigned and wrap, so the sums come out exact).
 *
 * It needs that a board have at most one suit that can matter, which holds
 * whenever a hand takes at most two hole cards of a suit, as in hold'em and
 * Omaha.
 */
template<class Scorer, int Lanes> class RankFirstCount
{
public:
    RankFirstCount(const Scorer &scorer, const EquityProblem &problem, const FlushReach &reach)
        : m_scorer(scorer)
        , m_problem(problem)
        , m_reach(reach)
        , m_tables(HandTables::instance())
        , m_base(stateOf(problem.board.data(), int(problem.board.size())))
        , m_missing(problem.missingBoardCards())
    {
        for (int card : problem.deck) {
            ++m_ranksLeft[size_t(rankOf(card))];
            for (int suit = 0; suit < suitCount; ++suit) {
                if (suitOf(card) != suit)
                    m_otherSuits[size_t(suit)].push_back(card);
            }
        }
    }

    /// Whether the count applies to @p reach: no two suits can matter on one board.
    static bool applies(const FlushReach &reach)
    {
        for (int suit = 0; suit < suitCount; ++suit) {
            if (reach.needed(suit) < 3)
                return false;
        }
        return true;
    }

    /// Counts every board on up to @p threads threads; once cancelled, only the boards of suits dealt until then.
    Tally count(int threads, RunControl &control)
    {
        control.total = combinations(int(m_problem.deck.size()), m_missing);
        const int players = m_problem.playerCount();
        m_plainHands.assign(m_tables.fiveCardRankKeys().size() * Lanes, 0);
        Tally byRanks(players);
        {
            TallyBuffer<Lanes> buffer(byRanks);
            std::array<int, rankCount> counts {};
            countRanks(0, m_missing, counts, buffer);
        }
        buildSuitedTasks();
        const SuitedCounts suited = runTasks(
            control.total < smallRun ? 1 : threads, qint64(m_tasks.size()), SuitedCounts {Tally(players), Tally(players)},
            control.cancel, [&](qint64 task, SuitedCounts &own) {
                const SuitedTask &cards = m_tasks[size_t(task)];
                {
                    TallyBuffer<Lanes> boards(own.boards);
                    TallyBuffer<Lanes> corrections(own.corrections);
                    dealAround(cards, boards, corrections);
                }
                control.done += combinations(int(m_otherSuits[size_t(cards.suit)].size()), m_missing - cards.count);
            });
        if (control.cancel)
            return suited.boards;
        byRanks.merge(suited.boards);
        byRanks.merge(suited.corrections);
        control.done = control.total.load();
        return byRanks;
    }

private:
    // What the boards on which a suit matters add: their own hands, and their ranks' hands taken off again.
    struct SuitedCounts
    {
        Tally boards;
        Tally corrections;
        void merge(const SuitedCounts &other)
        {
            boards.merge(other.boards);
            corrections.merge(other.corrections);
        }
    };

    // The boards of one suit's cards: the suit, and the cards of it that the board takes from the deck.
    struct SuitedTask
    {
        int suit;
        int count;
        std::array<int, boardSize> cards;
    };

    // Every multiset of ranks for the missing cards, from rank @p rank on.
    void countRanks(int rank, int left, std::array<int, rankCount> &counts, TallyBuffer<Lanes> &buffer)
    {
        if (left == 0) {
            scoreRanks(counts, buffer);
            return;
        }
        if (rank == rankCount)
            return;
        for (int count = 0; count <= std::min(left, m_ranksLeft[size_t(rank)]); ++count) {
            counts[size_t(rank)] = count;
            countRanks(rank + 1, left - count, counts, buffer);
        }
        counts[size_t(rank)] = 0;
    }

    void scoreRanks(const std::array<int, rankCount> &counts, TallyBuffer<Lanes> &buffer)
    {
        qint64 boards = 1;
        std::array<int, boardSize> cards {};
        std::copy(m_problem.board.begin(), m_problem.board.end(), cards.begin());
        std::array<int, suitCount> room {}; // cards a suit can still take before it matters
        for (int suit = 0; suit < suitCount; ++suit)
            room[size_t(suit)] = m_reach.needed(suit) - 1 - int((m_base.suitCounters >> (4 * suit)) & 15u);
        int position = int(m_problem.board.size());
        for (int rank = 0; rank < rankCount; ++rank) {
            const int count = counts[size_t(rank)];
            boards *= combinations(m_ranksLeft[size_t(rank)], count);
            // Suits with the most room first: if any board of these ranks has suits that matter to no one, this one has none.
            for (int i = 0; i < count; ++i) {
                const int suit = int(std::max_element(room.begin(), room.end()) - room.begin());
                --room[size_t(suit)];
                cards[size_t(position++)] = rank * suitCount + suit;
            }
        }
        const CardsState board = stateOf(cards.data(), boardSize);
        Strength *hands = buffer.hands();
        m_scorer.score(board, cards.data(), hands);
        std::copy(hands, hands + Lanes, plainHands(board));
        buffer.add(quint64(boards));
    }

    Strength *plainHands(const CardsState &board)
    {
        return m_plainHands.data() + size_t(m_tables.fiveCardRankId(board.rankKey)) * Lanes;
    }

    // One task for each choice of the cards of a suit that makes the suit matter.
    void buildSuitedTasks()
    {
        for (int suit = 0; suit < suitCount; ++suit) {
            std::vector<int> ofSuit;
            for (int card : m_problem.deck) {
                if (suitOf(card) == suit)
                    ofSuit.push_back(card);
            }
            const int onBoard = int((m_base.suitCounters >> (4 * suit)) & 15u);
            for (int taken = std::max(0, m_reach.needed(suit) - onBoard); taken <= m_missing; ++taken) {
                SuitedTask task {suit, 0, {}};
                chooseSuited(ofSuit, 0, taken, task);
            }
        }
    }

    void chooseSuited(const std::vector<int> &ofSuit, size_t from, int left, SuitedTask &task)
    {
        if (left == 0) {
            m_tasks.push_back(task);
            return;
        }
        for (size_t i = from; i + size_t(left) <= ofSuit.size(); ++i) {
            task.cards[size_t(task.count++)] = ofSuit[i];
            chooseSuited(ofSuit, i + 1, left - 1, task);
            --task.count;
        }
    }

    // Every board with exactly the task's cards of its suit, the rest of other suits.
    void dealAround(const SuitedTask &task, TallyBuffer<Lanes> &boards, TallyBuffer<Lanes> &corrections)
    {
        std::array<int, boardSize> cards {};
        std::copy(m_problem.board.begin(), m_problem.board.end(), cards.begin());
        std::copy(task.cards.begin(), task.cards.begin() + task.count, cards.begin() + m_problem.board.size());
        const int position = int(m_problem.board.size()) + task.count;
        dealOthers(m_otherSuits[size_t(task.suit)], 0, position, stateOf(cards.data(), position), cards, boards,
                   corrections);
    }

    void dealOthers(const std::vector<int> &others, size_t from, int position, const CardsState &state,
                    std::array<int, boardSize> &cards, TallyBuffer<Lanes> &boards, TallyBuffer<Lanes> &corrections)
    {
        if (position == boardSize) {
            m_scorer.score(state, cards.data(), boards.hands());
            boards.add();
            const Strength *plain = plainHands(state);
            std::copy(plain, plain + Lanes, corrections.hands());
            corrections.add(quint64(0) - 1);
            return;
        }
        for (size_t i = from; i + size_t(boardSize - position) <= others.size(); ++i) {
            cards[size_t(position)] = others[i];
            dealOthers(others, i + 1, position + 1, state.with(others[i]), cards, boards, corrections);
        }
    }

    const Scorer &m_scorer;
    const EquityProblem &m_problem;
    const FlushReach &m_reach;
    const HandTables &m_tables;
    const CardsState m_base;
    const int m_missing;
    std::array<int, rankCount> m_ranksLeft {};
    std::array<std::vector<int>, suitCount> m_otherSuits; ///< by suit, the deck's cards of the other suits
    std::vector<Strength> m_plainHands; ///< by the board's rank id, Lanes a board
    std::vector<SuitedTask> m_tasks;
};

} // namespace Equity
} // namespace Marrowick

#endif
