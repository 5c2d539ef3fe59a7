#include <marrowick/card.h>
#include <marrowick/equitycalculator.h>
#include <marrowick/equitycommand.h>
#include <marrowick/evalhand.h>

#include <QtTest/QtTest>

#include <functional>

using namespace Marrowick;

namespace {

// "hAsA" -> the codes of the two cards (suit first, as Card reads them).
QByteArray codes(const QString &cards)
{
    QVector<Card> list;
    for (int i = 0; i + 1 < cards.size(); i += 2)
        list.append(Card(cards.mid(i, 2)));
    return Card::toByteArray(list);
}

QList<QByteArray> hands(const QString &text)
{
    QList<QByteArray> result;
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &part : parts)
        result.append(codes(part));
    return result;
}

// The odds counted the slow way: every board, each hand by Evaluate.
EquityResult referenceOdds(const QList<QByteArray> &holes, const QByteArray &board, const QByteArray &dead,
                           int minFromHole, int maxFromHole)
{
    const QByteArray used = board + dead + holes.join();
    QByteArray deck;
    for (char code = 1; code <= 52; ++code) {
        if (!used.contains(code))
            deck.append(code);
    }
    EquityResult result;
    result.players.resize(holes.size());
    EvalHand evaluator;
    std::function<void(int, QByteArray)> complete = [&](int from, const QByteArray &cards) {
        if (cards.size() < 5) {
            for (int i = from; i < deck.size(); ++i)
                complete(i + 1, cards + deck.at(i));
            return;
        }
        QVector<int> values;
        for (const QByteArray &hole : holes) {
            int value = 0;
            EvalHand::handType type;
            QByteArray kickers;
            evaluator.Evaluate(cards, hole, minFromHole, maxFromHole, value, type, kickers);
            values.append(value);
        }
        const int best = *std::max_element(values.begin(), values.end());
        const int winners = int(values.count(best));
        for (int p = 0; p < values.size(); ++p) {
            if (values.at(p) != best)
                continue;
            (winners == 1 ? result.players[p].win : result.players[p].tie) += 1;
            result.players[p].equity += 1.0 / winners;
        }
        ++result.boards;
    };
    complete(0, board);
    for (PlayerEquity &player : result.players) {
        player.win /= double(result.boards);
        player.tie /= double(result.boards);
        player.equity /= double(result.boards);
    }
    return result;
}

// A deal in the columns both tables begin with; the window is the hole cards, the least and the most used.
void addDealColumns()
{
    QTest::addColumn<QString>("players");
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("dead");
    QTest::addColumn<QList<int>>("window");
}

QTestData &addDeal(const char *name, const char *players, const char *board, const char *dead = "",
                   const QList<int> &window = {2, 0, 2})
{
    return QTest::newRow(name) << players << board << dead << window;
}

void setUp(EquityCalculator &calculator, const QString &players, const QString &board, const QString &dead,
           const QList<int> &window)
{
    calculator.setPlayers(hands(players));
    calculator.setBoard(codes(board));
    calculator.setDeadCards(codes(dead));
    calculator.setWindow(window.at(0), window.at(1), window.at(2));
}

} // namespace

class TestEquityCalculator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exactOdds_data();
    void exactOdds();
    void badInput_data();
    void badInput();
    void monteCarlo();
    void background();
    void command();
};

void TestEquityCalculator::exactOdds_data()
{
    addDealColumns();
    // Heads-up, the hearts and spades alike: each board stands for its mirror image, unless a dead card differs.
    addDeal("hold'em, three cards to come, mirrored suits", "hAsA dKcK", "c2d7");
    addDeal("hold'em turn and river, mirrored suits", "hAsA dKcK", "c2d7c9");
    addDeal("hold'em turn and river, a dead card", "hAsA dKcK", "c2d7c9", "sK");
    addDeal("hold'em turn, straights split", "sAhK dAcK c9c8", "dQhJsTc2");
    addDeal("hold'em flop, ten players", "hAsA dKcK hQcQ sJdJ cTc9 d8d7 s6s5 h4d4 cAd2 hKh9", "s2h3c4");
    addDeal("three split the board", "hAhK dAdK cAcK", "sAsKsQsJsT");
    addDeal("Omaha turn, three players", "sAhAsKhQ dKcKdJcT c5c6d7d8", "s2s7h9c9", "", {4, 2, 2});
    addDeal("one to three of three", "sAhAsK dKcKdJ c5c6d7", "s2s7h9c9", "", {3, 1, 3});
}

// Against every board counted with Evaluate.
void TestEquityCalculator::exactOdds()
{
    QFETCH(QString, players);
    QFETCH(QString, board);
    QFETCH(QString, dead);
    QFETCH(QList<int>, window);
    EquityCalculator calculator;
    setUp(calculator, players, board, dead, window);
    const EquityResult result = calculator.calculate();
    QVERIFY2(result.isValid(), qPrintable(result.error));
    QVERIFY(result.exact);
    const EquityResult expected =
        referenceOdds(calculator.players(), codes(board), codes(dead), window.at(1), window.at(2));
    QCOMPARE(result.boards, expected.boards);
    QCOMPARE(result.players.size(), expected.players.size());
    for (int p = 0; p < result.players.size(); ++p) {
        QVERIFY(qAbs(result.players.at(p).win - expected.players.at(p).win) < 1e-12);
        QVERIFY(qAbs(result.players.at(p).tie - expected.players.at(p).tie) < 1e-12);
        QVERIFY(qAbs(result.players.at(p).equity - expected.players.at(p).equity) < 1e-12);
        QCOMPARE(result.players.at(p).standardError, 0.0);
    }
}

void TestEquityCalculator::badInput_data()
{
    addDealColumns();
    QTest::addColumn<qint64>("trials");
    QTest::addColumn<QString>("error");

    addDeal("card twice in the hands", "hAsA sAdK", "") << qint64(0) << "the card sA is given twice";
    addDeal("dead card on the board", "hAsA dKcK", "c2", "c2") << qint64(0) << "the card c2 is given twice";
    addDeal("three hole cards", "hAsAc3 dKcK", "") << qint64(0) << "player 1 has 3 hole cards; the game deals 2";
    addDeal("no players", "", "") << qint64(0) << "no players";
    addDeal("six board cards", "hAsA dKcK", "c2c3c4c5c6c7") << qint64(0) << "the board has 6 cards; at most 5";
    addDeal(
        "deck too small",
        "hAsA dKcK hQcQ sJdJ cTc9 d8d7 s6s5 h4d4 cAd2 hKh9 c3c4 c5c6 c7c8 c2cJ dAd3 d5d6 d9dT dQh2 h5h6 h7h8 hThJ s2s3",
        "", "s4s7s8s9")
        << qint64(0) << "too many cards: 4 left for 5 board cards";
    addDeal("window beyond the hole cards", "hAsA dKcK", "", "", {2, 3, 5})
        << qint64(0) << "no hand fits the window of 3 to 5 of 2 hole cards";
    addDeal("negative trials", "hAsA dKcK", "") << qint64(-5) << "a negative number of trials";
}

void TestEquityCalculator::badInput()
{
    QFETCH(QString, players);
    QFETCH(QString, board);
    QFETCH(QString, dead);
    QFETCH(QList<int>, window);
    QFETCH(qint64, trials);
    QFETCH(QString, error);
    EquityCalculator calculator;
    setUp(calculator, players, board, dead, window);
    calculator.setTrials(trials);
    QCOMPARE(calculator.validate(), error);
    const EquityResult result = calculator.calculate();
    QCOMPARE(result.error, error);
    QVERIFY(!result.isValid());
    QVERIFY(result.players.isEmpty());
}

// The seed alone decides the boards, whatever the threads; the estimate lies near the exact odds.
void TestEquityCalculator::monteCarlo()
{
    EquityCalculator calculator;
    calculator.setPlayers(hands(QStringLiteral("hAsA dKcK c9c8")));
    calculator.setBoard(codes(QStringLiteral("c2d7")));
    const EquityResult exact = calculator.calculate();
    calculator.setTrials(100000);
    calculator.setSeed(7);
    calculator.setThreadCount(1);
    const EquityResult one = calculator.calculate();
    calculator.setThreadCount(3);
    const EquityResult three = calculator.calculate();
    calculator.setSeed(8);
    const EquityResult otherSeed = calculator.calculate();
    QVERIFY(!one.exact);
    QCOMPARE(one.boards, qint64(100000));
    QCOMPARE(three.boards, qint64(100000));
    for (int p = 0; p < 3; ++p) {
        QCOMPARE(three.players.at(p).equity, one.players.at(p).equity);
        QCOMPARE(three.players.at(p).tie, one.players.at(p).tie);
        const double error = one.players.at(p).standardError;
        QVERIFY(error > 0.0005 && error < 0.002);
        QVERIFY(qAbs(one.players.at(p).equity - exact.players.at(p).equity) < 5 * error);
    }
    QVERIFY(otherSeed.players.at(0).equity != one.players.at(0).equity);

    // A target standard error ends the run once reached; the trials still cap it.
    calculator.setTrials(0);
    calculator.setTargetStandardError(0.002);
    const EquityResult target = calculator.calculate();
    QVERIFY(target.isValid() && target.standardError <= 0.002 && target.boards < 1000000);
    calculator.setTrials(5000);
    QCOMPARE(calculator.calculate().boards, qint64(5000));
}

// Started, ended with an error, cancelled: one finished signal each.
void TestEquityCalculator::background()
{
    EquityCalculator calculator;
    calculator.setPlayers(hands(QStringLiteral("hAsA dKcK")));
    calculator.setBoard(codes(QStringLiteral("c2d7")));
    QSignalSpy finished(&calculator, &EquityCalculator::finished);
    QSignalSpy progress(&calculator, &EquityCalculator::progress);
    calculator.start();
    QVERIFY(calculator.isRunning());
    QVERIFY(finished.wait(10000));
    QVERIFY(!calculator.isRunning());
    const EquityResult result = finished.at(0).at(0).value<EquityResult>();
    QVERIFY(result.isValid());
    QCOMPARE(result.players.at(0).equity, calculator.calculate().players.at(0).equity);
    QCOMPARE(progress.last().at(0).toLongLong(), result.boards);
    QCOMPARE(progress.last().at(1).toLongLong(), result.boards);

    calculator.setPlayers(hands(QStringLiteral("hAsA hAcK")));
    calculator.start();
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.at(1).at(0).value<EquityResult>().error, QStringLiteral("the card hA is given twice"));

    calculator.setPlayers(hands(QStringLiteral("hAsA dKcK")));
    calculator.setTrials(1000000000);
    calculator.start();
    calculator.cancel();
    QVERIFY(finished.wait(10000));
    const EquityResult cancelled = finished.at(2).at(0).value<EquityResult>();
    QVERIFY(cancelled.cancelled);
    QVERIFY(!cancelled.isValid());
    QVERIFY(cancelled.boards < 1000000000);
}

// Chained like any command: done once, with the odds; finish() ends it at once.
void TestEquityCalculator::command()
{
    EquityCommand odds;
    odds.calculator()->setPlayers(hands(QStringLiteral("hAsA dKcK")));
    odds.calculator()->setBoard(codes(QStringLiteral("c2d7h9")));
    QSignalSpy done(&odds, &Command::done);
    QSignalSpy started(&odds, &Command::start);
    odds.exec();
    QCOMPARE(started.count(), 1);
    QVERIFY(done.wait(10000));
    QCOMPARE(done.count(), 1);
    QVERIFY(odds.result().isValid());
    QCOMPARE(odds.result().boards, qint64(990));

    odds.calculator()->setTrials(1000000000);
    odds.exec();
    odds.finish();
    QCOMPARE(done.count(), 2);
    QVERIFY(odds.result().cancelled);
    QTest::qWait(50);
    QCOMPARE(done.count(), 2);
}

QTEST_MAIN(TestEquityCalculator)
#include "tst_equitycalculator.moc"
