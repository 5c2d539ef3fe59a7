#include "testhelpers.h"

#include <marrowick/card.h>

#include <QtCore/QSet>
#include <QtTest/QtTest>

#include <type_traits>

using Marrowick::Card;

// Text becomes a card only when asked: "card == QStringLiteral(\"Ah\")" must
// not compile, as the text's first character would be read as a suit.
static_assert(std::is_constructible<Card, QString>::value && !std::is_convertible<QString, Card>::value,
              "Card(const QString &) must be explicit");

namespace Marrowick {
// Lets QCOMPARE show the cards it compares.
char *toString(const Card &card)
{
    return qstrdup(qPrintable(QString::number(card.suit()) + QLatin1Char('/') + QString::number(qint8(card.value()))));
}
} // namespace Marrowick

namespace {

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

Card card(int suit, int value)
{
    return Card(Card::Suit(suit), char(value));
}

// Each child case ends the process through a fatal message; the text form is
// read suit first, so "xZ" must fail on the suit before the value is looked at.
int runFatalCase(const QByteArray &name)
{
    const QMap<QByteArray, std::function<void()>> cases = {
        {"suit 6", [] { Card::suitToChar(Card::Suit(6)); }},
        {"text xZ", [] { Card(latin1("xZ")); }},
        {"value 13", [] { Card::valueToChar(13); }},
    };
    cases.value(name, [] {})();
    return 0;
}

} // namespace

class TestCard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encoding_data();
    void encoding();
    void everyRealCard();
    void text_data();
    void text();
    void fatalMessages_data();
    void fatalMessages();
    void byteArrays_data();
    void byteArrays();
    void textForm_data();
    void textForm();
    void fromStringReportsNothing();
};

void TestCard::encoding_data()
{
    QTest::addColumn<Card>("card");
    QTest::addColumn<int>("code");
    QTest::addColumn<Card>("decoded");

    QTest::newRow("default card is invalid") << Card() << -1 << card(Card::Back, 0);
    QTest::newRow("ace of spades") << card(Card::Spades, 0) << 4 << card(Card::Spades, 0);
    QTest::newRow("back with a value") << card(Card::Back, 7) << 0 << card(Card::Back, 0);
    QTest::newRow("joker, four") << card(Card::Joker, 3) << 12 << card(Card::Spades, 2);
    QTest::newRow("value beyond king") << card(Card::Clubs, 13) << 53 << card(Card::Clubs, 13);
    // Negative codes decode to the suits below clubs and to values below the ace.
    QTest::newRow("huge suit wraps") << card(0x7fffffff, 127) << 762 % 256 - 256 << card(-1, -1);
    QTest::newRow("suit below the back") << card(-1, 0) << -2 << card(-1, 0);
    QTest::newRow("value -2") << card(Card::Hearts, -2) << -5 << card(Card::Back, -1);
    QTest::newRow("lowest code") << card(Card::Joker, -32) << -128 << card(Card::Joker, -32);
}

void TestCard::encoding()
{
    QFETCH(Card, card);
    QFETCH(int, code);
    QFETCH(Card, decoded);
    // The byte and the value are signed 8-bit numbers, whatever char is.
    QCOMPARE(int(qint8(card.toEncodedChar())), code);
    QCOMPARE(card.isValid(), qint8(card.value()) != -1);
    QCOMPARE(Card::fromEncodedChar(char(code)), decoded);
}

// Codes 1 to 52, text forms "cA" to "sK" and the element ids of the built-in deck.
void TestCard::everyRealCard()
{
    const QString suits = latin1("cdhs");
    const QString values = latin1("A23456789TJQK");
    const QStringList suitNames = latin1("Clubs Diamonds Hearts Spades").split(QLatin1Char(' '));
    const QStringList rankNames = latin1("Ace_ _x32__ _x33__ _x34__ _x35__ _x36__ _x37__ _x38__ _x39__ _x31_0_ "
                                         "Jack_ Queen_ King_")
                                      .split(QLatin1Char(' '));
    QSet<int> codes;
    for (int suit = 0; suit < 4; ++suit) {
        for (int value = 0; value <= 12; ++value) {
            const Card real = card(Card::Clubs + suit, value);
            const char code = real.toEncodedChar();
            QVERIFY(code >= 1 && code <= 52);
            QCOMPARE(Card::fromEncodedChar(code), real);
            codes.insert(code);
            QCOMPARE(real.toString(), QString(suits.at(suit)) + values.at(value));
            QCOMPARE(Card(real.toString()), real);
            QCOMPARE(real.elementId(), rankNames.at(value) + suitNames.at(suit));
        }
    }
    QCOMPARE(codes.size(), 52);
    QCOMPARE(Card::valueToChar(-1), QLatin1Char('?'));
}

void TestCard::text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Card>("card");
    QTest::addColumn<QStringList>("messages");

    const auto warning = [](const QString &character) {
        return QStringList(latin1("Card::charToValue( ") + character + latin1(" ): Illegal value!"));
    };
    QTest::newRow("ace of clubs") << latin1("cA") << card(Card::Clubs, 0) << QStringList();
    QTest::newRow("back with a value") << latin1("b2") << card(Card::Back, 1) << QStringList();
    QTest::newRow("empty") << QString() << Card() << QStringList();
    QTest::newRow("three characters") << latin1("cAx") << Card() << QStringList();
    QTest::newRow("question mark is not read") << latin1("s?") << card(Card::Spades, -1) << warning(latin1("?"));
    QTest::newRow("value codes are upper case") << latin1("hk") << card(Card::Hearts, -1) << warning(latin1("k"));
    QTest::newRow("beyond Latin-1 reads as 0")
        << (latin1("h") + QChar(0x263a)) << card(Card::Hearts, -1) << warning(QString(QChar(0)));
}

void TestCard::text()
{
    QFETCH(QString, text);
    QFETCH(Card, card);
    QFETCH(QStringList, messages);

    const TestHelpers::MessageRecorder recorder;
    QCOMPARE(Card(text), card);
    QCOMPARE(TestHelpers::MessageRecorder::messages(), messages);
    QCOMPARE(TestHelpers::MessageRecorder::categories(),
             messages.isEmpty() ? QStringList() : QStringList {latin1("marrowick.cards")});
}

void TestCard::fatalMessages_data()
{
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("suit 6") << QByteArray("Card::suitToChar( 6 ): Illegal suit!");
    QTest::newRow("text xZ") << QByteArray("Card::suitToChar( x ): Illegal suit!");
    QTest::newRow("value 13") << QByteArray("Card::valueToChar( 13 ): Illegal value!");
}

void TestCard::fatalMessages()
{
    QFETCH(QByteArray, message);

    // Fatal even with every message of the library turned off.
    const TestHelpers::ChildRun run =
        TestHelpers::runChildCase(QString::fromLatin1(QTest::currentDataTag()), latin1("marrowick.*=false"));
    QVERIFY2(run.crashed, run.standardError.constData());
    QVERIFY2(run.standardError.split('\n').contains("marrowick.cards: " + message), run.standardError.constData());
    QVERIFY2(!run.standardError.contains("charToValue"), run.standardError.constData());
}

void TestCard::byteArrays_data()
{
    QTest::addColumn<QVector<Card>>("cards");
    QTest::addColumn<QByteArray>("encoded");
    QTest::addColumn<QVector<Card>>("readBack");

    // Backs lose their value, invalid cards become backs, a joker's code reads back as a real card.
    const Card ace = card(Card::Clubs, 0);
    const Card king = card(Card::Spades, 12);
    const Card back = card(Card::Back, 0);
    QTest::newRow("empty") << QVector<Card>() << QByteArray() << QVector<Card>();
    QTest::newRow("mixed")
        << QVector<Card> {ace, king, card(Card::Back, 5), card(Card::Hearts, -1), Card(), card(Card::Joker, 3)}
        << QByteArray("\x01\x34\x00\xff\xff\x0c", 6)
        << QVector<Card> {ace, king, back, back, back, card(Card::Spades, 2)};
}

void TestCard::byteArrays()
{
    QFETCH(QVector<Card>, cards);
    QFETCH(QByteArray, encoded);
    QFETCH(QVector<Card>, readBack);
    QCOMPARE(Card::toByteArray(cards), encoded);
    QCOMPARE(Card::fromByteArray(encoded), readBack);
}

void TestCard::textForm_data()
{
    QTest::addColumn<Card>("card");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("debug");
    QTest::addColumn<QString>("elementId");

    QTest::newRow("ace of spades") << card(Card::Spades, 0) << latin1("sA") << latin1("Card(sA)")
                                   << latin1("Ace_Spades");
    QTest::newRow("back") << card(Card::Back, 0) << latin1("bA") << latin1("Card(bA)") << latin1("Card_Back");
    QTest::newRow("joker") << card(Card::Joker, 12) << latin1("jK") << latin1("Card(jK)") << latin1("Joker");
    QTest::newRow("invalid") << card(Card::Spades, -1) << QString() << latin1("Card(s?)") << QString();
    QTest::newRow("beyond the king") << card(Card::Clubs, 13) << QString() << latin1("Card(2, 13)") << QString();
    QTest::newRow("unknown suit, ace") << card(9, 0) << QString() << latin1("Card(9, 0)") << latin1("Ace_");
    QTest::newRow("unknown suit, ten") << card(-3, 9) << QString() << latin1("Card(-3, 9)") << latin1("_x31_0_");
}

void TestCard::textForm()
{
    QFETCH(Card, card);
    QFETCH(QString, text);
    QFETCH(QString, debug);
    QFETCH(QString, elementId);

    QCOMPARE(card.toString(), text);
    QString printed;
    QDebug(&printed) << card;
    QCOMPARE(printed.trimmed(), debug);
    if (!text.isEmpty()) {
        bool ok = false;
        QCOMPARE(Card::fromString(text, &ok), card);
        QVERIFY(ok);
        QCOMPARE(Card(text), card);
    }
    const QString id = card.elementId();
    QCOMPARE(id, elementId);
    QCOMPARE(id.isNull(), elementId.isNull());
    // The fixed names are built once and shared by every call.
    if (card.suit() == Card::Back || card.suit() == Card::Joker)
        QCOMPARE(id.constData(), card.elementId().constData());
}

void TestCard::fromStringReportsNothing()
{
    // Whatever the text.
    const TestHelpers::MessageRecorder recorder;
    for (const char *text : {"", "s", "sAx", "SA", "s?", "xZ", "sa"}) {
        bool ok = true;
        QCOMPARE(Card::fromString(latin1(text), &ok), Card());
        QVERIFY2(!ok, text);
    }
    QCOMPARE(TestHelpers::MessageRecorder::messages(), QStringList());
}

MARROWICK_TEST_MAIN_WITH_CHILDREN(TestCard, runFatalCase)

#include "tst_card.moc"
