#ifndef MARROWICK_EQUITYCALCULATOR_H
#define MARROWICK_EQUITYCALCULATOR_H

#include "marrowick_export.h"

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QVector>

#include <memory>

namespace Marrowick {

/// One player's share of the pots, as found by EquityCalculator.
struct PlayerEquity
{
    double win = 0; ///< share of the boards the player wins alone
    double tie = 0; ///< share of the boards the player splits with others
    double equity = 0; ///< share of the pot: a split pot divided equally among its winners
    double standardError = 0; ///< of the equity, for a Monte Carlo estimate; 0 when exact
};

/// What an EquityCalculator run found.
struct EquityResult
{
    /// True when the run was made: the input was good and the run was not cancelled.
    bool isValid() const { return error.isEmpty() && !cancelled; }

    QString error; ///< why the input was refused, in one line; empty when it was good
    bool cancelled = false; ///< the run was cancelled; the figures cover the boards done until then
    bool exact = false; ///< every remaining board was counted
    QVector<PlayerEquity> players; ///< one entry a player, in the order given
    qint64 boards = 0; ///< boards counted (exact) or dealt (Monte Carlo)
    double standardError = 0; ///< the largest standard error among the players' equities
    double seconds = 0; ///< time the calculation took, without building the lookup tables on first use
};

/**
 * The odds of each player in a poker showdown whose board is not yet complete:
 * how often each player wins alone, how often the pot is split and the share of
 * the pot each player can expect.
 *
 * A player's hand on a board is exactly what EvalHand::Evaluate finds with the
 * board as the free cards, the player's hole cards as the limited ones and the
 * game's window, and players tie when their values are equal. The calculator
 * does not call Evaluate, though: it uses lookup tables, built the first time
 * a calculation needs them (a few milliseconds, about 1 MB more for Omaha).
 *
 * Without a number of trials, every remaining board is counted (exact odds).
 * Boards on which no player can make a flush are counted by their ranks, one
 * evaluation for all boards of the same ranks, so that exact hold'em odds
 * before the flop take a few milliseconds on one core and Omaha's some ten.
 * With setTrials() or setTargetStandardError(), random boards are dealt
 * (Monte Carlo); the seed makes such a run repeatable, whatever the number of
 * threads.
 *
 * @code
 * EquityCalculator calculator;
 * calculator.setPlayers({Card::toByteArray({Card(QStringLiteral("hA")), Card(QStringLiteral("sA"))}),
 *                        Card::toByteArray({Card(QStringLiteral("dK")), Card(QStringLiteral("cK"))})});
 * const EquityResult result = calculator.calculate(); // blocks
 * if (result.isValid())
 *     qDebug() << result.players.at(0).equity; // 0.812555
 * @endcode
 *
 * For a window, start() runs the same calculation on worker threads and
 * reports with progress() and finished(); cancel() stops it early.
 *
 * Threads: the calculator object lives on the thread that created it and is
 * used from there; the work runs on its own threads (all cores unless
 * setThreadCount() says otherwise). Cards are one-byte codes as Card encodes
 * them (1 to 52). The calculator owns nothing of the caller's.
 */
class MARROWICK_EXPORT EquityCalculator : public QObject
{
    Q_OBJECT

public:
    /// The games whose windows setGame() knows.
    enum Game {
        TexasHoldem, ///< two hole cards; the best five of the seven cards
        Omaha ///< four hole cards; exactly two of them with three of the board
    };

    /// A calculator for Texas hold'em with no players yet.
    explicit EquityCalculator(QObject *parent = nullptr);
    /// Cancels a running calculation and waits for its threads to end.
    ~EquityCalculator() override;

    /// Sets the hole cards, one byte array of card codes a player.
    void setPlayers(const QList<QByteArray> &holeCards);
    /// The players' hole cards.
    QList<QByteArray> players() const;
    /// Sets the cards already on the board, 0 to 5 of them.
    void setBoard(const QByteArray &board);
    /// The cards already on the board.
    QByteArray board() const;
    /// Sets cards known to be out of play (folded or burnt): no board holds them.
    void setDeadCards(const QByteArray &deadCards);
    /// The cards out of play.
    QByteArray deadCards() const;

    /// Sets a known game's hole card count and window.
    void setGame(Game game);
    /**
     * Sets any game: each player holds @p holeCards cards, and a hand takes
     * between @p minFromHole and @p maxFromHole of them (inclusive), the rest
     * from the board of five, as EvalHand::Evaluate's window.
     */
    void setWindow(int holeCards, int minFromHole, int maxFromHole);
    /// Hole cards each player holds.
    int holeCardCount() const;
    /// Least number of hole cards a hand uses.
    int minFromHole() const;
    /// Greatest number of hole cards a hand uses.
    int maxFromHole() const;

    /// Deals @p trials random boards instead of counting them all; 0 (the default) counts every board.
    void setTrials(qint64 trials);
    /// The number of random boards; 0 for an exact count.
    qint64 trials() const;
    /**
     * Deals random boards until every player's equity has at most this
     * standard error (0, the default: no target). With setTrials() as well,
     * the trials are the limit; without, a billion boards are.
     */
    void setTargetStandardError(double standardError);
    /// The target standard error; 0 for none.
    double targetStandardError() const;
    /// Sets the seed of the random boards; the same seed deals the same boards.
    void setSeed(quint64 seed);
    /// The seed of the random boards (0 by default).
    quint64 seed() const;
    /// Sets the number of worker threads; 0 (the default) uses every core.
    void setThreadCount(int threads);
    /// The number of worker threads asked for; 0 for every core.
    int threadCount() const;

    /// Checks the input: an empty string when it is good, else why not in one line.
    QString validate() const;

    /// Runs the calculation and returns when it is over.
    EquityResult calculate() const;

    /**
     * Starts the calculation on worker threads and returns at once; progress()
     * follows now and then and finished() at the end, from the event loop. A
     * start while running is ignored. Bad input gives finished() with the error.
     */
    void start();
    /// Asks a running calculation to stop soon; finished() follows with a cancelled result.
    void cancel();
    /// True from start() until finished() has been emitted.
    bool isRunning() const;
    /// Waits until the worker threads of start() have ended; finished() still follows from the event loop. True if any
    /// ran.
    bool waitForFinished();

Q_SIGNALS:
    /// Boards @p done out of @p total so far; @p total is 0 when not known in advance.
    void progress(qint64 done, qint64 total);
    /// The calculation begun by start() is over.
    void finished(const Marrowick::EquityResult &result);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Marrowick

Q_DECLARE_METATYPE(Marrowick::EquityResult)

#endif
