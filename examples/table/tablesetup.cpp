#include "tablesetup.h"

#include "deal.h"
#include "programoptions.h"

#include <marrowick/commandlineoptions.h>

#include <QtCore/QRandomGenerator>

#include <iostream>
#include <limits>

using OptionValues::option;

namespace {

class TableOptions : public ProgramOptions
{
public:
    TableOptions()
    {
        setUseHelp(false);
        declare(QList<Option> {
                    option("players", QMetaType::Int, "players at the table, 2 to 10", 6),
                    option("seed", QMetaType::UInt, "seed of the shuffle (random when not given)"),
                    option("deck", QMetaType::QString,
                           "card deck to draw from: an SVG file, or the name of one in the deck folders "
                           "(default marrowick-deck)"),
                    option("decks", QMetaType::QString, "folder to look in first for decks by name"),
                    option("screenshot", QMetaType::QString, "deal once, save the table to this PNG file and quit"),
                } +
                OptionValues::helpSwitches());
    }

    void help() override
    {
        std::cout << "Usage: marrowick-table [options]\n"
                     "A poker table that deals Texas hold'em hands and shows who wins.\n\n";
        printOptionList();
        std::cout << std::flush;
    }
};

} // namespace

SetupOutcome readTableSetup(int argc, char *argv[], TableSetup *setup, QString *error)
{
    TableOptions options;
    if (!options.parseOptions(argc, argv))
        return SetupOutcome::BadOption;
    if (OptionValues::helpRequested(options)) {
        options.help();
        return SetupOutcome::HelpRequested;
    }
    if (!options.remainingArgs().isEmpty()) {
        *error = QStringLiteral("unexpected argument \"") + options.remainingArgs().first() + QLatin1Char('"');
        return SetupOutcome::BadValue;
    }
    qlonglong number = 0;
    if (!OptionValues::readWholeNumber(options, QStringLiteral("players"), Deal::minPlayers, Deal::maxPlayers, &number,
                                       error))
        return SetupOutcome::BadValue;
    setup->players = int(number);
    if (options.value<QVariant>(QStringLiteral("seed")).isValid()) {
        if (!OptionValues::readWholeNumber(options, QStringLiteral("seed"), 0, std::numeric_limits<quint32>::max(),
                                           &number, error))
            return SetupOutcome::BadValue;
        setup->seed = quint32(number);
    } else {
        setup->seed = QRandomGenerator::global()->generate();
    }
    setup->deck = OptionValues::readText(options, QStringLiteral("deck"));
    setup->decksDir = OptionValues::readText(options, QStringLiteral("decks"));
    setup->screenshot = OptionValues::readText(options, QStringLiteral("screenshot"));
    return SetupOutcome::Run;
}
