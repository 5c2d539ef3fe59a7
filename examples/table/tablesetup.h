#ifndef MARROWICK_TABLE_TABLESETUP_H
#define MARROWICK_TABLE_TABLESETUP_H

#include "programoptions.h"

#include <QtCore/QString>

// What marrowick-table is asked to do.
struct TableSetup
{
    int players = 6;
    quint32 seed = 0;
    QString deck; ///< the deck: a file or a name; empty for marrowick-deck
    QString decksDir; ///< searched first for the deck, when not empty
    QString screenshot; ///< when not empty: deal once, save the table to this PNG file and quit
};

// Reads the command line, the settings store and the defaults; without -seed the seed is random.
SetupOutcome readTableSetup(int argc, char *argv[], TableSetup *setup, QString *error);

#endif
