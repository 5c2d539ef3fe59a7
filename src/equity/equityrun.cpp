#include "equityrun.h"

#include "flushreach.h"
#include "randomgenerator.h"
#include "rankfirstcount.h"
#include "scorers.h"
#include "suitsymmetry.h"
#include "taskrunner.h"

#include <QtCore/QElapsedTimer>

#include <array>
#include <cmath>

namespace Marrowick {
namespace Equity {

namespace {

// Where a walk stands in settling the suit changes (see SuitSymmetry).
struct Settling
{
    int rank = -1; ///< rank of the last card taken
    unsigned suits = 0; ///< suits taken of that rank so far
    quint32 undecided = 0; ///< changes that keep every rank below
};

// Every board that completes a known prefix, in ascending card order, one of
// each family of boards that a change of suits turns into one another.
template<class Scorer, int Lanes> class BoardWalk
{
public:
    BoardWalk(const Scorer &scorer, const SuitSymmetry &symmetry, const FlushReach &reach, const EquityProblem &problem,
              Tally &tally)
        : m_scorer(scorer)
        , m_symmetry(symmetry)
        , m_reach(reach)
        , m_deck(problem.deck.data())
        , m_deckSize(int(problem.deck.size()))
        , m_unchangedWeight(symmetry.familySize(0))
        , m_buffer(tally)
    {
        std::copy(problem.board.begin(), problem.board.end(), m_cards.begin());
    }

    /// Takes @p card as the board card at @p depth; false when no board that follows is the least of its family.
    bool take(int depth, int card, Settling &settling) const
    {
        m_cards[size_t(depth)] = card;
        return next(settling, card, settling);
    }

    /// Adds @p left cards from deck position @p start on, at board position @p depth.
    void walk(int start, int left, int depth, const CardsState &state, const Settling &settling)
    {
        if (left == 0) {
            leaf(state, settling);
            return;
        }
        if (left == 1) {
            lastCard(start, depth, state, settling);
            return;
        }
        for (int i = start; i <= m_deckSize - left; ++i) {
            Settling after;
            if (!next(settling, m_deck[i], after))
                return; // the suits of a lower rank are settled for every card that follows
            m_cards[size_t(depth)] = m_deck[i];
            walk(i + 1, left - 1, depth + 1, state.with(m_deck[i]), after);
        }
    }

private:
    bool next(const Settling &before, int card, Settling &after) const
    {
        after.rank = rankOf(card);
        if (after.rank == before.rank) {
            after.suits = before.suits | (1u << suitOf(card));
            after.undecided = before.undecided;
            return true;
        }
        after.suits = 1u << suitOf(card);
        after.undecided = before.undecided;
        return before.rank < 0 || m_symmetry.settle(before.suits, after.undecided);
    }

    void leaf(const CardsState &state, Settling settling)
    {
        if (settling.undecided && !m_symmetry.settle(settling.suits, settling.undecided))
            return;
        score(state, m_symmetry.familySize(settling.undecided));
    }

    // The last card, a rank at a time: the boards of one rank on which no
    // player can make a flush give everyone the same hands, so they are
    // scored once, with their weights added up.
    void lastCard(int start, int depth, const CardsState &state, const Settling &settling)
    {
        const unsigned flushSuits = m_reach.suitsThatMatter(state);
        for (int i = start; i < m_deckSize;) {
            const int rank = rankOf(m_deck[i]);
            quint64 plainWeight = 0;
            int plainCard = -1;
            for (; i < m_deckSize && rankOf(m_deck[i]) == rank; ++i) {
                const int card = m_deck[i];
                quint64 weight = m_unchangedWeight;
                // Once no change of suits keeps the board so far, every card that follows counts alike.
                if (settling.undecided) {
                    Settling after;
                    if (!next(settling, card, after))
                        return; // as in walk(), on the first card of a rank: no weight of it is kept back
                    if (after.undecided && !m_symmetry.settle(after.suits, after.undecided))
                        continue;
                    weight = m_symmetry.familySize(after.undecided);
                }
                if (flushSuits & (1u << suitOf(card))) {
                    m_cards[size_t(depth)] = card;
                    score(state.with(card), weight);
                } else {
                    plainWeight += weight;
                    plainCard = card;
                }
            }
            if (plainWeight > 0) {
                m_cards[size_t(depth)] = plainCard;
                score(state.with(plainCard), plainWeight);
            }
        }
    }

    void score(const CardsState &board, quint64 weight)
    {
        m_scorer.score(board, m_cards.data(), m_buffer.hands());
        m_buffer.add(weight);
    }

    const Scorer &m_scorer;
    const SuitSymmetry &m_symmetry;
    const FlushReach &m_reach;
    const int *m_deck;
    int m_deckSize;
    quint64 m_unchangedWeight;
    TallyBuffer<Lanes> m_buffer;
    mutable std::array<int, boardSize> m_cards {};
};

// Exact: by ranks first where it applies, otherwise a walk through the boards
// whose tasks are the first one or two missing cards, so that threads share the work finely.
template<class Scorer, int Lanes>
Tally countEveryBoard(const Scorer &scorer, const EquityProblem &problem, int threads, RunControl &control)
{
    const FlushReach reach(problem);
    if (RankFirstCount<Scorer, Lanes>::applies(reach))
        return RankFirstCount<Scorer, Lanes>(scorer, problem, reach).count(threads, control);
    const int n = int(problem.deck.size());
    const int missing = problem.missingBoardCards();
    const int known = int(problem.board.size());
    const int prefix = std::min(missing, 2);
    std::vector<std::array<int, 2>> tasks;
    if (prefix == 0)
        tasks.push_back({0, 0});
    for (int a = 0; prefix >= 1 && a <= n - missing; ++a) {
        if (prefix == 1)
            tasks.push_back({a, 0});
        for (int b = a + 1; prefix == 2 && b <= n - missing + 1; ++b)
            tasks.push_back({a, b});
    }
    control.total = combinations(n, missing);
    const CardsState base = stateOf(problem.board.data(), known);
    const SuitSymmetry symmetry(problem);
    return runTasks(control.total < smallRun ? 1 : threads, qint64(tasks.size()), Tally(problem.playerCount()),
                    control.cancel, [&](qint64 task, Tally &tally) {
                        BoardWalk<Scorer, Lanes> walk(scorer, symmetry, reach, problem, tally);
                        CardsState state = base;
                        Settling settling;
                        settling.undecided = symmetry.allChanges();
                        int next = 0;
                        bool open = true;
                        for (int i = 0; i < prefix && open; ++i) {
                            const int position = tasks[size_t(task)][size_t(i)];
                            open = walk.take(known + i, problem.deck[size_t(position)], settling);
                            state = state.with(problem.deck[size_t(position)]);
                            next = position + 1;
                        }
                        if (open)
                            walk.walk(next, missing - prefix, known + prefix, state, settling);
                        control.done += combinations(n - next, missing - prefix);
                    });
}

// Monte Carlo deals boards in batches of a fixed size, each batch from its
// own random stream, so that the boards depend on the seed alone and not on
// which thread deals which batch.
const qint64 batchSize = 4096;
const qint64 batchesPerRound = 64;

template<class Scorer, int Lanes>
void dealBatch(const Scorer &scorer, const EquityProblem &problem, quint64 seed, qint64 batch, qint64 deals,
               Tally &tally)
{
    RandomGenerator random(seed, quint64(batch));
    std::array<int, deckSize> deck {};
    const int n = int(problem.deck.size());
    std::copy(problem.deck.begin(), problem.deck.end(), deck.begin());
    const int known = int(problem.board.size());
    const int missing = problem.missingBoardCards();
    std::array<int, boardSize> cards {};
    std::copy(problem.board.begin(), problem.board.end(), cards.begin());
    const CardsState base = stateOf(cards.data(), known);
    TallyBuffer<Lanes> buffer(tally);
    for (qint64 deal = 0; deal < deals; ++deal) {
        CardsState state = base;
        // A partial shuffle: the first cards of the deck become the board.
        for (int i = 0; i < missing; ++i) {
            const int j = i + int(random.below(quint32(n - i)));
            std::swap(deck[size_t(i)], deck[size_t(j)]);
            cards[size_t(known + i)] = deck[size_t(i)];
            state = state.with(deck[size_t(i)]);
        }
        scorer.score(state, cards.data(), buffer.hands());
        buffer.add();
    }
}

double largestStandardError(const EquityResult &result)
{
    double largest = 0;
    for (const PlayerEquity &player : result.players)
        largest = std::max(largest, player.standardError);
    return largest;
}

EquityResult resultOf(const Tally &tally, bool exact)
{
    EquityResult result;
    result.exact = exact;
    result.boards = qint64(tally.boards());
    const double boards = double(tally.boards());
    for (int p = 0; p < tally.players(); ++p) {
        PlayerEquity player;
        double tie = 0;
        double share = double(tally.wins(p));
        double squares = share;
        for (int sharers = 2; sharers <= tally.players(); ++sharers) {
            const double splits = double(tally.splits(p, sharers));
            tie += splits;
            share += splits / sharers;
            squares += splits / (sharers * sharers);
        }
        if (boards > 0) {
            player.win = double(tally.wins(p)) / boards;
            player.tie = tie / boards;
            player.equity = share / boards;
        }
        if (!exact && boards > 1)
            player.standardError =
                std::sqrt(std::max(0.0, squares / boards - player.equity * player.equity) / (boards - 1));
        result.players.append(player);
    }
    result.standardError = largestStandardError(result);
    return result;
}

template<class Scorer, int Lanes>
EquityResult dealRandomBoards(const Scorer &scorer, const EquityProblem &problem, const RunSettings &settings,
                              RunControl &control)
{
    const bool targeted = settings.targetStandardError > 0;
    const qint64 limit = settings.trials > 0 ? settings.trials : defaultTrialLimit;
    const qint64 batches = (limit + batchSize - 1) / batchSize;
    control.total = targeted ? 0 : limit;
    Tally tally(problem.playerCount());
    for (qint64 first = 0; first < batches && !control.cancel;) {
        const qint64 count = targeted ? std::min(batchesPerRound, batches - first) : batches;
        tally.merge(runTasks(settings.threads, count, Tally(problem.playerCount()), control.cancel,
                             [&](qint64 task, Tally &own) {
                                 const qint64 batch = first + task;
                                 const qint64 deals = std::min(batchSize, limit - batch * batchSize);
                                 dealBatch<Scorer, Lanes>(scorer, problem, settings.seed, batch, deals, own);
                                 control.done += deals;
                             }));
        first += count;
        if (targeted && largestStandardError(resultOf(tally, false)) <= settings.targetStandardError)
            break;
    }
    return resultOf(tally, false);
}

template<class Scorer, int Lanes>
EquityResult calculate(const Scorer &scorer, const EquityProblem &problem, const RunSettings &settings,
                       RunControl &control)
{
    return settings.trials > 0 || settings.targetStandardError > 0
        ? dealRandomBoards<Scorer, Lanes>(scorer, problem, settings, control)
        : resultOf(countEveryBoard<Scorer, Lanes>(scorer, problem, settings.threads, control), true);
}

template<class Scorer>
EquityResult runWith(const EquityProblem &problem, const RunSettings &settings, RunControl &control)
{
    const Scorer scorer(problem); // builds the tables it needs on first use, before the clock starts
    QElapsedTimer timer;
    timer.start();
    EquityResult result;
    switch (lanesFor(problem.playerCount())) {
    case lanesFor(2):
        result = calculate<Scorer, lanesFor(2)>(scorer, problem, settings, control);
        break;
    case lanesFor(8):
        result = calculate<Scorer, lanesFor(8)>(scorer, problem, settings, control);
        break;
    case lanesFor(16):
        result = calculate<Scorer, lanesFor(16)>(scorer, problem, settings, control);
        break;
    default:
        result = calculate<Scorer, maxLanes>(scorer, problem, settings, control);
        break;
    }
    result.seconds = double(timer.nsecsElapsed()) / 1e9;
    return result;
}

} // namespace

EquityResult runEquity(const EquityProblem &problem, const RunSettings &settings, RunControl &control)
{
    EquityResult result;
    if (problem.minFromHole == 0 && problem.maxFromHole == 2 && problem.holeCount == 2)
        result = runWith<HoldemScorer>(problem, settings, control);
    else if (problem.minFromHole == 0 && problem.maxFromHole == problem.holeCount && problem.holeCount < 2)
        result = runWith<FreeChoiceScorer>(problem, settings, control);
    else if (problem.minFromHole == 2 && problem.maxFromHole == 2)
        result = runWith<TwoHoleScorer>(problem, settings, control);
    else
        result = runWith<WindowScorer>(problem, settings, control);
    result.cancelled = control.cancel;
    return result;
}

} // namespace Equity
} // namespace Marrowick
