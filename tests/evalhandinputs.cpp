#include "evalhandinputs.h"

#include <algorithm>
#include <numeric>

EvalHandInputs::EvalHandInputs(quint32 seed)
    : random(seed)
{ }

int EvalHandInputs::uniform(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

QByteArray EvalHandInputs::distinctCards(int count)
{
    // A partial shuffle of the 52 codes.
    char deck[52];
    std::iota(deck, deck + 52, char(1));
    for (int i = 0; i < count; ++i)
        std::swap(deck[i], deck[uniform(i, 51)]);
    return QByteArray(deck, count);
}

EvalHandInput EvalHandInputs::deal(int freeCount, int limitedCount, int minLimited, int maxLimited)
{
    const QByteArray all = distinctCards(freeCount + limitedCount);
    return EvalHandInput {all.left(freeCount), all.mid(freeCount), minLimited, maxLimited};
}

EvalHandInput EvalHandInputs::holdem()
{
    return deal(5, 2, 0, 2);
}

EvalHandInput EvalHandInputs::omaha()
{
    return deal(5, 4, 2, 2);
}

EvalHandInput EvalHandInputs::split(const QByteArray &bytes, int low, int high)
{
    const int limitedCount = uniform(0, int(bytes.size()));
    const int minLimited = uniform(low, high);
    const int maxLimited = minLimited + uniform(low, high);
    return EvalHandInput {bytes.left(bytes.size() - limitedCount), bytes.right(limitedCount), minLimited, maxLimited};
}

EvalHandInput EvalHandInputs::randomShape()
{
    return split(distinctCards(uniform(5, 12)), -1, 5);
}

EvalHandInput EvalHandInputs::narrowDeck()
{
    // A random choice of 3 to 7 values and 1 to 4 suits, shuffled.
    int values[13];
    std::iota(values, values + 13, 0);
    std::shuffle(values, values + 13, random);
    int suits[4] = {0, 1, 2, 3};
    std::shuffle(suits, suits + 4, random);
    const int valueCount = uniform(3, 7);
    const int suitCount = uniform(1, 4);
    QByteArray deck;
    for (int v = 0; v < valueCount; ++v) {
        for (int s = 0; s < suitCount; ++s)
            deck.append(char(4 * values[v] + suits[s] + 1));
    }
    std::shuffle(deck.begin(), deck.end(), random);
    return split(deck.left(uniform(5, 12)), -1, 5);
}

EvalHandInput EvalHandInputs::arbitrary()
{
    const int count = uniform(0, 12);
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        const int kind = uniform(0, 99);
        if (kind < 55)
            bytes.append(char(uniform(1, 52))); // a real card, maybe a repeat
        else if (kind < 65 && !bytes.isEmpty())
            bytes.append(bytes.at(uniform(0, bytes.size() - 1))); // surely a repeat
        else if (kind < 75)
            bytes.append(char(uniform(-2, 0))); // backs and invalid cards: aces of no suit
        else if (kind < 80)
            bytes.append(char(uniform(53, 56))); // aces again
        else if (kind < 98)
            bytes.append(char(uniform(-128, -3))); // ranks of 0 and below
        else
            bytes.append(char(uniform(57, 127))); // beyond the king: the call fails
    }
    return split(bytes, -2, 6);
}

EvalHandInput EvalHandInputs::bigPool()
{
    const auto bytesFrom = [this](int count, int low, int high) {
        QByteArray bytes;
        for (int i = 0; i < count; ++i)
            bytes.append(char(uniform(low, high)));
        return bytes;
    };
    const QByteArray belowZero = bytesFrom(uniform(1, 3), -128, -7);
    QByteArray palette = distinctCards(uniform(2, 10));
    palette.append(bytesFrom(uniform(0, 3), -2, 0)); // aces of no suit
    palette.append(bytesFrom(uniform(0, 2), 53, 56)); // aces again
    palette.append(bytesFrom(uniform(0, 3), -6, -3)); // rank 0
    palette.append(belowZero);
    const auto draw = [this](const QByteArray &from, int count) {
        QByteArray bytes;
        for (int i = 0; i < count; ++i)
            bytes.append(from.at(uniform(0, from.size() - 1)));
        return bytes;
    };

    EvalHandInput input = split(draw(palette, uniform(13, 20)), -1, 5);
    if (uniform(0, 3) == 0)
        input.limitedCards = draw(belowZero, int(input.limitedCards.size()));
    return input;
}
