#ifndef MARROWICK_TESTS_EVALHANDMODEL_H
#define MARROWICK_TESTS_EVALHANDMODEL_H

#include <marrowick/evalhand.h>

#include <QtCore/QByteArray>

#include <deque>
#include <functional>
#include <map>
#include <vector>

// What one call of Evaluate reports. The outputs start with marker contents,
// so that a call that fails can be seen to leave them alone.
struct EvalHandOutcome
{
    bool found = false;
    int value = -12345;
    Marrowick::EvalHand::handType type = Marrowick::EvalHand::handType(-7);
    QByteArray kickers = QByteArrayLiteral("old kickers");
    QByteArray bestCards = QByteArrayLiteral("old best cards");

    bool operator==(const EvalHandOutcome &other) const
    {
        return found == other.found && value == other.value && type == other.type && kickers == other.kickers &&
            bestCards == other.bestCards;
    }
};

/**
 * The hand evaluator written the straightforward way, kept as the reference
 * that the library's evaluator must match output for output: it decodes every
 * byte with Card::fromEncodedChar, enumerates every five-card choice in
 * lexicographic order, skips those outside the window, sorts and categorises
 * each by the chain of predicates and files it in a map ordered by value,
 * where a later choice replaces an earlier one of equal value.
 */
class EvalHandModel
{
public:
    using handType = Marrowick::EvalHand::handType;

    bool Evaluate(QByteArray cards, QByteArray limitedCards, int minLimited, int maxLimited, int &value, handType &type,
                  QByteArray &kickers, QByteArray *bestCards = nullptr);

private:
    struct HandCard
    {
        char code;
        qint8 suit;
        qint8 rank;
        quint8 limited;
    };

    struct HandRecord
    {
        std::deque<HandCard> cards;
        int value = 0;
        handType type = Marrowick::EvalHand::HighCard;
        QByteArray kickers;
    };

    void EvaluateHand();
    bool IsRoyalFlush();
    bool IsStraightFlush();
    bool IsFourOfAKind();
    bool IsFullHouse();
    bool IsFlush();
    bool IsStraight();
    bool IsThreeOfAKind();
    bool IsTwoPair();
    bool IsPair();
    void SwapCards(int i, int j);
    int Contains(int count, int after) const;
    int SetHandValue() const;
    static int ApplyMask(int mask, int value, int shift);
    void MoveRankToFront(int rank);

    std::deque<HandCard> allCards;
    std::map<int, HandRecord, std::greater<int>> results;
    std::vector<int> rankCounts;
    HandRecord current;
    bool straightTested = false;
    bool straightResult = false;
    bool flushTested = false;
    bool flushResult = false;
};

#endif
