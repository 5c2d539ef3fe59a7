#ifndef MARROWICK_EXAMPLES_PROGRAMEXIT_H
#define MARROWICK_EXAMPLES_PROGRAMEXIT_H

#include "programoptions.h"

#include <QtCore/QString>

// Exit codes shared by the example programs.
enum ProgramExit {
    ExitSuccess = 0,
    ExitFailure = 1, ///< the input was fine but the work could not be done
    ExitBadInput = 2 ///< the command line or the settings cannot be used
};

// Prints "<program>: <message>" on standard error, the program being the
// application name.
void printProblem(const QString &message);

// printProblem(), then @p exitCode for main() to return.
int reportProblem(const QString &message, int exitCode);

// Whether a program whose setup was read with @p outcome ends at once; then
// @p exitCode is 0 after the help and ExitBadInput after telling why.
bool setupEndsProgram(SetupOutcome outcome, const QString &error, int *exitCode);

#endif
