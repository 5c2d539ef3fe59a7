#include <marrowick/deck.h>

#include <QtCore/QHash>
#include <QtTest/QtTest>

using Marrowick::Card;
using Marrowick::Deck;

namespace {

// Cards in their two-character text form, separated by spaces.
QString text(const QVector<Card> &cards)
{
    QStringList names;
    for (const Card &card : cards)
        names.append(card.toString());
    return names.join(QLatin1Char(' '));
}

} // namespace

class TestDeck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixedOrder_data();
    void fixedOrder();
    void everyCardOnce_data();
    void everyCardOnce();
    void dealing_data();
    void dealing();
    void sameSeedSameDeals();
};

// The orders a seed gives are part of the interface: games record deals by
// their seed. These are also the orders of QRandomGenerator's bounded().
void TestDeck::fixedOrder_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("packs");
    QTest::addColumn<int>("jokers");
    QTest::addColumn<QString>("top"); // the first twelve cards dealt

    QTest::newRow("unshuffled") << 0u << 1 << 0 << QStringLiteral("-");
    QTest::newRow("seed 0") << 0u << 1 << 0 << QStringLiteral("d6 d4 cA dK c4 cQ dQ c8 sK hQ sT dT");
    QTest::newRow("seed 6") << 6u << 1 << 0 << QStringLiteral("dT cJ c3 d5 c2 d4 s6 sA s8 cT s9 cQ");
    QTest::newRow("seed 4294967295") << 4294967295u << 1 << 0
                                     << QStringLiteral("h3 c2 h9 c6 cJ s3 h8 d3 h5 s2 d7 c4");
    QTest::newRow("two packs, two jokers each") << 6u << 2 << 2
                                                << QStringLiteral("s8 dT c6 hQ c4 hT s6 h9 sQ d9 c5 h2");
}

void TestDeck::fixedOrder()
{
    QFETCH(quint32, seed);
    QFETCH(int, packs);
    QFETCH(int, jokers);
    QFETCH(QString, top);

    Deck deck(packs, jokers);
    deck.setSeed(seed);
    if (top != QLatin1String("-"))
        deck.shuffle();
    else
        top = QStringLiteral("sK sQ sJ sT s9 s8 s7 s6 s5 s4 s3 s2");
    QCOMPARE(text(deck.deal(12)), top);
}

void TestDeck::everyCardOnce_data()
{
    QTest::addColumn<int>("packs");
    QTest::addColumn<int>("jokers");
    QTest::addColumn<int>("size");

    QTest::newRow("one pack") << 1 << 0 << 52;
    QTest::newRow("with two jokers") << 1 << 2 << 54;
    QTest::newRow("two packs with a joker each") << 2 << 1 << 106;
    QTest::newRow("no pack") << 0 << 3 << 0;
    QTest::newRow("negative counts") << -1 << -1 << 0;
    QTest::newRow("too many jokers") << 1 << 20 << 65;
}

// Whatever the shuffles, each card of a pack is there once per pack.
void TestDeck::everyCardOnce()
{
    QFETCH(int, packs);
    QFETCH(int, jokers);
    QFETCH(int, size);

    Deck deck(packs, jokers);
    QCOMPARE(deck.size(), size);
    const QVector<Card> ordered = deck.cards();
    for (quint32 seed = 1; seed <= 20; ++seed) {
        deck.setSeed(seed);
        deck.shuffle();
        QHash<Card, int> count;
        for (const Card &card : deck.cards())
            ++count[card];
        QCOMPARE(deck.size(), size);
        for (const Card &card : ordered)
            QCOMPARE(count.value(card), packs);
    }
    if (size > 0)
        QVERIFY(deck.cards() != ordered);
    deck.reset();
    QCOMPARE(deck.cards(), ordered);
}

void TestDeck::dealing_data()
{
    QTest::addColumn<QString>("removed");
    QTest::addColumn<int>("dealt");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("rest"); // how the byte array begins, as text

    QTest::newRow("all dealt") << QString() << 54 << 0 << QString();
    QTest::newRow("more than there are") << QString() << 60 << 0 << QString();
    QTest::newRow("jokers have no byte") << QString() << 1 << 52 << QStringLiteral("sK sQ sJ");
    QTest::newRow("removed cards keep the order") << QStringLiteral("c3 sK cA") << 48 << 3
                                                  << QStringLiteral("c5 c4 c2");
    QTest::newRow("a card removed twice is removed once") << QStringLiteral("c2 c2") << 49 << 4
                                                          << QStringLiteral("c5 c4 c3 cA");
}

// A deck of 52 cards and two jokers, unshuffled: the jokers are on top.
void TestDeck::dealing()
{
    QFETCH(QString, removed);
    QFETCH(int, dealt);
    QFETCH(int, bytes);
    QFETCH(QString, rest);

    Deck deck(1, 2);
    const QStringList toRemove = removed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < toRemove.size(); ++i)
        QCOMPARE(deck.remove(Card(toRemove.at(i))), !toRemove.mid(0, i).contains(toRemove.at(i)));
    const QVector<Card> expectedTop = deck.cards().mid(0, dealt);
    QCOMPARE(deck.deal(dealt), expectedTop);
    const QByteArray remaining = deck.toByteArray();
    QCOMPARE(remaining.size(), bytes);
    QVERIFY2(text(Card::fromByteArray(remaining)).startsWith(rest), remaining.toHex().constData());
    if (deck.isEmpty())
        QVERIFY(!deck.deal().isValid());
}

// The same seed deals the same session, in a copy too; each shuffle goes on
// with the generator, and setSeed() starts it again.
void TestDeck::sameSeedSameDeals()
{
    Deck deck;
    deck.setSeed(9);
    deck.shuffle();
    const QVector<Card> first = deck.cards();
    Deck copy = deck;
    deck.shuffle();
    const QVector<Card> second = deck.cards();
    QVERIFY(second != first);
    copy.shuffle();
    QCOMPARE(copy.cards(), second);

    copy.reset();
    copy.setSeed(9);
    copy.shuffle();
    QCOMPARE(copy.cards(), first);
}

QTEST_MAIN(TestDeck)
#include "tst_deck.moc"
