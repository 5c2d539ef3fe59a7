#include "testhelpers.h"

#include <marrowick/card.h>

#include <QtCore/QSet>
#include <QtCore/QVariant>
#include <QtTest/QtTest>

using Marrowick::Card;

namespace {

QByteArray bytes(std::initializer_list<int> codes)
{
    QByteArray result;
    for (int code : codes)
        result.append(char(code));
    return result;
}

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

// Child cases: each ends the process through a fatal message.
int runFatalCase(const QByteArray &name)
{
    if (name == "suitNumber")
        Card::suitToChar(Card::Suit(6));
    else if (name == "negativeSuitNumber")
        Card::suitToChar(Card::Suit(-1));
    else if (name == "suitCode")
        Card(latin1("CA"));
    else if (name == "badSuitBeforeBadValue")
        Card(latin1("xZ"));
    else if (name == "valueNumber")
        Card::valueToChar(13);
    else if (name == "negativeValueNumber")
        Card::valueToChar(-2);
    else if (name == "decodedValueNumber")
        Card::valueToChar(Card::fromEncodedChar(53).value());
    return 0;
}

} // namespace

class TestCard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultCard();
    void encoding_data();
    void encoding();
    void decoding_data();
    void decoding();
    void everyRealCardRoundTrips();
    void codes_data();
    void codes();
    void text_data();
    void text();
    void fatalMessages_data();
    void fatalMessages();
    void byteArrays_data();
    void byteArrays();
    void elementIdsOfTheDeck();
    void elementIdsWithoutPicture_data();
    void elementIdsWithoutPicture();
    void elementIdsShareTheFixedNames();
    void toStringAndFromString_data();
    void toStringAndFromString();
    void debugOutput_data();
    void debugOutput();
    void valueTypeSupport();
};

void TestCard::defaultCard()
{
    const Card card;
    QCOMPARE(card.suit(), Card::Back);
    QCOMPARE(int(card.value()), -1);
    QVERIFY(!card.isValid());
    QCOMPARE(int(card.toEncodedChar()), -1);

    Card changed(Card::Hearts, 4);
    changed.setSuit(Card::Suit(17));
    QVERIFY(changed.isValid());
    changed.setValue(-1);
    QVERIFY(!changed.isValid());
}

void TestCard::encoding_data()
{
    QTest::addColumn<int>("suit");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("code");

    QTest::newRow("ace of clubs") << int(Card::Clubs) << 0 << 1;
    QTest::newRow("ace of diamonds") << int(Card::Diamonds) << 0 << 2;
    QTest::newRow("ace of spades") << int(Card::Spades) << 0 << 4;
    QTest::newRow("two of clubs") << int(Card::Clubs) << 1 << 5;
    QTest::newRow("ten of hearts") << int(Card::Hearts) << 9 << 39;
    QTest::newRow("king of spades") << int(Card::Spades) << 12 << 52;
    QTest::newRow("back with a value") << int(Card::Back) << 7 << 0;
    QTest::newRow("joker, ace") << int(Card::Joker) << 0 << 0;
    QTest::newRow("joker, four") << int(Card::Joker) << 3 << 12;
    QTest::newRow("invalid spade") << int(Card::Spades) << -1 << -1;
    QTest::newRow("invalid back") << int(Card::Back) << -1 << -1;
    QTest::newRow("value beyond king") << int(Card::Clubs) << 13 << 53;
    QTest::newRow("wraps to 8 bits") << int(Card::Spades) << 40 << int(char(164));
    QTest::newRow("huge suit wraps") << 0x7fffffff << 127 << int(char(0xfe + 4 * 127));
}

void TestCard::encoding()
{
    QFETCH(int, suit);
    QFETCH(int, value);
    QFETCH(int, code);
    QCOMPARE(int(Card(Card::Suit(suit), char(value)).toEncodedChar()), code);
}

void TestCard::decoding_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("suit");
    QTest::addColumn<int>("value");

    QTest::newRow("0 is a valid back") << 0 << int(Card::Back) << 0;
    QTest::newRow("1 ace of clubs") << 1 << int(Card::Clubs) << 0;
    QTest::newRow("12 three of spades") << 12 << int(Card::Spades) << 2;
    QTest::newRow("39 ten of hearts") << 39 << int(Card::Hearts) << 9;
    QTest::newRow("52 king of spades") << 52 << int(Card::Spades) << 12;
    QTest::newRow("53 beyond the king") << 53 << int(Card::Clubs) << 13;
    QTest::newRow("127") << 127 << int(Card::Hearts) << 31;
    QTest::newRow("-1 truncates to a back") << -1 << int(Card::Back) << 0;
    QTest::newRow("-2") << -2 << int(Card::Suit(-1)) << 0;
    QTest::newRow("-5 decodes invalid") << -5 << int(Card::Back) << -1;
    QTest::newRow("-128") << -128 << int(Card::Joker) << -32;
}

void TestCard::decoding()
{
    QFETCH(int, code);
    QFETCH(int, suit);
    QFETCH(int, value);
    const Card card = Card::fromEncodedChar(char(code));
    QCOMPARE(int(card.suit()), suit);
    QCOMPARE(int(card.value()), value);
}

void TestCard::everyRealCardRoundTrips()
{
    QSet<int> codes;
    for (int suit = Card::Clubs; suit <= Card::Spades; ++suit) {
        for (int value = 0; value <= 12; ++value) {
            const Card card {Card::Suit(suit), char(value)};
            const char code = card.toEncodedChar();
            QVERIFY(code >= 1 && code <= 52);
            QCOMPARE(Card::fromEncodedChar(code), card);
            codes.insert(code);
        }
    }
    QCOMPARE(codes.size(), 52);
}

void TestCard::codes_data()
{
    QTest::addColumn<QString>("suitCodes");
    QTest::addColumn<QString>("valueCodes");
    QTest::newRow("tables") << latin1("bjcdhs") << latin1("?A23456789TJQK");
}

void TestCard::codes()
{
    QFETCH(QString, suitCodes);
    QFETCH(QString, valueCodes);
    for (int suit = 0; suit < suitCodes.size(); ++suit) {
        QCOMPARE(Card::suitToChar(Card::Suit(suit)), suitCodes.at(suit));
        QCOMPARE(int(Card::charToSuit(suitCodes.at(suit))), suit);
    }
    QCOMPARE(Card::valueToChar(-1), QLatin1Char('?'));
    for (int value = 0; value <= 12; ++value) {
        QCOMPARE(Card::valueToChar(char(value)), valueCodes.at(value + 1));
        QCOMPARE(int(Card::charToValue(valueCodes.at(value + 1))), value);
    }

    // Written but never read back, and value codes are upper case only.
    QTest::ignoreMessage(QtWarningMsg, "Card::charToValue( ? ): Illegal value!");
    QCOMPARE(int(Card::charToValue(QLatin1Char('?'))), -1);
    QTest::ignoreMessage(QtWarningMsg, "Card::charToValue( k ): Illegal value!");
    QCOMPARE(int(Card::charToValue(QLatin1Char('k'))), -1);
}

void TestCard::text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("suit");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("warning");

    QTest::newRow("ace of clubs") << latin1("cA") << int(Card::Clubs) << 0 << QString();
    QTest::newRow("ten of spades") << latin1("sT") << int(Card::Spades) << 9 << QString();
    QTest::newRow("nine of hearts") << latin1("h9") << int(Card::Hearts) << 8 << QString();
    QTest::newRow("king of diamonds") << latin1("dK") << int(Card::Diamonds) << 12 << QString();
    QTest::newRow("back with a value") << latin1("b2") << int(Card::Back) << 1 << QString();
    QTest::newRow("joker") << latin1("jQ") << int(Card::Joker) << 11 << QString();
    QTest::newRow("empty") << QString() << int(Card::Back) << -1 << QString();
    QTest::newRow("one character") << latin1("c") << int(Card::Back) << -1 << QString();
    QTest::newRow("three characters") << latin1("cAx") << int(Card::Back) << -1 << QString();
    QTest::newRow("bad value") << latin1("cZ") << int(Card::Clubs) << -1
                               << latin1("Card::charToValue( Z ): Illegal value!");
    QTest::newRow("question mark") << latin1("s?") << int(Card::Spades) << -1
                                   << latin1("Card::charToValue( ? ): Illegal value!");
    QTest::newRow("beyond Latin-1") << (latin1("h") + QChar(0x263a)) << int(Card::Hearts) << -1
                                    << latin1("Card::charToValue( ") + QChar(0) + latin1(" ): Illegal value!");
}

void TestCard::text()
{
    QFETCH(QString, text);
    QFETCH(int, suit);
    QFETCH(int, value);
    QFETCH(QString, warning);

    TestHelpers::MessageRecorder recorder;
    const Card card(text);
    QCOMPARE(int(card.suit()), suit);
    QCOMPARE(int(card.value()), value);
    const QStringList expected = warning.isNull() ? QStringList() : QStringList(warning);
    QCOMPARE(TestHelpers::MessageRecorder::messages(), expected);
}

void TestCard::fatalMessages_data()
{
    QTest::addColumn<QString>("childCase");
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("suit number") << latin1("suitNumber") << QByteArray("Card::suitToChar( 6 ): Illegal suit!");
    QTest::newRow("negative suit number")
        << latin1("negativeSuitNumber") << QByteArray("Card::suitToChar( -1 ): Illegal suit!");
    QTest::newRow("upper-case suit code") << latin1("suitCode") << QByteArray("Card::suitToChar( C ): Illegal suit!");
    QTest::newRow("suit read before value")
        << latin1("badSuitBeforeBadValue") << QByteArray("Card::suitToChar( x ): Illegal suit!");
    QTest::newRow("value number") << latin1("valueNumber") << QByteArray("Card::valueToChar( 13 ): Illegal value!");
    QTest::newRow("negative value number")
        << latin1("negativeValueNumber") << QByteArray("Card::valueToChar( -2 ): Illegal value!");
    QTest::newRow("decoded 53") << latin1("decodedValueNumber")
                                << QByteArray("Card::valueToChar( 13 ): Illegal value!");
}

void TestCard::fatalMessages()
{
    QFETCH(QString, childCase);
    QFETCH(QByteArray, message);

    const TestHelpers::ChildRun run = TestHelpers::runChildCase(childCase);
    QVERIFY2(run.crashed, run.standardError.constData());
    const QList<QByteArray> lines = run.standardError.split('\n');
    QVERIFY2(lines.contains(message), run.standardError.constData());
    QVERIFY2(!run.standardError.contains("charToValue"), "the suit is read and fails first");
}

void TestCard::byteArrays_data()
{
    QTest::addColumn<QVector<Card>>("cards");
    QTest::addColumn<QByteArray>("encoded");
    QTest::addColumn<QVector<Card>>("readBack");

    const Card aceOfClubs(Card::Clubs, 0);
    const Card kingOfSpades(Card::Spades, 12);
    const Card validBack(Card::Back, 0);

    QTest::newRow("empty") << QVector<Card>() << QByteArray() << QVector<Card>();
    QTest::newRow("real cards") << QVector<Card> {aceOfClubs, kingOfSpades, validBack} << bytes({1, 52, 0})
                                << QVector<Card> {aceOfClubs, kingOfSpades, validBack};
    QTest::newRow("back loses its value")
        << QVector<Card> {Card(Card::Back, 5)} << bytes({0}) << QVector<Card> {validBack};
    QTest::newRow("invalid card") << QVector<Card> {Card(Card::Hearts, -1), Card()} << bytes({0xff, 0xff})
                                  << QVector<Card> {validBack, validBack};
    QTest::newRow("jokers") << QVector<Card> {Card(Card::Joker, 3), Card(Card::Joker, 0)} << bytes({12, 0})
                            << QVector<Card> {Card(Card::Spades, 2), validBack};
}

void TestCard::byteArrays()
{
    QFETCH(QVector<Card>, cards);
    QFETCH(QByteArray, encoded);
    QFETCH(QVector<Card>, readBack);
    QCOMPARE(Card::toByteArray(cards), encoded);
    QCOMPARE(Card::fromByteArray(encoded), readBack);
}

void TestCard::elementIdsOfTheDeck()
{
    const QStringList ranks = latin1("Ace_ _x32__ _x33__ _x34__ _x35__ _x36__ _x37__ _x38__ _x39__ _x31_0_ "
                                     "Jack_ Queen_ King_")
                                  .split(QLatin1Char(' '));
    const QStringList suits = latin1("Clubs Diamonds Hearts Spades").split(QLatin1Char(' '));

    QSet<QString> names;
    for (int suit = 0; suit < suits.size(); ++suit) {
        for (int value = 0; value < ranks.size(); ++value) {
            const QString name = Card(Card::Suit(Card::Clubs + suit), char(value)).elementId();
            QCOMPARE(name, ranks.at(value) + suits.at(suit));
            names.insert(name);
        }
    }
    QCOMPARE(Card(Card::Back, 0).elementId(), latin1("Card_Back"));
    QCOMPARE(Card(Card::Back, 40).elementId(), latin1("Card_Back"));
    QCOMPARE(Card(Card::Joker, 12).elementId(), latin1("Joker"));
    QCOMPARE(Card(Card::Joker, 99).elementId(), latin1("Joker"));
    names << latin1("Card_Back") << latin1("Joker");
    QCOMPARE(names.size(), 54);
}

void TestCard::elementIdsWithoutPicture_data()
{
    QTest::addColumn<int>("suit");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("name");

    QTest::newRow("invalid spade") << int(Card::Spades) << -1 << QString();
    QTest::newRow("invalid back") << int(Card::Back) << -1 << QString();
    QTest::newRow("invalid joker") << int(Card::Joker) << -1 << QString();
    QTest::newRow("beyond the king") << int(Card::Clubs) << 13 << QString();
    QTest::newRow("negative value") << int(Card::Clubs) << -5 << QString();
    QTest::newRow("unknown suit, ace") << 9 << 0 << latin1("Ace_");
    QTest::newRow("unknown suit, two") << 9 << 1 << latin1("_x32__");
    QTest::newRow("unknown suit, ten") << -3 << 9 << latin1("_x31_0_");
    QTest::newRow("unknown suit, king") << 6 << 12 << latin1("King_");
}

void TestCard::elementIdsWithoutPicture()
{
    QFETCH(int, suit);
    QFETCH(int, value);
    QFETCH(QString, name);
    const QString id = Card(Card::Suit(suit), char(value)).elementId();
    QCOMPARE(id, name);
    QCOMPARE(id.isNull(), name.isNull());
}

void TestCard::elementIdsShareTheFixedNames()
{
    const QString first = Card(Card::Back, 3).elementId();
    const QString second = Card(Card::Back, 0).elementId();
    QCOMPARE(first.constData(), second.constData());
    QCOMPARE(Card(Card::Joker, 1).elementId().constData(), Card(Card::Joker, 2).elementId().constData());
}

void TestCard::toStringAndFromString_data()
{
    QTest::addColumn<int>("suit");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");

    QTest::newRow("ace of spades") << int(Card::Spades) << 0 << latin1("sA") << true;
    QTest::newRow("ten of hearts") << int(Card::Hearts) << 9 << latin1("hT") << true;
    QTest::newRow("back") << int(Card::Back) << 0 << latin1("bA") << true;
    QTest::newRow("joker") << int(Card::Joker) << 12 << latin1("jK") << true;
    QTest::newRow("invalid") << int(Card::Hearts) << -1 << QString() << false;
    QTest::newRow("beyond the king") << int(Card::Clubs) << 13 << QString() << false;
    QTest::newRow("unknown suit") << 6 << 0 << QString() << false;
}

void TestCard::toStringAndFromString()
{
    QFETCH(int, suit);
    QFETCH(int, value);
    QFETCH(QString, text);
    QFETCH(bool, readable);

    const Card card {Card::Suit(suit), char(value)};
    QCOMPARE(card.toString(), text);
    if (readable) {
        bool ok = false;
        QCOMPARE(Card::fromString(text, &ok), card);
        QVERIFY(ok);
        QCOMPARE(Card(text), card);
    }
}

void TestCard::debugOutput_data()
{
    QTest::addColumn<int>("suit");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("printed");

    QTest::newRow("text form") << int(Card::Diamonds) << 11 << latin1("Card(dQ)");
    QTest::newRow("invalid with a suit code") << int(Card::Clubs) << -1 << latin1("Card(c?)");
    QTest::newRow("value without code") << int(Card::Clubs) << 13 << latin1("Card(2, 13)");
    QTest::newRow("suit without code") << 7 << 3 << latin1("Card(7, 3)");
}

void TestCard::debugOutput()
{
    QFETCH(int, suit);
    QFETCH(int, value);
    QFETCH(QString, printed);
    QString text;
    QDebug(&text) << Card(Card::Suit(suit), char(value));
    QCOMPARE(text.trimmed(), printed);
}

void TestCard::valueTypeSupport()
{
    // fromString never reports anything, whatever the text.
    TestHelpers::MessageRecorder recorder;
    const QStringList badTexts = {QString(),    latin1("s"),  latin1("sAx"), latin1("SA"),
                                  latin1("s?"), latin1("xZ"), latin1("sa")};
    for (const QString &text : badTexts) {
        bool ok = true;
        QCOMPARE(Card::fromString(text, &ok), Card());
        QVERIFY2(!ok, qPrintable(text));
    }
    QVERIFY(TestHelpers::MessageRecorder::messages().isEmpty());

    const Card card(Card::Hearts, 5);
    const QVariant variant = QVariant::fromValue(card);
    QCOMPARE(variant.value<Card>(), card);

    const QSet<Card> set = {card, Card(Card::Hearts, 5), Card(Card::Spades, 5), Card(Card::Hearts, 6)};
    QCOMPARE(set.size(), 3);
    QVERIFY(Card(Card::Hearts, 5) != Card(Card::Hearts, 6));
}

MARROWICK_TEST_MAIN_WITH_CHILDREN(TestCard, runFatalCase)

#include "tst_card.moc"
