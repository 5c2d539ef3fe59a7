#include "showdownoptions.h"

#include "programoptions.h"

#include <iostream>

using OptionValues::option;

ShowdownOptions::ShowdownOptions()
{
    setUseHelp(false);
    declare(
        QList<Option> {
            option("game", QMetaType::QString, "holdem or omaha", QStringLiteral("holdem")),
            option("players", QMetaType::Int, "players at the table, 2 to 10", 4),
            option("seed", QMetaType::UInt, "seed of the shuffle; the same seed deals the same cards", 6),
            option("deals", QMetaType::Int, "number of deals; more than one prints how often each hand came up", 1),
            option("board", QMetaType::QString, "board cards to use, for example \"sA sK sQ sJ c2\"; the rest is dealt"),
            option("hands", QMetaType::QString,
                   "hole cards of the first players, hands separated by commas: \"sT d3,cK dK\""),
            option("odds", QMetaType::Bool, "print each player's exact equity before the flop, on the flop and on the turn"),
        } +
        OptionValues::helpSwitches());
}

void ShowdownOptions::help()
{
    std::cout << "Usage: marrowick-showdown [options]\n"
                 "Deals poker hands and shows every player's best hand and the winner.\n"
                 "Options may also be set in the settings file under the same names.\n\n";
    printOptionList();
    std::cout << "\nCards are written as suit and value: sA (ace of spades), hT (ten of hearts), d7, cK.\n"
                 "Examples:\n"
                 "  marrowick-showdown -players 6 -seed 7\n"
                 "  marrowick-showdown -board \"sA sK sQ sJ c2\" -hands \"sT d3,cK dK\"\n"
                 "  marrowick-showdown -deals 100000\n"
                 "  marrowick-showdown -players 6 -odds\n"
              << std::flush;
}
