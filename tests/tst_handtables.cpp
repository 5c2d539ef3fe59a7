// The calculator's lookup tables against EvalHand::Evaluate: the same values,
// hence the same order and the same ties, on every five-card hand and on
// random deals of the games.

#include "handtables.h"
#include "scorers.h"

#include <marrowick/evalhand.h>

#include <QtTest/QtTest>

#include <algorithm>
#include <numeric>
#include <random>

using namespace Marrowick;
using namespace Marrowick::Equity;

namespace {

QByteArray codesOf(const int *cards, int count)
{
    QByteArray codes;
    for (int i = 0; i < count; ++i)
        codes.append(codeFromCard(cards[i]));
    return codes;
}

int evaluate(const QByteArray &board, const QByteArray &hole, int minFromHole, int maxFromHole)
{
    EvalHand evaluator;
    int value = -1;
    EvalHand::handType type = EvalHand::HighCard;
    QByteArray kickers;
    evaluator.Evaluate(board, hole, minFromHole, maxFromHole, value, type, kickers);
    return value;
}

} // namespace

class TestHandTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cardCodes();
    void everyFiveCardHand();
    void randomDeals_data();
    void randomDeals();
};

void TestHandTables::cardCodes()
{
    for (int card = 0; card < deckSize; ++card)
        QCOMPARE(cardFromCode(codeFromCard(card)), card);
    QCOMPARE(cardFromCode(0), -1);
    QCOMPARE(cardFromCode(53), -1);
    QCOMPARE(cardFromCode(char(-1)), -1);
}

// Evaluate's values of all 2,598,960 hands, found once by one pass over the
// hands in an order that lets one evaluator call score each.
void TestHandTables::everyFiveCardHand()
{
    const HandTables &tables = HandTables::instance();
    EvalHand evaluator;
    int value = 0;
    EvalHand::handType type = EvalHand::HighCard;
    QByteArray kickers;
    QByteArray codes(boardSize, 0);
    int cards[boardSize];
    int hands = 0;
    int mismatches = 0;
    for (cards[0] = 0; cards[0] < deckSize; ++cards[0])
        for (cards[1] = cards[0] + 1; cards[1] < deckSize; ++cards[1])
            for (cards[2] = cards[1] + 1; cards[2] < deckSize; ++cards[2])
                for (cards[3] = cards[2] + 1; cards[3] < deckSize; ++cards[3])
                    for (cards[4] = cards[3] + 1; cards[4] < deckSize; ++cards[4]) {
                        for (int i = 0; i < boardSize; ++i)
                            codes[i] = codeFromCard(cards[i]);
                        evaluator.Evaluate(codes, QByteArray(), 0, 0, value, type, kickers);
                        ++hands;
                        const int tableValue = tables.valueOf(tables.bestStrength(cards, boardSize));
                        if (tableValue != value || fiveCardValue(cards) != value) {
                            if (++mismatches < 5)
                                qWarning("%s: tables %x, Evaluate %x", codes.toHex().constData(), unsigned(tableValue),
                                         unsigned(value));
                        }
                    }
    QCOMPARE(hands, 2598960);
    QCOMPARE(mismatches, 0);
}

// Each scorer, for the games it serves, against Evaluate with the game's window.
void TestHandTables::randomDeals_data()
{
    QTest::addColumn<int>("holeCount");
    QTest::addColumn<int>("minFromHole");
    QTest::addColumn<int>("maxFromHole");
    QTest::addColumn<int>("deals");
    QTest::newRow("hold'em") << 2 << 0 << 2 << 30000;
    QTest::newRow("one hole card") << 1 << 0 << 1 << 5000;
    QTest::newRow("Omaha") << 4 << 2 << 2 << 20000;
    QTest::newRow("five-card Omaha") << 5 << 2 << 2 << 5000;
    QTest::newRow("at least one of three") << 3 << 1 << 3 << 3000;
    QTest::newRow("three of six") << 6 << 3 << 3 << 2000;
}

void TestHandTables::randomDeals()
{
    QFETCH(int, holeCount);
    QFETCH(int, minFromHole);
    QFETCH(int, maxFromHole);
    QFETCH(int, deals);
    std::mt19937 random(uint(holeCount * 100 + minFromHole * 10 + maxFromHole));
    // Four players a deal, so that flushes among the hole cards of some and not others come up.
    constexpr int players = 4;
    for (int deal = 0; deal < deals; ++deal) {
        std::vector<int> deck(deckSize);
        std::iota(deck.begin(), deck.end(), 0);
        std::shuffle(deck.begin(), deck.end(), random);
        EquityProblem problem;
        problem.holeCount = holeCount;
        problem.minFromHole = minFromHole;
        problem.maxFromHole = maxFromHole;
        problem.board.assign(deck.begin(), deck.begin() + boardSize);
        for (int p = 0; p < players; ++p) {
            const auto first = deck.begin() + boardSize + p * holeCount;
            problem.holes.emplace_back(first, first + holeCount);
        }
        // Every scorer that serves the game, the general one of any window too.
        const CardsState board = stateOf(problem.board.data(), boardSize);
        std::vector<std::array<Strength, players>> scores;
        const auto score = [&](const auto &scorer) {
            scores.emplace_back();
            scorer.score(board, problem.board.data(), scores.back().data());
        };
        score(WindowScorer(problem));
        if (minFromHole == 0 && maxFromHole == holeCount && holeCount <= 2)
            score(FreeChoiceScorer(problem));
        if (minFromHole == 0 && maxFromHole == 2 && holeCount == 2)
            score(HoldemScorer(problem));
        if (minFromHole == 2 && maxFromHole == 2)
            score(TwoHoleScorer(problem));
        const QByteArray boardCodes = codesOf(problem.board.data(), boardSize);
        for (int p = 0; p < players; ++p) {
            const QByteArray holeCodes = codesOf(problem.holes[size_t(p)].data(), holeCount);
            const int expected = evaluate(boardCodes, holeCodes, minFromHole, maxFromHole);
            for (const std::array<Strength, players> &hands : scores) {
                const int value = HandTables::instance().valueOf(hands[p]);
                if (value != expected)
                    QFAIL(qPrintable(
                        QStringLiteral("board %1, hole %2: %3 against Evaluate's %4")
                            .arg(QString::fromLatin1(boardCodes.toHex()), QString::fromLatin1(holeCodes.toHex()))
                            .arg(value, 0, 16)
                            .arg(expected, 0, 16)));
            }
        }
    }
}

QTEST_MAIN(TestHandTables)
#include "tst_handtables.moc"
