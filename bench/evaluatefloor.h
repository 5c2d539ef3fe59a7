#ifndef MARROWICK_BENCH_EVALUATEFLOOR_H
#define MARROWICK_BENCH_EVALUATEFLOOR_H

#include <marrowick/evalhand.h>

#include <QtCore/QByteArray>

// What any function of Evaluate's signature costs: the parameters passed, every
// input byte read, every output written. No evaluator can be faster.
bool evaluateFloor(QByteArray cards, QByteArray limitedCards, int minLimited, int maxLimited, int &value,
                   Marrowick::EvalHand::handType &type, QByteArray &kickers, QByteArray *bestCards);

#endif
