#ifndef MARROWICK_HANDEVAL_ANYPOOL_H
#define MARROWICK_HANDEVAL_ANYPOOL_H

#include "handvalue.h"
#include "window.h"

namespace Marrowick {
namespace HandEvaluation {

/**
 * The evaluation of a pool that is not plain: repeated codes, or bytes that
 * are no real card. False when no choice fits the window.
 *
 * Cards of one suit and rank are interchangeable, so the pool is scored by
 * how many cards of each suit and rank it holds rather than choice by choice;
 * see anypool.cpp for the cost.
 */
bool evaluateAnyPool(const HandPool &pool, const Window &window, BestHand &best);

} // namespace HandEvaluation
} // namespace Marrowick

#endif
