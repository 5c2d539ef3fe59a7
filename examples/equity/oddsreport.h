#ifndef MARROWICK_EQUITY_ODDSREPORT_H
#define MARROWICK_EQUITY_ODDSREPORT_H

#include "equitysetup.h"

#include <marrowick/equitycalculator.h>

// The odds for people: a table of percentages with the boards and the time.
QString oddsTable(const EquitySetup &setup, const Marrowick::EquityResult &result);

// The odds for programs: a header line, one line a player with fractions to
// six decimals, then the boards and the seconds of the calculation.
QString oddsTsv(const EquitySetup &setup, const Marrowick::EquityResult &result);

#endif
