#ifndef MARROWICK_HANDEVAL_BELOWZERO_H
#define MARROWICK_HANDEVAL_BELOWZERO_H

#include "handvalue.h"
#include "window.h"

namespace Marrowick {
namespace HandEvaluation {

/**
 * The evaluation of a pool in which every choice of five cards that the
 * window allows takes a card ranked below zero (a byte from -7 down), among
 * the cards at @p positions (ascending, @p count of them). False when no
 * choice fits the window.
 *
 * Such a hand's value depends only on its lowest rank and the parity of one
 * other rank (see belowzero.cpp), so the best value is one of 31, and the
 * latest choice of it is built card by card, each card the latest from which
 * the hand can still be completed. Each value and each card tried costs at
 * most two tests, each a count or a walk over the ranks: no more than
 * 62 + 10 * @p count tests in all.
 */
bool searchBelowZero(const HandPool &pool, const Window &window, const int *positions, int count, BestHand &best);

} // namespace HandEvaluation
} // namespace Marrowick

#endif
