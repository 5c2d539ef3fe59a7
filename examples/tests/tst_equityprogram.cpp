#include "programrun.h"

#include <QtCore/QRegularExpression>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

namespace {

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

// The output without its last line, the time, which differs from run to run.
QString withoutSeconds(const QString &out)
{
    return out.left(out.lastIndexOf(latin1("seconds\t")));
}

} // namespace

class TestEquityProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tsv_data();
    void tsv();
    void readableTable();
    void help();
    void badInput_data();
    void badInput();

private:
    ProgramRun equity(const QStringList &arguments)
    {
        return runProgram(latin1(EQUITY_PROGRAM), arguments, m_config.path());
    }

    QTemporaryDir m_config;
};

void TestEquityProgram::tsv_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");
    const QString acesAgainstKings = latin1("player\thand\twin\ttie\tequity\n"
                                            "1\tAhAs\t0.810646\t0.003818\t0.812555\n"
                                            "2\tKdKc\t0.185536\t0.003818\t0.187445\n"
                                            "boards\t1712304\n");
    QTest::newRow("rank first") << QStringList {latin1("-tsv"), latin1("AhAs"), latin1("KdKc")} << acesAgainstKings;
    QTest::newRow("mixed order and case, one thread")
        << QStringList {latin1("-threads"), latin1("1"), latin1("-tsv"), latin1("aHsA"), latin1("Kdck")}
        << acesAgainstKings;
    QTest::newRow("Omaha river") << QStringList {latin1("-game"),      latin1("omaha"), latin1("-board"),
                                                 latin1("Kh7d2c9s9c"), latin1("-tsv"),  latin1("AhAs3c4c"),
                                                 latin1("KdKcQhJh")}
                                 << latin1("player\thand\twin\ttie\tequity\n"
                                           "1\tAhAs3c4c\t0.000000\t0.000000\t0.000000\n"
                                           "2\tKdKcQhJh\t1.000000\t0.000000\t1.000000\n"
                                           "boards\t1\n");
    // The last king is dead: the aces win a little more often than the 0.085859 of the live deck.
    QTest::newRow("flop and dead cards")
        << QStringList {latin1("-board"), latin1("Kh7d2c"), latin1("-dead"), latin1("3sKs"), latin1("-tsv"),
                        latin1("AhAs"), latin1("KdKc")}
        << latin1("player\thand\twin\ttie\tequity\n"
                  "1\tAhAs\t0.091916\t0.000000\t0.091916\n"
                  "2\tKdKc\t0.908084\t0.000000\t0.908084\n"
                  "boards\t903\n");
    // Random boards: the seed alone decides them.
    QTest::newRow("seeded trials")
        << QStringList {latin1("-tsv"), latin1("-trials"), latin1("30000"), latin1("-seed"), latin1("5"),
                        latin1("AhAs"), latin1("KdKc"), latin1("7c8c")}
        << latin1("player\thand\twin\ttie\tequity\n"
                  "1\tAhAs\t0.616267\t0.002167\t0.616989\n"
                  "2\tKdKc\t0.179467\t0.002167\t0.180189\n"
                  "3\t7c8c\t0.202100\t0.002167\t0.202822\n"
                  "boards\t30000\n");
}

// Exactly the documented lines; the time last, of the calculation alone.
void TestEquityProgram::tsv()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    const ProgramRun run = equity(arguments);
    QVERIFY(run.finished);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(withoutSeconds(run.out), expected);
    QVERIFY(QRegularExpression(latin1("\nseconds\t\\d+\\.\\d{3}\n$")).match(run.out).hasMatch());
}

// The figures in percent, a line per player.
void TestEquityProgram::readableTable()
{
    const ProgramRun run = equity({latin1("-board"), latin1("Kh7d2c"), latin1("AhAs"), latin1("KdKc"), latin1("Td9d")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.startsWith(latin1("Texas hold'em, every board: 903 boards in ")) &&
                 run.out.endsWith(latin1(" s\nBoard Kh7d2c\n\n"
                                         "Player  Hand      Win      Tie   Equity\n"
                                         "1       AhAs    8.19%    0.00%    8.19%\n"
                                         "2       KdKc   83.72%    0.00%   83.72%\n"
                                         "3       Td9d    8.08%    0.00%    8.08%\n")),
             qPrintable(run.out));
}

void TestEquityProgram::help()
{
    const ProgramRun run = equity({latin1("-help")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith(latin1("Usage: marrowick-equity [options] HAND HAND [HAND...]\n")));
    QVERIFY(run.out.contains(latin1("-trials")));
    QCOMPARE(run.err, QString());
}

void TestEquityProgram::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("one hand") << QStringList {latin1("AhAs")}
                              << latin1("give at least two hands, for example AhAs KdKc");
    QTest::newRow("card twice") << QStringList {latin1("AhAs"), latin1("AhKd")} << latin1("the card hA is given twice");
    QTest::newRow("no card") << QStringList {latin1("AhAx"), latin1("KdKc")}
                             << latin1("\"Ax\" in \"AhAx\" is no card: write a rank and a suit, as Ah or hA");
    QTest::newRow("unknown game") << QStringList {latin1("-game"), latin1("stud"), latin1("AhAs"), latin1("KdKc")}
                                  << latin1("unknown game \"stud\": use holdem or omaha");
    QTest::newRow("bad board") << QStringList {latin1("-board"), latin1("Kh7d2"), latin1("AhAs"), latin1("KdKc")}
                               << latin1("-board: \"Kh7d2\" is not a list of two-character cards");
    QTest::newRow("negative threads") << QStringList {latin1("-threads"), latin1("-1"), latin1("AhAs"), latin1("KdKc")}
                                      << latin1("-threads must be from 0 to 1024, not -1");
    QTest::newRow("unknown option") << QStringList {latin1("-odds"), latin1("AhAs"), latin1("KdKc")}
                                    << latin1("unknown option or missing value; the options are listed above");
}

// One line on standard error, exit code 2, never a crash or a hang.
void TestEquityProgram::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const ProgramRun run = equity(arguments);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err, latin1("marrowick-equity: ") + message + QLatin1Char('\n'));
}

QTEST_MAIN(TestEquityProgram)
#include "tst_equityprogram.moc"
