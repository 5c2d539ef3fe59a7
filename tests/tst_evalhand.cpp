#include "evalhandcomparison.h"
#include "evalhandinputs.h"

#include <marrowick/card.h>
#include <marrowick/evalhand.h>

#include <QtTest/QtTest>

#include <atomic>
#include <climits>
#include <cstdlib>
#include <unordered_set>

#if !defined(__SANITIZE_ADDRESS__)
// Every allocation of this program passes through here and is counted; the
// sanitizer build has allocators of its own, and skips the test that counts.
extern "C" {
void *__libc_malloc(size_t size);
void *__libc_calloc(size_t count, size_t size);
void *__libc_realloc(void *pointer, size_t size);
void __libc_free(void *pointer);
}

namespace {
std::atomic<long> allocations {0};
}

extern "C" void *malloc(size_t size) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

extern "C" void *calloc(size_t count, size_t size) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

extern "C" void *realloc(void *pointer, size_t size) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(pointer, size);
}

extern "C" void free(void *pointer) noexcept
{
    __libc_free(pointer);
}
#endif

using Marrowick::Card;
using Marrowick::EvalHand;

Q_DECLARE_METATYPE(EvalHand::handType)

using MakeInput = EvalHandInput (EvalHandInputs::*)();
Q_DECLARE_METATYPE(MakeInput)

namespace {

// Cards written as their text forms ("sA hK d2"), encoded as the evaluator reads them.
QByteArray cards(const char *texts)
{
    QByteArray codes;
    const QStringList parts = QString::fromLatin1(texts).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &text : parts) {
        bool ok = false;
        const Card card = Card::fromString(text, &ok);
        Q_ASSERT(ok);
        codes.append(card.toEncodedChar());
    }
    return codes;
}

QByteArray bytes(std::initializer_list<int> codes)
{
    QByteArray result;
    for (int code : codes)
        result.append(char(code));
    return result;
}

// What one call reports. Outputs start with marker contents, so that a
// failed call can be seen to leave them alone.
struct Outcome
{
    bool found = false;
    int value = -12345;
    EvalHand::handType type = EvalHand::handType(-7);
    QByteArray kickers = QByteArrayLiteral("old kickers");
    QByteArray bestCards = QByteArrayLiteral("old best cards");
};

Outcome evaluate(EvalHand &evaluator, const QByteArray &free, const QByteArray &limited, int minLimited, int maxLimited)
{
    Outcome outcome;
    outcome.found = evaluator.Evaluate(free, limited, minLimited, maxLimited, outcome.value, outcome.type,
                                       outcome.kickers, &outcome.bestCards);
    return outcome;
}

Outcome evaluate(const QByteArray &free, const QByteArray &limited = QByteArray(), int minLimited = 0,
                 int maxLimited = 5)
{
    EvalHand evaluator;
    return evaluate(evaluator, free, limited, minLimited, maxLimited);
}

void verifyUntouched(const Outcome &outcome)
{
    const Outcome fresh;
    QVERIFY(!outcome.found);
    QCOMPARE(outcome.value, fresh.value);
    QCOMPARE(int(outcome.type), int(fresh.type));
    QCOMPARE(outcome.kickers, fresh.kickers);
    QCOMPARE(outcome.bestCards, fresh.bestCards);
}

} // namespace

class TestEvalHand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bestHand_data();
    void bestHand();
    void noHand_data();
    void noHand();
    void outputs();
    void laterCandidateWinsTies_data();
    void laterCandidateWinsTies();
    void objectsAreIndependent();
    void everyFiveCardHand();
    void everyFiveCardHandMatchesTheModel();
    void randomInputsMatchTheModel_data();
    void randomInputsMatchTheModel();
    void everyByteMatchesTheModel();
    void outputsInOneArray();
    void noAllocationOnceTheArraysHeldAHand();
    void typeNames_data();
    void typeNames();
};

void TestEvalHand::bestHand_data()
{
    QTest::addColumn<QByteArray>("free");
    QTest::addColumn<QByteArray>("limited");
    QTest::addColumn<int>("minLimited");
    QTest::addColumn<int>("maxLimited");
    QTest::addColumn<EvalHand::handType>("type");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("kickers");
    QTest::addColumn<QByteArray>("bestCards");

    // The window decides which cards may meet: spades ace to jack and a club two, ten of spades and three of diamonds.
    const QByteArray board = bytes({4, 52, 48, 44, 5});
    const QByteArray hole = bytes({40, 10});
    QTest::newRow("window 0 to 2") << board << hole << 0 << 2 << EvalHand::RoyalFlush << 0x09EDCBA0 << QByteArray()
                                   << bytes({4, 52, 48, 44, 40});
    QTest::newRow("window 2 to 2") << board << hole << 2 << 2 << EvalHand::HighCard << 0x00EDCA30
                                   << bytes({52, 48, 40, 10}) << bytes({4, 52, 48, 40, 10});

    // Cards come out in the order the value reads them.
    QTest::newRow("four nines") << bytes({33, 34, 49, 35, 36}) << QByteArray() << 0 << 5 << EvalHand::FourOfAKind
                                << 0x079999D0 << bytes({49}) << bytes({36, 35, 34, 33, 49});
    QTest::newRow("kings and nines") << bytes({49, 34, 50, 19, 36}) << QByteArray() << 0 << 5 << EvalHand::TwoPair
                                     << 0x02DD9950 << bytes({19}) << bytes({50, 49, 36, 34, 19});
    QTest::newRow("five-high straight") << bytes({4, 5, 10, 15, 17}) << QByteArray() << 0 << 5 << EvalHand::Straight
                                        << 0x045432E0 << QByteArray() << bytes({17, 15, 10, 5, 4});
    QTest::newRow("pairs in the other byte order")
        << cards("c9 d9 cK dK s5") << QByteArray() << 0 << 5 << EvalHand::TwoPair << 0x02DD9950 << cards("s5")
        << cards("dK cK d9 c9 s5");

    // One hand of each worked value.
    QTest::newRow("royal flush") << cards("sA sK sQ sJ sT") << QByteArray() << 0 << 5 << EvalHand::RoyalFlush
                                 << 0x09EDCBA0 << QByteArray() << cards("sA sK sQ sJ sT");
    QTest::newRow("king-high straight flush")
        << cards("h9 hJ hK hT hQ") << QByteArray() << 0 << 5 << EvalHand::StraightFlush << 0x08DCBA90 << QByteArray()
        << cards("hK hQ hJ hT h9");
    QTest::newRow("five-high straight flush")
        << cards("dA d2 d3 d4 d5") << QByteArray() << 0 << 5 << EvalHand::StraightFlush << 0x085432E0 << QByteArray()
        << cards("d5 d4 d3 d2 dA");
    QTest::newRow("nines full of kings") << cards("c9 d9 h9 cK dK") << QByteArray() << 0 << 5 << EvalHand::FullHouse
                                         << 0x06999DD0 << QByteArray() << cards("h9 d9 c9 cK dK");
    QTest::newRow("six-high straight") << cards("c6 d5 h4 s3 c2") << QByteArray() << 0 << 5 << EvalHand::Straight
                                       << 0x04654320 << QByteArray() << cards("c6 d5 h4 s3 c2");
    QTest::newRow("pair of nines") << cards("c9 d9 sA hK c5") << QByteArray() << 0 << 5 << EvalHand::Pair << 0x0199ED50
                                   << cards("sA hK c5") << cards("d9 c9 sA hK c5");
    QTest::newRow("seven high") << cards("c2 s3 c7 d5 h4") << QByteArray() << 0 << 5 << EvalHand::HighCard << 0x00754320
                                << cards("d5 h4 s3 c2") << cards("c7 d5 h4 s3 c2");
    QTest::newRow("three queens") << cards("c4 sQ hQ dJ cQ") << QByteArray() << 0 << 5 << EvalHand::ThreeOfAKind
                                  << 0x03CCCB40 << cards("dJ c4") << cards("cQ hQ sQ dJ c4");
    QTest::newRow("flush") << cards("c4 cQ c9 cJ c2") << QByteArray() << 0 << 5 << EvalHand::Flush << 0x05CB9420
                           << QByteArray() << cards("cQ cJ c9 c4 c2");

    // Straights at their edges.
    QTest::newRow("ace-high straight") << cards("sA hK sQ sJ sT") << QByteArray() << 0 << 5 << EvalHand::Straight
                                       << 0x04EDCBA0 << QByteArray() << cards("sA hK sQ sJ sT");
    QTest::newRow("ace, king, queen, jack, two")
        << cards("sA hK sQ sJ c2") << QByteArray() << 0 << 5 << EvalHand::HighCard << 0x00EDCB20 << cards("hK sQ sJ c2")
        << cards("sA hK sQ sJ c2");
    QTest::newRow("no wrap around the ace") << cards("hQ sK sA c2 d3") << QByteArray() << 0 << 5 << EvalHand::HighCard
                                            << 0x00EDC320 << cards("sK hQ d3 c2") << cards("sA sK hQ d3 c2");

    // The best five of seven, and the window counting the second array only.
    QTest::newRow("hold'em") << cards("cK dK h9 s4 c2") << cards("sK hA") << 0 << 2 << EvalHand::ThreeOfAKind
                             << 0x03DDDE90 << cards("hA h9") << cards("sK dK cK hA h9");
    QTest::newRow("empty second array") << cards("cK dK h9 s4 c2 c9") << QByteArray() << 0 << 0 << EvalHand::TwoPair
                                        << 0x02DD9940 << cards("s4") << cards("dK cK c9 h9 s4");
    QTest::newRow("huge window") << cards("c2 c3 c4 c5") << cards("c6") << INT_MIN << INT_MAX << EvalHand::StraightFlush
                                 << 0x08654320 << QByteArray() << cards("c6 c5 c4 c3 c2");

    // Repeated bytes are separate cards.
    QTest::newRow("flush holding a pair") << cards("sA sA sK sQ s9") << QByteArray() << 0 << 5 << EvalHand::Flush
                                          << 0x05EEDC90 << QByteArray() << cards("sA sA sK sQ s9");
    QTest::newRow("flush holding four aces")
        << cards("sA sK sA sA sA") << QByteArray() << 0 << 5 << EvalHand::FourOfAKind << 0x07EEEED0 << cards("sK")
        << cards("sA sA sA sA sK");
    QTest::newRow("flush holding a full house")
        << cards("sK sA sA sK sA") << QByteArray() << 0 << 5 << EvalHand::FullHouse << 0x06EEEDD0 << QByteArray()
        << cards("sA sA sA sK sK");
    QTest::newRow("five aces of one suit") << cards("hA hA hA hA hA") << QByteArray() << 0 << 5 << EvalHand::Flush
                                           << 0x05EEEEE0 << QByteArray() << cards("hA hA hA hA hA");
    QTest::newRow("five aces of two suits") << cards("hA sA hA sA hA") << QByteArray() << 0 << 5 << EvalHand::HighCard
                                            << 0x00EEEEE0 << cards("sA hA sA hA") << cards("hA sA hA sA hA");

    // Bytes that are no real card: 0 and -1 are aces of a suit of their own,
    // 53 an ace of clubs, -3 a club of rank 0 and -16 a card of rank -3;
    // cards below rank 1 are never counted nor kickers, and their ranks are
    // sign-extended into the value.
    QTest::newRow("zero byte as an ace") << bytes({0, 52, 48, 44, 40}) << QByteArray() << 0 << 5 << EvalHand::Straight
                                         << 0x04EDCBA0 << QByteArray() << bytes({0, 52, 48, 44, 40});
    QTest::newRow("backs share their suit") << bytes({0, -1, 0, -1, 0}) << QByteArray() << 0 << 5 << EvalHand::Flush
                                            << 0x05EEEEE0 << QByteArray() << bytes({0, -1, 0, -1, 0});
    QTest::newRow("53 as an ace of clubs")
        << bytes({53, 49, 45, 41, 37}) << QByteArray() << 0 << 5 << EvalHand::RoyalFlush << 0x09EDCBA0 << QByteArray()
        << bytes({53, 49, 45, 41, 37});
    QTest::newRow("rank 0 in a flush") << bytes({-3, 5, 9, 13, 1}) << QByteArray() << 0 << 5 << EvalHand::Flush
                                       << 0x05E43200 << QByteArray() << bytes({1, 13, 9, 5, -3});
    QTest::newRow("negative rank spills over")
        << bytes({4, 52, -16, 48, 44}) << QByteArray() << 0 << 5 << EvalHand::HighCard << int(0xFFFFFFD0)
        << bytes({52, 48, 44}) << bytes({4, 52, 48, 44, -16});
    QTest::newRow("straight below the two")
        << bytes({-19, -3, -11, -8, -15}) << QByteArray() << 0 << 5 << EvalHand::Straight << int(0xFFFFFFC0)
        << QByteArray() << bytes({-3, -8, -11, -15, -19});
    QTest::newRow("pair of uncounted cards")
        << bytes({-3, -4, 4, 52, 48}) << QByteArray() << 0 << 5 << EvalHand::HighCard << 0x00EDC000 << bytes({52, 48})
        << bytes({4, 52, 48, -3, -4});
}

void TestEvalHand::bestHand()
{
    QFETCH(QByteArray, free);
    QFETCH(QByteArray, limited);
    QFETCH(int, minLimited);
    QFETCH(int, maxLimited);
    QFETCH(EvalHand::handType, type);
    QFETCH(int, value);
    QFETCH(QByteArray, kickers);
    QFETCH(QByteArray, bestCards);

    const Outcome outcome = evaluate(free, limited, minLimited, maxLimited);
    QVERIFY(outcome.found);
    QCOMPARE(int(outcome.type), int(type));
    QCOMPARE(QByteArray::number(outcome.value, 16), QByteArray::number(value, 16));
    QCOMPARE(outcome.kickers, kickers);
    QCOMPARE(outcome.bestCards, bestCards);
}

void TestEvalHand::noHand_data()
{
    QTest::addColumn<QByteArray>("free");
    QTest::addColumn<QByteArray>("limited");
    QTest::addColumn<int>("minLimited");
    QTest::addColumn<int>("maxLimited");

    const QByteArray board = bytes({4, 52, 48, 44, 5});
    const QByteArray hole = bytes({40, 10});
    QTest::newRow("window 3 to 5") << board << hole << 3 << 5;
    QTest::newRow("no cards") << QByteArray() << QByteArray() << 0 << 5;
    QTest::newRow("four cards") << cards("sA sK") << cards("sQ sJ") << 0 << 5;
    QTest::newRow("empty second array, one wanted") << board << QByteArray() << 1 << 5;
    QTest::newRow("inverted window") << board << hole << 2 << 1;
    QTest::newRow("negative window") << board << hole << -5 << -1;
    QTest::newRow("more wanted than given") << board << hole << 3 << 3;
    QTest::newRow("too few free cards") << cards("sA sK sQ") << cards("sJ sT s9") << 0 << 1;
    QTest::newRow("window of INT_MIN") << board << hole << INT_MIN << INT_MIN;

    // A byte beyond the king (57 to 127) fails the call wherever it stands.
    QTest::newRow("57 among the free cards") << bytes({4, 52, 48, 44, 40, 57}) << QByteArray() << 0 << 5;
    QTest::newRow("127 outside the window") << board << bytes({127}) << 0 << 0;
    QTest::newRow("beyond the king in a short pool") << bytes({100}) << QByteArray() << 0 << 5;
}

void TestEvalHand::noHand()
{
    QFETCH(QByteArray, free);
    QFETCH(QByteArray, limited);
    QFETCH(int, minLimited);
    QFETCH(int, maxLimited);

    EvalHand evaluator;
    verifyUntouched(evaluate(evaluator, free, limited, minLimited, maxLimited));

    // The next call on the same object is not disturbed by the failure.
    const Outcome next = evaluate(evaluator, cards("c9 d9 sA hK c5"), QByteArray(), 0, 0);
    QVERIFY(next.found);
    QCOMPARE(next.value, 0x0199ED50);
    QCOMPARE(next.bestCards, cards("d9 c9 sA hK c5"));
}

void TestEvalHand::outputs()
{
    EvalHand evaluator;
    int value = 0;
    EvalHand::handType type = EvalHand::HighCard;
    QByteArray kickers = cards("sA sK sQ sJ sT h2");

    // Without a place for the five cards only value, type and kickers are written.
    QVERIFY(evaluator.Evaluate(cards("hA hK hQ hJ hT"), QByteArray(), 0, 5, value, type, kickers));
    QCOMPARE(type, EvalHand::RoyalFlush);
    QCOMPARE(value, 0x09EDCBA0);
    QVERIFY(kickers.isEmpty());

    QByteArray five = cards("sA sK sQ sJ sT h2 h3 h4");
    QVERIFY(evaluator.Evaluate(cards("c2 d2 c5"), cards("h2 c3 s9"), 0, 5, value, type, kickers, &five));
    QCOMPARE(type, EvalHand::ThreeOfAKind);
    QCOMPARE(kickers, cards("s9 c5"));
    QCOMPARE(five, cards("h2 d2 c2 s9 c5"));

    // The inputs are the caller's and stay as they were.
    const QByteArray board = cards("c2 d2 c5");
    QByteArray shared = board;
    QVERIFY(evaluator.Evaluate(shared, shared, 0, 5, value, type, kickers, &five));
    QCOMPARE(shared, board);
    QCOMPARE(type, EvalHand::FourOfAKind);
    QCOMPARE(five, cards("d2 c2 d2 c2 c5"));
}

void TestEvalHand::laterCandidateWinsTies_data()
{
    QTest::addColumn<QByteArray>("free");
    QTest::addColumn<QByteArray>("limited");
    QTest::addColumn<int>("minLimited");
    QTest::addColumn<int>("maxLimited");
    QTest::addColumn<QByteArray>("bestCards");

    // Five cards at positions 1 to 5 come after any choice that holds position 0.
    QTest::newRow("straight without the first ace")
        << cards("dA sK sQ sJ sT hA") << QByteArray() << 0 << 5 << cards("hA sK sQ sJ sT");
    QTest::newRow("same ranks, later suit")
        << cards("sA sK sQ sJ") << cards("c9 d9") << 1 << 1 << cards("sA sK sQ sJ d9");
    QTest::newRow("the later nines of a full house")
        << cards("cK c9 dK d9 hK") << cards("h9") << 0 << 5 << cards("hK dK cK d9 h9");
    QTest::newRow("the window keeps the last nine out")
        << cards("cK c9 dK d9 hK") << cards("h9") << 0 << 0 << cards("hK dK cK c9 d9");
    QTest::newRow("the window allows one later nine")
        << cards("c9 d9 cK dK hK") << cards("h9 s9") << 0 << 1 << cards("hK dK cK d9 s9");
}

void TestEvalHand::laterCandidateWinsTies()
{
    QFETCH(QByteArray, free);
    QFETCH(QByteArray, limited);
    QFETCH(int, minLimited);
    QFETCH(int, maxLimited);
    QFETCH(QByteArray, bestCards);
    QCOMPARE(evaluate(free, limited, minLimited, maxLimited).bestCards, bestCards);
}

void TestEvalHand::objectsAreIndependent()
{
    EvalHand first;
    QVERIFY(evaluate(first, cards("hA hK hQ hJ hT"), QByteArray(), 0, 5).found);
    EvalHand copy(first);
    EvalHand assigned;
    assigned = copy;
    assigned = *&assigned;

    QCOMPARE(evaluate(copy, cards("c2 d2 h2 s2 c3"), QByteArray(), 0, 5).type, EvalHand::FourOfAKind);
    QCOMPARE(evaluate(first, cards("c2 d7 h2 s8 c3"), QByteArray(), 0, 5).type, EvalHand::Pair);
    QCOMPARE(evaluate(assigned, cards("c2"), cards("c3 c4 c5 c6"), 0, 5).type, EvalHand::StraightFlush);
    verifyUntouched(evaluate(assigned, cards("c2"), cards("c3 c4 c5 c6"), 0, 3));
}

void TestEvalHand::everyFiveCardHand()
{
    // Known counts over all 2,598,960 hands of a 52-card deck: the number of
    // hands and of distinct values in each category, royal flush first.
    const int expectedHands[] = {4, 36, 624, 3744, 5108, 10200, 54912, 123552, 1098240, 1302540};
    const int expectedValues[] = {1, 9, 156, 156, 1277, 10, 858, 858, 2860, 1277};

    EvalHand evaluator;
    int hands[10] = {};
    std::unordered_set<int> values[10];
    QByteArray hand(5, 0);
    QByteArray kickers;
    char *code = hand.data();
    for (code[0] = 1; code[0] <= 52; ++code[0]) {
        for (code[1] = code[0] + 1; code[1] <= 52; ++code[1]) {
            for (code[2] = code[1] + 1; code[2] <= 52; ++code[2]) {
                for (code[3] = code[2] + 1; code[3] <= 52; ++code[3]) {
                    for (code[4] = code[3] + 1; code[4] <= 52; ++code[4]) {
                        int value = 0;
                        EvalHand::handType type = EvalHand::HighCard;
                        if (!evaluator.Evaluate(hand, QByteArray(), 0, 0, value, type, kickers))
                            QFAIL("no hand found");
                        const int category = EvalHand::RoyalFlush - type;
                        QVERIFY(category >= 0 && category < 10);
                        QCOMPARE(value >> 24, int(type));
                        ++hands[category];
                        values[category].insert(value);
                    }
                }
            }
        }
    }

    int distinct = 0;
    for (int category = 0; category < 10; ++category) {
        QCOMPARE(hands[category], expectedHands[category]);
        QCOMPARE(int(values[category].size()), expectedValues[category]);
        distinct += int(values[category].size());
    }
    QCOMPARE(distinct, 7462);
}

void TestEvalHand::everyFiveCardHandMatchesTheModel()
{
    EvalHandComparison comparison;
    EvalHandInput input;
    input.cards = QByteArray(5, 0);
    char *code = input.cards.data();
    for (code[0] = 1; code[0] <= 52; ++code[0]) {
        for (code[1] = code[0] + 1; code[1] <= 52; ++code[1]) {
            for (code[2] = code[1] + 1; code[2] <= 52; ++code[2]) {
                for (code[3] = code[2] + 1; code[3] <= 52; ++code[3]) {
                    for (code[4] = code[3] + 1; code[4] <= 52; ++code[4]) {
                        const QString difference = comparison.compare(input);
                        QVERIFY2(difference.isEmpty(), qPrintable(difference));
                    }
                }
            }
        }
    }
}

void TestEvalHand::randomInputsMatchTheModel_data()
{
    QTest::addColumn<MakeInput>("make");
    QTest::addColumn<int>("calls");

    QTest::newRow("hold'em deals") << MakeInput(&EvalHandInputs::holdem) << 20000;
    QTest::newRow("Omaha deals") << MakeInput(&EvalHandInputs::omaha) << 10000;
    QTest::newRow("random shapes and windows") << MakeInput(&EvalHandInputs::randomShape) << 10000;
    QTest::newRow("narrow decks") << MakeInput(&EvalHandInputs::narrowDeck) << 10000;
    QTest::newRow("arbitrary bytes") << MakeInput(&EvalHandInputs::arbitrary) << 10000;
}

void TestEvalHand::randomInputsMatchTheModel()
{
    QFETCH(MakeInput, make);
    QFETCH(int, calls);

    EvalHandInputs inputs(20240611);
    EvalHandComparison comparison;
    for (int call = 0; call < calls; ++call) {
        const QString difference = comparison.compare((inputs.*make)());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
}

void TestEvalHand::everyByteMatchesTheModel()
{
    // Each of the 256 bytes among real cards, repeated, and limited.
    EvalHandComparison comparison;
    const QByteArray court = cards("sA sK sQ sJ");
    for (int byte = 0; byte < 256; ++byte) {
        const QByteArray one(1, char(byte));
        const EvalHandInput inputs[] = {
            {one + court, QByteArray(), 0, 0},
            {QByteArray(5, char(byte)), QByteArray(), 0, 0},
            {one + one + cards("h2 d2 c9"), one, 0, 1},
            {court, one + cards("s9 sT"), 1, 2},
        };
        for (const EvalHandInput &input : inputs) {
            const QString difference = comparison.compare(input);
            QVERIFY2(difference.isEmpty(), qPrintable(difference));
        }
    }
}

void TestEvalHand::outputsInOneArray()
{
    // Kickers and cards given as one array: the cards, written last, stay.
    const QByteArray board = cards("c9 d9 sA hK");
    const QByteArray hole = cards("c5 h9");
    EvalHand evaluator;
    EvalHandModel model;
    int value = 0;
    EvalHand::handType type = EvalHand::HighCard;
    QByteArray both = QByteArrayLiteral("old");
    QVERIFY(evaluator.Evaluate(board, hole, 0, 2, value, type, both, &both));
    QByteArray modelBoth = QByteArrayLiteral("old");
    QVERIFY(model.Evaluate(board, hole, 0, 2, value, type, modelBoth, &modelBoth));
    QCOMPARE(both, modelBoth);
    QCOMPARE(both, cards("h9 d9 c9 sA hK"));
}

void TestEvalHand::noAllocationOnceTheArraysHeldAHand()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("The sanitizer's allocator is not counted");
#else
    EvalHandInputs make(7);
    std::vector<EvalHandInput> inputs;
    for (int i = 0; i < 300; ++i) {
        inputs.push_back(make.holdem());
        inputs.push_back(make.omaha());
        inputs.push_back(make.randomShape());
        inputs.push_back(make.narrowDeck());
        inputs.push_back(make.arbitrary());
    }

    EvalHand evaluator;
    int value = 0;
    EvalHand::handType type = EvalHand::HighCard;
    QByteArray kickers;
    QByteArray bestCards;
    for (const EvalHandInput &input : inputs) {
        evaluator.Evaluate(input.cards, input.limitedCards, input.minLimited, input.maxLimited, value, type, kickers,
                           &bestCards);
    }

    // The kickers change size from call to call; every fifth call wants no cards.
    const long before = allocations.load();
    int calls = 0;
    for (const EvalHandInput &input : inputs) {
        evaluator.Evaluate(input.cards, input.limitedCards, input.minLimited, input.maxLimited, value, type, kickers,
                           ++calls % 5 ? &bestCards : nullptr);
    }
    const long during = allocations.load() - before;
    QCOMPARE(during, 0L);
#endif
}

void TestEvalHand::typeNames_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");

    const char *names[] = {"High card", "Pair",       "Two pair",       "Three of a kind", "Straight",
                           "Flush",     "Full house", "Four of a kind", "Straight flush",  "Royal flush"};
    for (int type = EvalHand::HighCard; type <= EvalHand::RoyalFlush; ++type)
        QTest::newRow(names[type]) << type << QString::fromLatin1(names[type]);
    QTest::newRow("below") << -1 << QString();
    QTest::newRow("above") << 10 << QString();
    QTest::newRow("far above") << INT_MAX << QString();
}

void TestEvalHand::typeNames()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QCOMPARE(EvalHand::typeName(EvalHand::handType(type)), name);
}

QTEST_GUILESS_MAIN(TestEvalHand)

#include "tst_evalhand.moc"
