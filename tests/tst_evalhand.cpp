#include "evalhandcomparison.h"
#include "evalhandinputs.h"

#include <marrowick/card.h>
#include <marrowick/evalhand.h>

#include <QtTest/QtTest>

#include <atomic>
#include <climits>
#include <cstdlib>
#include <unordered_set>

// GCC says so with a macro, clang through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ADDRESS_SANITIZER 1
#endif
#endif

#if !defined(ADDRESS_SANITIZER)
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

void addHand(const char *name, EvalHand::handType type, int value, const QByteArray &kickers,
             const QByteArray &bestCards, const QByteArray &free, const QByteArray &limited = QByteArray(),
             int minLimited = 0, int maxLimited = 5)
{
    QTest::newRow(name) << free << limited << minLimited << maxLimited << type << value << kickers << bestCards;
}

} // namespace

class TestEvalHand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bestHandOrNone_data();
    void bestHandOrNone();
    void everyFiveCardHand();
    void randomInputsMatchTheModel_data();
    void randomInputsMatchTheModel();
    void noAllocationOnceTheArraysHeldAHand();
    void typeNames_data();
    void typeNames();
};

void TestEvalHand::bestHandOrNone_data()
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
    addHand("window 0 to 2", EvalHand::RoyalFlush, 0x09EDCBA0, QByteArray(), bytes({4, 52, 48, 44, 40}), board, hole, 0,
            2);
    addHand("window 2 to 2", EvalHand::HighCard, 0x00EDCA30, bytes({52, 48, 40, 10}), bytes({4, 52, 48, 40, 10}), board,
            hole, 2, 2);

    // Cards come out in the order the value reads them.
    addHand("four nines", EvalHand::FourOfAKind, 0x079999D0, bytes({49}), bytes({36, 35, 34, 33, 49}),
            bytes({33, 34, 49, 35, 36}));
    addHand("kings and nines", EvalHand::TwoPair, 0x02DD9950, bytes({19}), bytes({50, 49, 36, 34, 19}),
            bytes({49, 34, 50, 19, 36}));
    addHand("five-high straight", EvalHand::Straight, 0x045432E0, QByteArray(), bytes({17, 15, 10, 5, 4}),
            bytes({4, 5, 10, 15, 17}));

    // One hand of each worked value.
    addHand("pair of nines", EvalHand::Pair, 0x0199ED50, cards("sA hK c5"), cards("d9 c9 sA hK c5"),
            cards("c9 d9 sA hK c5"));

    // Straights at their edges, windows at their extremes, a hold'em hand.
    addHand("no wrap around the ace", EvalHand::HighCard, 0x00EDC320, cards("sK hQ d3 c2"), cards("sA sK hQ d3 c2"),
            cards("hQ sK sA c2 d3"));
    addHand("huge window", EvalHand::StraightFlush, 0x08654320, QByteArray(), cards("c6 c5 c4 c3 c2"),
            cards("c2 c3 c4 c5"), cards("c6"), INT_MIN, INT_MAX);
    addHand("hold'em", EvalHand::ThreeOfAKind, 0x03DDDE90, cards("hA h9"), cards("sK dK cK hA h9"),
            cards("cK dK h9 s4 c2"), cards("sK hA"), 0, 2);

    // Repeated bytes are separate cards.
    addHand("flush holding a full house", EvalHand::FullHouse, 0x06EEEDD0, QByteArray(), cards("sA sA sA sK sK"),
            cards("sK sA sA sK sA"));
    addHand("five aces of two suits", EvalHand::HighCard, 0x00EEEEE0, cards("sA hA sA hA"), cards("hA sA hA sA hA"),
            cards("hA sA hA sA hA"));

    // Ties go to the later candidate: five cards at positions 1 to 5 come after any choice holding position 0.
    addHand("tie: straight without the first ace", EvalHand::Straight, 0x04EDCBA0, QByteArray(),
            cards("hA sK sQ sJ sT"), cards("dA sK sQ sJ sT hA"));
    addHand("tie: same ranks, later suit", EvalHand::HighCard, 0x00EDCB90, cards("sK sQ sJ d9"),
            cards("sA sK sQ sJ d9"), cards("sA sK sQ sJ"), cards("c9 d9"), 1, 1);
    addHand("tie: the window allows one later nine", EvalHand::FullHouse, 0x06DDD990, QByteArray(),
            cards("hK dK cK d9 s9"), cards("c9 d9 cK dK hK"), cards("h9 s9"), 0, 1);

    // Bytes that are no real card: 0 and -1 are aces of a suit of their own,
    // 53 an ace of clubs, -3 a club of rank 0 and -16 a card of rank -3;
    // cards below rank 1 are never counted nor kickers, and their ranks are
    // sign-extended into the value.
    addHand("backs share their suit", EvalHand::Flush, 0x05EEEEE0, QByteArray(), bytes({0, -1, 0, -1, 0}),
            bytes({0, -1, 0, -1, 0}));
    addHand("53 as an ace of clubs", EvalHand::RoyalFlush, 0x09EDCBA0, QByteArray(), bytes({53, 49, 45, 41, 37}),
            bytes({53, 49, 45, 41, 37}));
    addHand("negative rank spills over", EvalHand::HighCard, int(0xFFFFFFD0), bytes({52, 48, 44}),
            bytes({4, 52, 48, 44, -16}), bytes({4, 52, -16, 48, 44}));
    addHand("pair of uncounted cards", EvalHand::HighCard, 0x00EDC000, bytes({52, 48}), bytes({4, 52, 48, -3, -4}),
            bytes({-3, -4, 4, 52, 48}));

    // No hand: the outputs keep what they held.
    const auto noHand = [](const char *name, const QByteArray &free, const QByteArray &limited, int minLimited,
                           int maxLimited) {
        const EvalHandOutcome untouched;
        addHand(name, untouched.type, untouched.value, untouched.kickers, untouched.bestCards, free, limited,
                minLimited, maxLimited);
    };
    noHand("window 3 to 5", board, hole, 3, 5);
    noHand("no cards", QByteArray(), QByteArray(), 0, 5);
    noHand("inverted window", board, hole, 2, 1);
    noHand("too few free cards", cards("sA sK sQ"), cards("sJ sT s9"), 0, 1);
    // A byte beyond the king (57 to 127) fails the call wherever it stands.
    noHand("57 among the free cards", bytes({4, 52, 48, 44, 40, 57}), QByteArray(), 0, 5);
    noHand("127 outside the window", board, bytes({127}), 0, 0);
}

void TestEvalHand::bestHandOrNone()
{
    QFETCH(QByteArray, free);
    QFETCH(QByteArray, limited);
    QFETCH(int, minLimited);
    QFETCH(int, maxLimited);
    QFETCH(EvalHand::handType, type);
    QFETCH(int, value);
    QFETCH(QByteArray, kickers);
    QFETCH(QByteArray, bestCards);

    // A const evaluator: Evaluate keeps no state, and this would not compile if it could not be called so.
    const EvalHand evaluator;
    EvalHandOutcome outcome;
    outcome.found = evaluator.Evaluate(free, limited, minLimited, maxLimited, outcome.value, outcome.type,
                                       outcome.kickers, &outcome.bestCards);
    QCOMPARE(outcome.found, type != EvalHandOutcome().type);
    QCOMPARE(int(outcome.type), int(type));
    QCOMPARE(QByteArray::number(outcome.value, 16), QByteArray::number(value, 16));
    QCOMPARE(outcome.kickers, kickers);
    QCOMPARE(outcome.bestCards, bestCards);
}

void TestEvalHand::everyFiveCardHand()
{
    // Known counts over all 2,598,960 hands of a 52-card deck: the number of
    // hands and of distinct values in each category, royal flush first.
    const int expectedHands[] = {4, 36, 624, 3744, 5108, 10200, 54912, 123552, 1098240, 1302540};
    const int expectedValues[] = {1, 9, 156, 156, 1277, 10, 858, 858, 2860, 1277};

    EvalHand evaluator;
    EvalHandComparison comparison;
    int hands[10] = {};
    std::unordered_set<int> values[10];
    QByteArray kickers;
    QString difference;
    QByteArray hand(5, 0);
    char *code = hand.data();
    for (code[0] = 1; code[0] <= 52; ++code[0])
        for (code[1] = code[0] + 1; code[1] <= 52; ++code[1])
            for (code[2] = code[1] + 1; code[2] <= 52; ++code[2])
                for (code[3] = code[2] + 1; code[3] <= 52; ++code[3])
                    for (code[4] = code[3] + 1; code[4] <= 52; ++code[4]) {
                        int value = 0;
                        EvalHand::handType type = EvalHand::handType(-1);
                        evaluator.Evaluate(hand, QByteArray(), 0, 0, value, type, kickers);
                        const int category = qBound(0, EvalHand::RoyalFlush - type, 9);
                        ++hands[category];
                        values[category].insert(value);
                        if (difference.isEmpty())
                            difference = comparison.compare({hand, QByteArray(), 0, 0});
                    }
    QVERIFY2(difference.isEmpty(), qPrintable(difference));

    int distinct = 0;
    for (int category = 0; category < 10; ++category) {
        QCOMPARE(hands[category], expectedHands[category]);
        QCOMPARE(int(values[category].size()), expectedValues[category]);
        distinct += int(values[category].size());
    }
    QCOMPARE(distinct, 7462);
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
    QTest::newRow("big pools of repeated bytes") << MakeInput(&EvalHandInputs::bigPool) << 300;
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

void TestEvalHand::noAllocationOnceTheArraysHeldAHand()
{
#if defined(ADDRESS_SANITIZER)
    QSKIP("The sanitizer's allocator is not counted");
#else
    const MakeInput makers[] = {&EvalHandInputs::holdem, &EvalHandInputs::omaha, &EvalHandInputs::randomShape,
                                &EvalHandInputs::narrowDeck, &EvalHandInputs::arbitrary};
    EvalHandInputs make(7);
    std::vector<EvalHandInput> inputs;
    for (int i = 0; i < 1500; ++i)
        inputs.push_back((make.*makers[i % 5])());

    EvalHand evaluator;
    int value = 0;
    EvalHand::handType type = EvalHand::HighCard;
    QByteArray kickers;
    QByteArray bestCards;
    // The first round lets the arrays grow; in the second the kickers still change size from call to call, and
    // every fifth call wants no cards.
    long before = 0;
    for (int round = 0; round < 2; ++round) {
        before = allocations.load();
        int calls = 0;
        for (const EvalHandInput &input : inputs) {
            evaluator.Evaluate(input.cards, input.limitedCards, input.minLimited, input.maxLimited, value, type,
                               kickers, ++calls % 5 ? &bestCards : nullptr);
        }
    }
    QCOMPARE(allocations.load() - before, 0L);
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
}

void TestEvalHand::typeNames()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QCOMPARE(EvalHand::typeName(EvalHand::handType(type)), name);
}

QTEST_GUILESS_MAIN(TestEvalHand)

#include "tst_evalhand.moc"
