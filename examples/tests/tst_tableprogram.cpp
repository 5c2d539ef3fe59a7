#include "programrun.h"

#include <QtCore/QFile>
#include <QtCore/QSet>
#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>
#include <QtTest/QtTest>

namespace {

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

// The part of a showdown printout from the board on; both programs print it alike.
QString fromBoard(const QString &printout)
{
    return printout.mid(printout.indexOf(latin1("Board ")));
}

} // namespace

class TestTableProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screenshotShowsTheDeal();
    void help();
    void badInput_data();
    void badInput();
    void decks_data();
    void decks();

private:
    ProgramRun table(const QStringList &arguments)
    {
        return runProgram(latin1(TABLE_PROGRAM), arguments, m_config.path());
    }

    QTemporaryDir m_config;
};

void TestTableProgram::screenshotShowsTheDeal()
{
    // A full table: ten seats, every card of the deal in sight.
    const int players = 10;
    QTemporaryDir folder;
    const QString file = folder.filePath(latin1("table.png"));
    const QStringList deal = {latin1("-players"), QString::number(players), latin1("-seed"), latin1("7")};
    const ProgramRun run = table(deal + QStringList {latin1("-screenshot"), file});
    QVERIFY(run.finished);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    // The same seed deals the same cards on the table as on the command line.
    const ProgramRun showdown = runProgram(latin1(SHOWDOWN_PROGRAM), deal, m_config.path());
    QCOMPARE(showdown.exitCode, 0);
    QVERIFY(!fromBoard(run.out).isEmpty());
    QCOMPARE(fromBoard(run.out), fromBoard(showdown.out));

    const QImage picture(file, "PNG");
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), QSize(1000, 700));
    // Felt, wood, cards and their faces: a blank or failed drawing has a handful of colours at most.
    QSet<QRgb> colours;
    int paper = 0; // white card faces, also those dimmed beside the winning hand
    const int tableHeight = picture.height() - 60; // without the button bar, which is light grey
    for (int y = 0; y < tableHeight; y += 3) {
        for (int x = 0; x < picture.width(); x += 3) {
            const QRgb pixel = picture.pixel(x, y);
            colours.insert(pixel);
            paper += qRed(pixel) > 160 && qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
        }
    }
    QVERIFY2(colours.size() > 500, qPrintable(QString::number(colours.size())));
    // Every card lies face up: a card covers some 1000 of the sampled pixels, over half of them paper
    // (a card back has a narrow white margin only).
    const int cards = 2 * players + 5;
    QVERIFY2(paper > cards * 400, qPrintable(QString::number(paper) + latin1(" for cards: ") + QString::number(cards)));
}

void TestTableProgram::help()
{
    const ProgramRun run = table({latin1("-h")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith(latin1("Usage: marrowick-table [options]\n")));
    QVERIFY(run.out.contains(latin1("\n -screenshot <String>: ")));
}

void TestTableProgram::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");

    QTest::newRow("missing value") << QStringList {latin1("-screenshot")} << latin1("unknown option or missing value");
    QTest::newRow("one player") << QStringList {latin1("-players"), latin1("1")}
                                << latin1("-players must be from 2 to 10, not 1");
    QTest::newRow("seed beyond 32 bits") << QStringList {latin1("-seed"), latin1("4294967302")}
                                         << latin1("-seed must be from 0 to 4294967295, not 4294967302");
}

void TestTableProgram::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);

    const ProgramRun run = table(arguments);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(latin1("marrowick-table: ") + error), qPrintable(run.err));
}

void TestTableProgram::decks_data()
{
    QTest::addColumn<QString>("file"); // written into the -decks folder
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error"); // a part of the standard error, %1 the folder

    const QByteArray backOnly = "<svg xmlns='http://www.w3.org/2000/svg'><rect id='back' width='10' height='14'/></svg>";
    QTest::newRow("a broken deck in the folder hides the others")
        << latin1("marrowick-deck.svg") << QByteArray("<svg") << QStringList() << 1
        << latin1("marrowick-table: cannot read the card deck %1/marrowick-deck.svg: it is not a readable SVG document");
    QTest::newRow("a deck by name, with a back only")
        << latin1("backs.svg") << backOnly << QStringList {latin1("-deck"), latin1("backs")} << 0
        << latin1("marrowick-table: the card deck %1/backs.svg has no picture for 52 of the cards, the first "
                  "\"1_club\"; they are drawn as placeholders");
}

void TestTableProgram::decks()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, error);

    QTemporaryDir decks;
    const QString path = decks.filePath(file);
    QFile deck(path);
    QVERIFY(deck.open(QIODevice::WriteOnly));
    deck.write(contents);
    deck.close();

    const QString screenshot = decks.filePath(latin1("x.png"));
    const ProgramRun run = table(QStringList {latin1("-decks"), decks.path(), latin1("-seed"), latin1("3"),
                                              latin1("-screenshot"), screenshot} +
                                 arguments);
    QVERIFY(run.finished);
    QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
    QVERIFY2(run.err.contains(error.arg(decks.path())), qPrintable(run.err));
    QCOMPARE(QFile::exists(screenshot), exitCode == 0);
}

QTEST_GUILESS_MAIN(TestTableProgram)
#include "tst_tableprogram.moc"
