#ifndef MARROWICK_EQUITY_RANKFIRSTCOUNT_H
#define MARROWICK_EQUITY_RANKFIRSTCOUNT_H

#include "equityrun.h"
#include "flushreach.h"
#include "scorers.h"
#include "tally.h"
#include "taskrunner.h"

#include <algorithm>
#include <array>
#include <iterator>
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
 * which a suit can matter are dealt one by one: each is counted with its
 * own hands, and at the end taken off its multiset's count by counting the
 * multiset's hands once more with a negative weight (the tally's counts are
 * unsigned and wrap, so the sums come out exact). Threads share both kinds
 * of work.
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
        collectRanks(0, m_missing, 0);
        orderRanksById();
        buildSuitedTasks();
        const qint64 rankTasks = qint64((m_rankSets.size() + rankSetsPerTask - 1) / rankSetsPerTask);
        // Few tasks of many boards each: every task touches counters that all threads share.
        const size_t suitedPerTask = std::max<size_t>(1, m_suitedTasks.size() / suitedTaskCount);
        const qint64 suitedTasks = qint64((m_suitedTasks.size() + suitedPerTask - 1) / suitedPerTask);
        const Counts empty {Tally(players), Tally(players), std::vector<quint64>(m_tables.fiveCardRankKeys().size())};
        const Counts all =
            runTasks(control.total < smallRun ? 1 : threads, rankTasks + suitedTasks, empty, control.cancel,
                     [&](qint64 task, Counts &own) {
                         if (task < rankTasks)
                             countRanks(size_t(task) * rankSetsPerTask, own, control);
                         else
                             dealSuited(size_t(task - rankTasks) * suitedPerTask, suitedPerTask, own, control);
                     });
        if (control.cancel)
            return all.suited;
        Tally tally = all.byRanks;
        tally.merge(all.suited);
        {
            TallyBuffer<Lanes> buffer(tally);
            for (size_t id = 0; id < all.suitedByRanks.size(); ++id) {
                if (all.suitedByRanks[id] > 0) {
                    std::copy_n(m_plainHands.data() + id * Lanes, Lanes, buffer.hands());
                    buffer.add(quint64(0) - all.suitedByRanks[id]);
                }
            }
        }
        control.done = control.total.load();
        return tally;
    }

private:
    // What a thread counts.
    struct Counts
    {
        Tally byRanks; ///< every multiset of board ranks, with its hands where suits matter to no one
        Tally suited; ///< the boards on which a suit matters, with their own hands
        std::vector<quint64> suitedByRanks; ///< those boards by the rank id of the board
        void merge(const Counts &other)
        {
            byRanks.merge(other.byRanks);
            suited.merge(other.suited);
            for (size_t id = 0; id < suitedByRanks.size(); ++id)
                suitedByRanks[id] += other.suitedByRanks[id];
        }
    };

    // The boards of one suit's cards: the suit, and the cards of it that the board takes from the deck.
    struct SuitedTask
    {
        int suit;
        int count;
        std::array<int, boardSize> cards;
    };

    // Threads share the multisets of ranks in runs of this many, and the suited boards in about this many runs.
    static const size_t rankSetsPerTask = 128;
    static const size_t suitedTaskCount = 64;

    // Every multiset of ranks for the missing cards, from rank @p rank on, as a rank key.
    void collectRanks(int rank, int left, quint64 key)
    {
        if (left == 0) {
            m_rankSets.push_back(key);
            return;
        }
        if (rank == rankCount)
            return;
        for (int count = 0; count <= std::min(left, m_ranksLeft[size_t(rank)]); ++count)
            collectRanks(rank + 1, left - count, key + quint64(count) * rankKeyOf(rank * suitCount));
    }

    // In the order of the boards' rank ids, so that each thread writes its own stretch of the plain hands.
    void orderRanksById()
    {
        const quint64 none = ~quint64(0);
        std::vector<quint64> byId(m_tables.fiveCardRankKeys().size(), none);
        for (quint64 key : m_rankSets)
            byId[size_t(m_tables.fiveCardRankId(m_base.rankKey + key))] = key;
        m_rankSets.clear();
        std::copy_if(byId.begin(), byId.end(), std::back_inserter(m_rankSets),
                     [none](quint64 key) { return key != none; });
    }

    void countRanks(size_t first, Counts &own, RunControl &control)
    {
        TallyBuffer<Lanes> buffer(own.byRanks);
        qint64 boards = 0;
        for (size_t i = first; i < std::min(first + rankSetsPerTask, m_rankSets.size()); ++i)
            boards += scoreRanks(m_rankSets[i], buffer);
        // Progress: the boards of these ranks on which suits matter to no one, in proportion, as the
        // boards on which a suit matters count when they are dealt.
        control.done += boards * (control.total - m_suitedBoards) / std::max<qint64>(1, control.total);
    }

    // Scores the multiset of ranks @p rankKey of the missing cards; returns the boards it stands for.
    qint64 scoreRanks(quint64 rankKey, TallyBuffer<Lanes> &buffer)
    {
        qint64 boards = 1;
        std::array<int, boardSize> cards {};
        std::copy(m_problem.board.begin(), m_problem.board.end(), cards.begin());
        std::array<int, suitCount> room {}; // cards a suit can still take before it matters
        for (int suit = 0; suit < suitCount; ++suit)
            room[size_t(suit)] = m_reach.needed(suit) - 1 - int((m_base.suitCounters >> (4 * suit)) & 15u);
        int position = int(m_problem.board.size());
        for (int rank = 0; rank < rankCount; ++rank) {
            const int count = int((rankKey >> (3 * rank)) & 7u);
            boards *= combinations(m_ranksLeft[size_t(rank)], count);
            // Suits with the most room first: if any board of these ranks has suits
            // that matter to no one, this one has none.
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
        return boards;
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
            m_suitedTasks.push_back(task);
            m_suitedBoards += combinations(int(m_otherSuits[size_t(task.suit)].size()), m_missing - task.count);
            return;
        }
        for (size_t i = from; i + size_t(left) <= ofSuit.size(); ++i) {
            task.cards[size_t(task.count++)] = ofSuit[i];
            chooseSuited(ofSuit, i + 1, left - 1, task);
            --task.count;
        }
    }

    void dealSuited(size_t first, size_t count, Counts &own, RunControl &control)
    {
        TallyBuffer<Lanes> buffer(own.suited);
        qint64 boards = 0;
        for (size_t i = first; i < std::min(first + count, m_suitedTasks.size()); ++i)
            boards += dealAround(m_suitedTasks[i], buffer, own.suitedByRanks);
        control.done += boards;
    }

    // Every board with exactly the task's cards of its suit, the rest of other suits; returns how many.
    qint64 dealAround(const SuitedTask &task, TallyBuffer<Lanes> &buffer, std::vector<quint64> &byRanks)
    {
        std::array<int, boardSize> cards {};
        std::copy(m_problem.board.begin(), m_problem.board.end(), cards.begin());
        std::copy(task.cards.begin(), task.cards.begin() + task.count, cards.begin() + m_problem.board.size());
        const int position = int(m_problem.board.size()) + task.count;
        const std::vector<int> &others = m_otherSuits[size_t(task.suit)];
        dealOthers(others, 0, position, stateOf(cards.data(), position), cards, buffer, byRanks);
        return combinations(int(others.size()), m_missing - task.count);
    }

    void dealOthers(const std::vector<int> &others, size_t from, int position, const CardsState &state,
                    std::array<int, boardSize> &cards, TallyBuffer<Lanes> &buffer, std::vector<quint64> &byRanks)
    {
        if (position == boardSize) {
            m_scorer.score(state, cards.data(), buffer.hands());
            buffer.add();
            ++byRanks[size_t(m_tables.fiveCardRankId(state.rankKey))];
            return;
        }
        for (size_t i = from; i + size_t(boardSize - position) <= others.size(); ++i) {
            cards[size_t(position)] = others[i];
            dealOthers(others, i + 1, position + 1, state.with(others[i]), cards, buffer, byRanks);
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
    std::vector<quint64> m_rankSets; ///< the rank keys of the missing cards' multisets of ranks
    std::vector<SuitedTask> m_suitedTasks;
    qint64 m_suitedBoards = 0; ///< the boards of all suited tasks
};

} // namespace Equity
} // namespace Marrowick

#endif
