#ifndef MARROWICK_SHOWDOWN_SHOWDOWNSETUP_H
#define MARROWICK_SHOWDOWN_SHOWDOWNSETUP_H

#include "deal.h"
#include "programoptions.h"

#include <QtCore/QString>

// Everything a run of marrowick-showdown is asked to do. The defaults live in
// the option table.
struct ShowdownSetup
{
    Game game = Game::Holdem;
    int players = 0;
    quint32 seed = 0;
    int deals = 0;
    Deal::FixedCards fixed;
    bool odds = false; ///< print the exact equities before the flop, turn and river
};

// Reads the command line, the settings store and the defaults into @p setup.
SetupOutcome readShowdownSetup(int argc, char *argv[], ShowdownSetup *setup, QString *error);

#endif
