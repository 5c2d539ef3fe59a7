#ifndef MARROWICK_EQUITY_EQUITYSETUP_H
#define MARROWICK_EQUITY_EQUITYSETUP_H

#include "game.h"
#include "programoptions.h"

#include <QtCore/QByteArray>
#include <QtCore/QList>

// What marrowick-equity is asked to work out.
struct EquitySetup
{
    Game game = Game::Holdem;
    QList<QByteArray> hands; ///< card codes, one entry a player
    QByteArray board;
    QByteArray dead;
    qint64 trials = 0; ///< 0: every board
    int threads = 0; ///< 0: every core
    quint64 seed = 0;
    bool tsv = false;
};

// Reads the command line. On HelpRequested and BadOption the help has been
// printed; on BadValue @p error says what is wrong in one line.
SetupOutcome readEquitySetup(int argc, char *argv[], EquitySetup *setup, QString *error);

#endif
