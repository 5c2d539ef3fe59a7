#include "programexit.h"

#include <QtCore/QCoreApplication>

#include <cstdio>

void printProblem(const QString &message)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(message));
}

int reportProblem(const QString &message, int exitCode)
{
    printProblem(message);
    return exitCode;
}

bool setupEndsProgram(SetupOutcome outcome, const QString &error, int *exitCode)
{
    switch (outcome) {
    case SetupOutcome::Run:
        return false;
    case SetupOutcome::HelpRequested:
        *exitCode = ExitSuccess;
        return true;
    case SetupOutcome::BadOption:
        *exitCode = reportProblem(QStringLiteral("unknown option or missing value; the options are listed above"),
                                  ExitBadInput);
        return true;
    case SetupOutcome::BadValue:
        *exitCode = reportProblem(error, ExitBadInput);
        return true;
    }
    return false;
}
