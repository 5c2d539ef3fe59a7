#ifndef MARROWICK_EQUITY_EQUITYRUN_H
#define MARROWICK_EQUITY_EQUITYRUN_H

#include "equitycalculator.h"
#include "equityproblem.h"

#include <atomic>

namespace Marrowick {
namespace Equity {

/// How a calculation is run.
struct RunSettings
{
    qint64 trials = 0; ///< random boards; 0 with no target: every board
    double targetStandardError = 0;
    quint64 seed = 0;
    int threads = 1; ///< at least 1
};

/// Shared between a running calculation and whoever watches it.
struct RunControl
{
    std::atomic<bool> cancel {false};
    std::atomic<qint64> done {0}; ///< boards counted or dealt so far
    std::atomic<qint64> total {0}; ///< boards the run will take; 0 while unknown
};

/// Random boards that a run with a target standard error deals at most, unless told otherwise.
const qint64 defaultTrialLimit = 1000000000;

/// Counts or deals the boards of @p problem; the time in the result leaves out building the tables.
EquityResult runEquity(const EquityProblem &problem, const RunSettings &settings, RunControl &control);

} // namespace Equity
} // namespace Marrowick

#endif
