#include "programrun.h"

#include <QtCore/QRegularExpression>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <algorithm>
#include <cmath>

namespace {

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

} // namespace

class TestShowdownProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultDealDependsOnTheSeedAlone();
    void printout_data();
    void printout();
    void badInput_data();
    void badInput();
    void settingsStore_data();
    void settingsStore();
    void manyDealsMatchTheExactOdds();
    void oddsByStreet();

private:
    ProgramRun showdown(const QStringList &arguments)
    {
        return runProgram(latin1(SHOWDOWN_PROGRAM), arguments, m_config.path());
    }

    QTemporaryDir m_config;
};

void TestShowdownProgram::defaultDealDependsOnTheSeedAlone()
{
    const ProgramRun first = showdown({});
    QVERIFY(first.finished);
    QCOMPARE(first.exitCode, 0);
    QCOMPARE(first.err, QString());
    QVERIFY(first.out.startsWith(latin1("Texas hold'em, 4 players, seed 6\n")));
    QCOMPARE(first.out.count(
                 QRegularExpression(latin1("^Player [1-4]  \\w\\w \\w\\w ."), QRegularExpression::MultilineOption)),
             4);
    QVERIFY(first.out.contains(QRegularExpression(latin1("\n(Winner|Split pot): Player \\d"))));

    // The default seed is 6, and the seed alone decides the deal.
    QCOMPARE(showdown({latin1("-seed"), latin1("6")}).out, first.out);
    const ProgramRun seven = showdown({latin1("-seed"), latin1("7")});
    QCOMPARE(seven.exitCode, 0);
    QVERIFY(seven.out.section(QLatin1Char('\n'), 1) != first.out.section(QLatin1Char('\n'), 1));
}

void TestShowdownProgram::printout_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expectedLines");

    const QStringList royalBoard = {latin1("-board"), latin1("sA sK sQ sJ c2"), latin1("-hands"),
                                    latin1("sT d3,cK dK")};
    QTest::newRow("hold'em uses one hole card for a royal flush")
        << royalBoard
        << QStringList {latin1("Player 1  sT d3 Royal flush      sA sK sQ sJ sT  -"),
                        latin1("Player 2  cK dK Three of a kind  dK cK sK sA sQ  sA sQ"),
                        latin1("Winner: Player 1 (Royal flush)")};
    QTest::newRow("omaha must use exactly two hole cards")
        << QStringList {latin1("-game"),          latin1("omaha"),  latin1("-board"),
                        latin1("sA sK sQ sJ c2"), latin1("-hands"), latin1("sT d3 h4 h5,cK dK c7 c8")}
        << QStringList {latin1("Omaha, 2 players, seed 6"), latin1("Player 1  sT d3 h4 h5 High card "),
                        latin1("Player 2  cK dK c7 c8 Three of a kind  dK cK sK sA sQ  sA sQ"),
                        latin1("Winner: Player 2 (Three of a kind)")};
    QTest::newRow("the board plays for both: split pot")
        << QStringList {latin1("-board"), latin1("sA sK sQ sJ sT"), latin1("-hands"), latin1("c2 c3,d2 d3")}
        << QStringList {latin1("Split pot: Player 1, Player 2 (Royal flush)")};
    QTest::newRow("more players than hands are dealt in")
        << QStringList {latin1("-hands"), latin1("hA hK"), latin1("-players"), latin1("5")}
        << QStringList {latin1("Texas hold'em, 5 players, seed 6"), latin1("Player 1  hA hK "), latin1("Player 5  ")};
    QTest::newRow("help, whatever else is asked")
        << QStringList {latin1("-players"), latin1("99"), latin1("-help")}
        << QStringList {latin1("Usage: marrowick-showdown [options]"),
                        latin1(" -players <int>: players at the table, 2 to 10 (default value: 4)"),
                        latin1(" -game <String>: holdem or omaha (default value: holdem)")};
}

void TestShowdownProgram::printout()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expectedLines);

    const ProgramRun run = showdown(arguments);
    QVERIFY(run.finished);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    for (const QString &expected : expectedLines) {
        const bool found =
            std::any_of(lines.cbegin(), lines.cend(), [&](const QString &line) { return line.startsWith(expected); });
        QVERIFY2(found, qPrintable(expected + latin1(" not in:\n") + run.out));
    }
}

void TestShowdownProgram::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("printsHelp");

    const auto row = [](const char *name, const QStringList &arguments, const char *error, bool printsHelp = false) {
        QTest::newRow(name) << arguments << QString::fromUtf8(error) << printsHelp;
    };
    row("unknown option", {latin1("-colour"), latin1("red")}, "unknown option or missing value", true);
    row("stray argument", {latin1("sA")}, "unexpected argument \"sA\"");
    row("unknown card", {latin1("-board"), latin1("sA s1 sQ")}, "-board: unknown card \"s1\"");
    row("card on board and in a hand", {latin1("-board"), latin1("sA sK sQ"), latin1("-hands"), latin1("sA d2")},
        "the card sA is given twice");
    row("odds of many deals", {latin1("-odds"), latin1("-deals"), latin1("3")},
        "-odds shows the odds of a single deal; leave out -deals");
    row("eleven hands", {latin1("-hands"), latin1("sA sK,sQ sJ,sT s9,s8 s7,s6 s5,s4 s3,s2 hA,hK hQ,hJ hT,h9 h8,h7 h6")},
        "-hands: 11 hands, but at most 10 players sit at a table");
    row("unknown game", {latin1("-game"), latin1("stud")}, "unknown game \"stud\": use holdem or omaha");
    // Numbers out of range are named as typed, however big.
    row("negative seed", {latin1("-seed"), latin1("-1")}, "-seed must be from 0 to 4294967295, not -1");
    row("deals beyond 64 bits", {latin1("-deals"), latin1("-99999999999999999999")},
        "-deals must be at least 1, not -99999999999999999999");
}

void TestShowdownProgram::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    QFETCH(bool, printsHelp);

    const ProgramRun run = showdown(arguments);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 2);
    // One line on standard error, and nothing else but the help.
    QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
    QVERIFY2(run.err.startsWith(latin1("marrowick-showdown: ") + error), qPrintable(run.err));
    QCOMPARE(run.out.startsWith(latin1("Usage: marrowick-showdown")), printsHelp);
    if (!printsHelp)
        QCOMPARE(run.out, QString());
}

void TestShowdownProgram::settingsStore_data()
{
    QTest::addColumn<QByteArray>("store");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected"); // in the output, or the error line

    QTest::newRow("stored values apply") << QByteArray("players=3\ngame=omaha\n") << QStringList()
                                         << latin1("Omaha, 3 players, seed 6\n");
    QTest::newRow("a stored value is checked like a typed one")
        << QByteArray("players=lots\n") << QStringList()
        << latin1("marrowick-showdown: -players needs a whole number from 2 to 10\n");
    QTest::newRow("the command line wins") << QByteArray("players=lots\ngame=omaha\n")
                                           << QStringList {latin1("-players"), latin1("5")}
                                           << latin1("Omaha, 5 players, seed 6\n");
    // Written by hand as the README shows it: QSettings reads the comma as a list separator, and the
    // stored player count still seats more players than the hands given.
    const QByteArray readmeStore("players=6\nhands=sT d3,cK dK\nboard=sA sK sQ sJ c2\n");
    QTest::newRow("a line with commas") << readmeStore << QStringList() << latin1("\nPlayer 1  sT d3 Royal flush ");
    QTest::newRow("stored players beside stored hands") << readmeStore << QStringList() << latin1(", 6 players,");
}

void TestShowdownProgram::settingsStore()
{
    QFETCH(QByteArray, store);
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);

    QTemporaryDir config;
    QVERIFY(QDir(config.path()).mkpath(latin1("Marrowick")));
    QFile file(config.filePath(latin1("Marrowick/marrowick-showdown.conf")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(store) == store.size());
    file.close();
    const ProgramRun run = runProgram(latin1(SHOWDOWN_PROGRAM), arguments, config.path());
    const bool fails = expected.startsWith(latin1("marrowick-showdown: "));
    QCOMPARE(run.exitCode, fails ? 2 : 0);
    QVERIFY2(fails ? run.err == expected : run.out.contains(expected), qPrintable(run.out + run.err));
}

void TestShowdownProgram::manyDealsMatchTheExactOdds()
{
    const ProgramRun run = showdown({latin1("-deals"), latin1("3000")});
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    // Standard error is not a terminal here: no progress line.
    QCOMPARE(run.err, QString());
    QVERIFY(run.out.startsWith(latin1("Texas hold'em, 4 players, seed 6, 3000 deals\n")));
    QVERIFY(run.out.contains(latin1("(12000 hands: 4 players in 3000 deals)")));
    QVERIFY(run.out.contains(QRegularExpression(latin1("\n3000 deals in [0-9.]+ s: [0-9]+ deals per second\n"))));

    // Each category's count, its frequency and the exact chance among 7-card hands. Five standard deviations of
    // 12000 independent hands: the seed is fixed, so only a wrong category (a missed wheel, a flush taken for a
    // straight) fails.
    const QRegularExpression row(latin1("^([A-Z][a-z ]+?) +([0-9]+) +([0-9.]+)% +([0-9.]+)%$"),
                                 QRegularExpression::MultilineOption);
    int categories = 0;
    qint64 hands = 0;
    for (auto match = row.globalMatch(run.out); match.hasNext(); ++categories) {
        const QRegularExpressionMatch category = match.next();
        hands += category.captured(2).toLongLong();
        const double p = category.captured(4).toDouble() / 100;
        const double tolerance = 500 * std::sqrt(p * (1 - p) / 12000) + 0.05;
        QVERIFY2(std::abs(category.captured(3).toDouble() - 100 * p) < tolerance, qPrintable(category.captured(0)));
    }
    QCOMPARE(categories, 10);
    QCOMPARE(hands, 12000);
    QVERIFY(run.out.contains(QRegularExpression(latin1("\nStraight +[0-9]+ +[0-9.]+% +4.619%\n"))));
    QVERIFY(run.out.contains(QRegularExpression(latin1("\nFlush +[0-9]+ +[0-9.]+% +3.025%\n"))));
}

// Each street's equities, those that marrowick-equity finds for the same cards.
void TestShowdownProgram::oddsByStreet()
{
    const ProgramRun run = showdown({latin1("-odds"), latin1("-players"), latin1("3"), latin1("-seed"), latin1("11")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(latin1("\nBoard     c3 c5 s5 d2 sA\n")) &&
                 run.out.endsWith(latin1("\nEquity      Player 1  Player 2  Player 3\n"
                                         "Preflop       41.81%    24.02%    34.18%\n"
                                         "Flop          27.52%     0.17%    72.31%\n"
                                         "Turn          16.67%     0.00%    83.33%\n")),
             qPrintable(run.out));
}

QTEST_GUILESS_MAIN(TestShowdownProgram)
#include "tst_showdownprogram.moc"
