#include "evaluatefloor.h"

// In a file of its own, so that the benchmark cannot inline it away.
bool evaluateFloor(QByteArray cards, QByteArray limitedCards, int minLimited, int maxLimited, int &value,
                   Marrowick::EvalHand::handType &type, QByteArray &kickers, QByteArray *bestCards)
{
    // Read through const pointers: no copy, no detach.
    const char *free = cards.constData();
    const char *limited = limitedCards.constData();
    int sum = minLimited + maxLimited;
    for (int i = 0; i < cards.size(); ++i)
        sum += free[i];
    for (int i = 0; i < limitedCards.size(); ++i)
        sum += limited[i];

    value = sum;
    type = Marrowick::EvalHand::handType(uint(sum) % 10u);
    // Outputs are copied from the first array as far as it reaches: it may
    // hold fewer cards than the outputs need.
    const int available = cards.size();
    kickers.resize(1 + (sum & 3));
    char *kicker = kickers.data();
    for (int i = 0; i < kickers.size(); ++i)
        kicker[i] = i < available ? free[i] : 0;
    if (bestCards) {
        bestCards->resize(5);
        char *card = bestCards->data();
        for (int i = 0; i < 5; ++i)
            card[i] = i < available ? free[i] : 0;
    }
    return true;
}
