#ifndef MARROWICK_HANDEVAL_WINDOWEDSEARCH_H
#define MARROWICK_HANDEVAL_WINDOWEDSEARCH_H

#include "window.h"

namespace Marrowick {
namespace HandEvaluation {

/// The best value of a plain pool within a binding window; false for none.
bool bestWithinWindow(const HandPool &pool, const Window &window, int &value);

} // namespace HandEvaluation
} // namespace Marrowick

#endif
