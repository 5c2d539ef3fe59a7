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
    void shuffle_data();
    void shuffle();
    void dealing_data();
    void dealing();
};

// The order a seed gives is part of the interface: games record deals by
// their seed. These are also the orders of QRandomGenerator's bounded().
void TestDeck::shuffle_data()
{
    QTest::addColumn<int>("packs");
    QTest::addColumn<int>("jokers");
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("top"); // the first ten cards dealt
    QTest::addColumn<QString>("bottom"); // the last ten: every swap counts, the last one too

    QTest::newRow("seed 0") << 1 << 0 << 0u << 52 << QStringLiteral("d6 d4 cA dK c4 cQ dQ c8 sK hQ")
                            << QStringLiteral("s8 s7 sA h9 hJ c7 s3 dJ c9 d3");
    QTest::newRow("highest seed") << 1 << 0 << 4294967295u << 52 << QStringLiteral("h3 c2 h9 c6 cJ s3 h8 d3 h5 s2")
                                  << QStringLiteral("d8 h7 sJ s8 s5 d9 cQ c7 s4 cK");
    QTest::newRow("two packs, two jokers each")
        << 2 << 2 << 6u << 108 << QStringLiteral("s8 dT c6 hQ c4 hT s6 h9 sQ d9") << QString();
    QTest::newRow("no pack") << 0 << 3 << 6u << 0 << QString() << QString();
    QTest::newRow("negative counts") << -1 << -1 << 6u << 0 << QString() << QString();
    QTest::newRow("too many jokers") << 1 << 20 << 6u << 65 << QString() << QString();
}

// Each card of a pack is there once per pack after any number of shuffles; a
// copy goes on with the same generator, and the seed starts it again.
void TestDeck::shuffle()
{
    QFETCH(int, packs);
    QFETCH(int, jokers);
    QFETCH(quint32, seed);
    QFETCH(int, size);
    QFETCH(QString, top);
    QFETCH(QString, bottom);

    Deck deck(packs, jokers);
    const QVector<Card> ordered = deck.cards();
    deck.setSeed(seed);
    deck.shuffle();
    const QVector<Card> first = deck.cards();
    if (!top.isEmpty())
        QCOMPARE(text(first.mid(0, 10)), top);
    if (!bottom.isEmpty())
        QCOMPARE(text(first.mid(size - 10)), bottom);

    Deck copy = deck;
    QVector<Card> second;
    for (int round = 0; round < 10; ++round) {
        deck.shuffle();
        if (round == 0)
            second = deck.cards();
        QHash<Card, int> count;
        for (const Card &card : deck.cards())
            ++count[card];
        QCOMPARE(deck.size(), size);
        for (const Card &card : ordered)
            QCOMPARE(count.value(card), packs);
    }
    copy.shuffle();
    QCOMPARE(copy.cards(), second);
    copy.setSeed(seed);
    copy.reset();
    copy.shuffle();
    QCOMPARE(copy.cards(), first);
}

void TestDeck::dealing_data()
{
    QTest::addColumn<QString>("removed");
    QTest::addColumn<int>("dealt");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("rest"); // how the byte array begins, as text

    QTest::newRow("more than there are") << QString() << 60 << 0 << QString();
    QTest::newRow("jokers on top have no byte") << QString() << 1 << 52 << QStringLiteral("sK sQ sJ");
    QTest::newRow("removed cards keep the order")
        << QStringLiteral("c3 sK cA") << 48 << 3 << QStringLiteral("c5 c4 c2");
    QTest::newRow("a card removed twice is removed once")
        << QStringLiteral("c2 c2") << 49 << 4 << QStringLiteral("c5 c4 c3 cA");
}

// A deck of 52 cards and two jokers, unshuffled.
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
    QVERIFY(text(Card::fromByteArray(remaining)).startsWith(rest));
    if (deck.isEmpty())
        QVERIFY(!deck.deal().isValid());
}

QTEST_MAIN(TestDeck)
#include "tst_deck.moc"
