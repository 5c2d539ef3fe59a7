#include "showdownsetup.h"

#include "cardtext.h"
#include "programoptions.h"
#include "showdownoptions.h"

#include <algorithm>
#include <limits>

using OptionValues::readWholeNumber;

namespace {

bool readFixedCards(const ShowdownOptions &options, Deal::FixedCards *fixed, QString *error)
{
    const QString board = OptionValues::readText(options, QStringLiteral("board"));
    if (!CardText::parseCards(board, &fixed->board, error)) {
        *error = QStringLiteral("-board: ") + *error;
        return false;
    }
    const QString hands = OptionValues::readText(options, QStringLiteral("hands"));
    if (!hands.trimmed().isEmpty() && !CardText::parseHands(hands, &fixed->hands, error)) {
        *error = QStringLiteral("-hands: ") + *error;
        return false;
    }
    return true;
}

// With hands given, the table has one seat per hand (and at least two) unless -players, typed or
// stored, asks for more.
bool readPlayers(ShowdownOptions &options, int hands, int *players, QString *error)
{
    const QString name = QStringLiteral("players");
    if (hands > Deal::maxPlayers) {
        *error = QStringLiteral("-hands: ") + QString::number(hands) + QStringLiteral(" hands, but at most ") +
            QString::number(Deal::maxPlayers) + QStringLiteral(" players sit at a table");
        return false;
    }
    if (hands > 0 && !OptionValues::isGiven(options, name)) {
        *players = std::max(hands, Deal::minPlayers);
        return true;
    }
    qlonglong number = 0;
    if (!readWholeNumber(options, name, Deal::minPlayers, Deal::maxPlayers, &number, error))
        return false;
    *players = int(number);
    return true;
}

bool readSetup(ShowdownOptions &options, ShowdownSetup *setup, QString *error)
{
    if (!gameFromName(OptionValues::readText(options, QStringLiteral("game")), &setup->game, error))
        return false;
    qlonglong number = 0;
    if (!readWholeNumber(options, QStringLiteral("seed"), 0, std::numeric_limits<quint32>::max(), &number, error))
        return false;
    setup->seed = quint32(number);
    if (!readWholeNumber(options, QStringLiteral("deals"), 1, std::numeric_limits<int>::max(), &number, error))
        return false;
    setup->deals = int(number);
    setup->odds = options.value<bool>(QStringLiteral("odds"));
    if (setup->odds && setup->deals > 1) {
        *error = QStringLiteral("-odds shows the odds of a single deal; leave out -deals");
        return false;
    }
    if (!readFixedCards(options, &setup->fixed, error) ||
        !readPlayers(options, setup->fixed.hands.size(), &setup->players, error))
        return false;
    *error = Deal::checkFixedCards(setup->game, setup->players, setup->fixed);
    return error->isEmpty();
}

} // namespace

SetupOutcome readShowdownSetup(int argc, char *argv[], ShowdownSetup *setup, QString *error)
{
    ShowdownOptions options;
    if (!options.parseOptions(argc, argv))
        return SetupOutcome::BadOption;
    if (OptionValues::helpRequested(options)) {
        options.help();
        return SetupOutcome::HelpRequested;
    }
    const QStringList extra = options.remainingArgs();
    if (!extra.isEmpty()) {
        *error = QStringLiteral("unexpected argument \"") + extra.first() +
            QStringLiteral("\" (a value with spaces needs quotes)");
        return SetupOutcome::BadValue;
    }
    return readSetup(options, setup, error) ? SetupOutcome::Run : SetupOutcome::BadValue;
}
