// The dealing code both example programs share: card text, the deal and
// its chain of deferred steps.

#include "cardtext.h"
#include "deal.h"
#include "dealchain.h"

#include <marrowick/compositecommand.h>

#include <QtCore/QSet>
#include <QtTest/QtTest>

#include <functional>
#include <memory>

using Marrowick::Card;
using Marrowick::Command;

Q_DECLARE_METATYPE(Game)

namespace {

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

QVector<Card> cards(const char *text)
{
    QVector<Card> result;
    QString error;
    if (!CardText::parseCards(latin1(text), &result, &error))
        qFatal("bad test cards %s", text);
    return result;
}

// Records the order of the steps of a deal chain and the cards out when each runs.
class RecordingSteps : public DealSteps
{
public:
    explicit RecordingSteps(const Deal &deal)
        : m_deal(deal)
    { }

    QStringList log;

    Command *holeCards(int player) override
    {
        return step(latin1("hole "), [this, player] { return m_deal.holeCards(player).size(); });
    }
    Command *board(Street) override
    {
        return step(latin1("board "), [this] { return m_deal.board().size(); });
    }
    Command *showdown() override
    {
        return makeDeferredStep([this] { log.append(latin1("showdown")); });
    }

private:
    Command *step(const QString &name, const std::function<int()> &cards)
    {
        return makeDeferredStep([this, name, cards] { log.append(name + QString::number(cards())); });
    }

    const Deal &m_deal;
};

} // namespace

class TestDealing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseHands_data();
    void parseHands();
    void everyCardOnce_data();
    void everyCardOnce();
    void checkFixedCards_data();
    void checkFixedCards();
    void chainRunsTheStepsInOrder();
};

void TestDealing::parseHands_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("result"); // the hands written again, or the start of the error

    QTest::newRow("spaces around") << latin1("  sA\thT  ") << true << latin1("sA hT");
    QTest::newRow("spaces after commas, an empty last hand") << latin1("sT d3, cK dK,") << true
                                                             << latin1("sT d3,cK dK,");
    QTest::newRow("joker") << latin1("jA") << false << latin1("unknown card \"jA\"");
    QTest::newRow("bad after good") << latin1("sA x") << false << latin1("unknown card \"x\"");
}

void TestDealing::parseHands()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, result);

    QVector<QVector<Card>> hands;
    QString error;
    QCOMPARE(CardText::parseHands(text, &hands, &error), ok);
    QStringList written;
    for (const QVector<Card> &hand : qAsConst(hands))
        written.append(CardText::format(hand));
    if (ok)
        QCOMPARE(written.join(QLatin1Char(',')), result);
    else
        QVERIFY2(error.startsWith(result), qPrintable(error));
}

void TestDealing::everyCardOnce_data()
{
    QTest::addColumn<Game>("game");
    QTest::addColumn<int>("players");
    QTest::addColumn<QVector<Card>>("board"); // fixed cards
    QTest::addColumn<QVector<Card>>("hand"); // player 1's fixed cards

    QTest::newRow("hold'em, 10 players") << Game::Holdem << 10 << QVector<Card>() << QVector<Card>();
    QTest::newRow("omaha, 10 players") << Game::Omaha << 10 << QVector<Card>() << QVector<Card>();
    QTest::newRow("hold'em, fixed cards") << Game::Holdem << 3 << cards("sA sK") << cards("hA hK");
}

// Fixed cards stay where given, and no card is dealt twice.
void TestDealing::everyCardOnce()
{
    QFETCH(Game, game);
    QFETCH(int, players);
    QFETCH(QVector<Card>, board);
    QFETCH(QVector<Card>, hand);

    Deal::FixedCards fixed;
    fixed.board = board;
    if (!hand.isEmpty())
        fixed.hands = {hand};
    Deal deal(game, players, fixed);
    deal.setSeed(3);
    for (int round = 0; round < 30; ++round) {
        deal.shuffle();
        QSet<Card> seen;
        for (int player = 0; player < players; ++player) {
            const QVector<Card> hole = deal.dealHoleCards(player);
            QCOMPARE(hole.size(), gameRules(game).holeCards);
            QCOMPARE(deal.holeCards(player), hole);
            for (const Card &card : hole)
                seen.insert(card);
        }
        QCOMPARE(deal.dealBoard(Street::Flop).size(), 3);
        QCOMPARE(deal.dealBoard(Street::Turn).size(), 1);
        QCOMPARE(deal.dealBoard(Street::River).size(), 1);
        for (const Card &card : deal.board())
            seen.insert(card);
        QCOMPARE(seen.size(), players * gameRules(game).holeCards + Deal::boardSize);
        QCOMPARE(deal.board().mid(0, board.size()), board);
        QCOMPARE(deal.holeCards(0).mid(0, hand.size()), hand);
    }
}

void TestDealing::checkFixedCards_data()
{
    QTest::addColumn<Game>("game");
    QTest::addColumn<int>("players");
    QTest::addColumn<QString>("board");
    QTest::addColumn<QStringList>("hands");
    QTest::addColumn<QString>("error");

    QTest::newRow("all fine") << Game::Holdem << 3 << latin1("sA sK sQ sJ sT") << QStringList {latin1("hA hK")}
                              << QString();
    QTest::newRow("board too long") << Game::Holdem << 2 << latin1("sA sK sQ sJ sT s9") << QStringList()
                                    << latin1("the board has 6 cards, at most 5 are allowed");
    QTest::newRow("more hands than players")
        << Game::Holdem << 2 << latin1("") << QStringList {latin1("hA hK"), latin1("dA dK"), latin1("cA cK")}
        << latin1("3 hands given for 2 players");
    QTest::newRow("short hold'em hand") << Game::Holdem << 2 << latin1("") << QStringList {latin1("hA")}
                                        << latin1("hand 1 has 1 card, Texas hold'em hands have 2");
    QTest::newRow("hold'em hand in omaha") << Game::Omaha << 2 << latin1("") << QStringList {latin1("hA hK")}
                                           << latin1("hand 1 has 2 cards, Omaha hands have 4");
    QTest::newRow("in two hands") << Game::Holdem << 2 << latin1("") << QStringList {latin1("hA hK"), latin1("dA hK")}
                                  << latin1("the card hK is given twice");
}

void TestDealing::checkFixedCards()
{
    QFETCH(Game, game);
    QFETCH(int, players);
    QFETCH(QString, board);
    QFETCH(QStringList, hands);
    QFETCH(QString, error);

    Deal::FixedCards fixed;
    fixed.board = cards(board.toLatin1().constData());
    for (const QString &hand : hands)
        fixed.hands.append(cards(hand.toLatin1().constData()));
    QCOMPARE(Deal::checkFixedCards(game, players, fixed), error);
}

void TestDealing::chainRunsTheStepsInOrder()
{
    Deal deal(Game::Omaha, 3);
    deal.shuffle();
    RecordingSteps steps(deal);
    std::unique_ptr<Marrowick::CompositeCommand> chain(makeDealChain(deal, steps));
    QSignalSpy done(chain.get(), &Command::done);
    chain->exec();
    QVERIFY(steps.log.isEmpty());
    QVERIFY(done.wait(5000));
    // Each step finds its cards dealt.
    QCOMPARE(steps.log, latin1("hole 4,hole 4,hole 4,board 3,board 4,board 5,showdown").split(QLatin1Char(',')));
    QCOMPARE(done.count(), 1);
}

QTEST_GUILESS_MAIN(TestDealing)
#include "tst_dealing.moc"
