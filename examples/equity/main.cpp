// marrowick-equity: each player's odds in a poker hand whose board is still
// to come, worked out by the library's equity calculator in the background
// while a progress line runs. Run with -h for the options.

#include "equitysetup.h"
#include "oddsreport.h"

#include <marrowick/equitycalculator.h>

#include <QtCore/QCoreApplication>

#include <cstdio>
#include <unistd.h>

using Marrowick::EquityCalculator;
using Marrowick::EquityResult;

namespace {

int badInput(const QString &message)
{
    std::fprintf(stderr, "marrowick-equity: %s\n", qPrintable(message));
    return 2;
}

void setUp(EquityCalculator &calculator, const EquitySetup &setup)
{
    calculator.setGame(setup.game == Game::Omaha ? EquityCalculator::Omaha : EquityCalculator::TexasHoldem);
    calculator.setPlayers(setup.hands);
    calculator.setBoard(setup.board);
    calculator.setDeadCards(setup.dead);
    calculator.setTrials(setup.trials);
    calculator.setThreadCount(setup.threads);
    calculator.setSeed(setup.seed);
}

// Boards done so far, on standard error when it is a terminal; the calculator reports a few times a second.
void showProgress(qint64 done, qint64 total)
{
    if (total > 0)
        std::fprintf(stderr, "\rBoards: %lld of %lld (%d%%)", static_cast<long long>(done),
                     static_cast<long long>(total), int(100 * done / total));
    std::fflush(stderr);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Names of the settings store that option values fall back to.
    QCoreApplication::setOrganizationName(QStringLiteral("Marrowick"));
    QCoreApplication::setApplicationName(QStringLiteral("marrowick-equity"));

    EquitySetup setup;
    QString error;
    switch (readEquitySetup(argc, argv, &setup, &error)) {
    case SetupOutcome::HelpRequested:
        return 0;
    case SetupOutcome::BadOption:
        return badInput(QStringLiteral("unknown option or missing value; the options are listed above"));
    case SetupOutcome::BadValue:
        return badInput(error);
    case SetupOutcome::Run:
        break;
    }

    EquityCalculator calculator;
    setUp(calculator, setup);
    error = calculator.validate();
    if (!error.isEmpty())
        return badInput(error);

    const bool progressLine = !setup.tsv && isatty(STDERR_FILENO);
    bool progressShown = false;
    QObject::connect(&calculator, &EquityCalculator::progress, [&](qint64 done, qint64 total) {
        if (progressLine) {
            showProgress(done, total);
            progressShown = true;
        }
    });
    QObject::connect(&calculator, &EquityCalculator::finished, [&](const EquityResult &result) {
        if (progressShown)
            std::fputs("\r\033[K", stderr);
        const QString text = setup.tsv ? oddsTsv(setup, result) : oddsTable(setup, result);
        std::fputs(text.toLocal8Bit().constData(), stdout);
        std::fflush(stdout);
        app.quit();
    });
    calculator.start();
    return app.exec();
}
