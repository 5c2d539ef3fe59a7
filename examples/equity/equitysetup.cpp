#include "equitysetup.h"

#include "pokercards.h"

#include <iostream>
#include <limits>
#include <vector>

using OptionValues::option;
using OptionValues::readWholeNumber;

namespace {

class EquityOptions : public ProgramOptions
{
public:
    EquityOptions()
    {
        setUseHelp(false);
        declare(
            QList<Option> {
                option("game", QMetaType::QString, "holdem or omaha", QStringLiteral("holdem")),
                option("board", QMetaType::QString, "cards already on the board, for example AhKs2c"),
                option("dead", QMetaType::QString, "cards out of play, for example 7d"),
                option("trials", QMetaType::LongLong, "deal this many random boards instead of counting every board", 0),
                option("threads", QMetaType::Int, "worker threads; 0 uses every core", 0),
                option("seed", QMetaType::LongLong, "seed of the random boards; the same seed deals the same boards", 0),
                option("tsv", QMetaType::Bool, "print tab-separated lines for other programs"),
            } +
            OptionValues::helpSwitches());
    }

    void help() override
    {
        std::cout << "Usage: marrowick-equity [options] HAND HAND [HAND...]\n"
                     "Each player's chance to win a poker hand: the share of the boards won alone,\n"
                     "the share split and the share of the pot (equity), over every board that can\n"
                     "still come, or over random boards with -trials.\n\n";
        printOptionList();
        std::cout << "\nCards are written together, rank and suit in either order: AhKs or hAsK.\n"
                     "Each HAND is one player's hole cards: two in hold'em, four in Omaha.\n"
                     "Examples:\n"
                     "  marrowick-equity AhAs KdKc\n"
                     "  marrowick-equity -board Kh7d2c AhAs KdKc QsJs\n"
                     "  marrowick-equity -game omaha -trials 1000000 AhAsKhQs KdKcJdTc\n"
                  << std::flush;
    }
};

bool readCards(const EquityOptions &options, const char *name, QByteArray *codes, QString *error)
{
    const QString text = OptionValues::readText(options, QString::fromLatin1(name));
    if (PokerCards::parse(text, codes, error))
        return true;
    *error = QLatin1Char('-') + QString::fromLatin1(name) + QStringLiteral(": ") + *error;
    return false;
}

bool readSetup(const EquityOptions &options, const QStringList &hands, EquitySetup *setup, QString *error)
{
    if (!gameFromName(OptionValues::readText(options, QStringLiteral("game")), &setup->game, error))
        return false;
    qlonglong number = 0;
    if (!readWholeNumber(options, QStringLiteral("trials"), 0, 1000000000000LL, &number, error))
        return false;
    setup->trials = number;
    if (!readWholeNumber(options, QStringLiteral("threads"), 0, 1024, &number, error))
        return false;
    setup->threads = int(number);
    if (!readWholeNumber(options, QStringLiteral("seed"), 0, std::numeric_limits<qint64>::max(), &number, error))
        return false;
    setup->seed = quint64(number);
    setup->tsv = options.value<bool>(QStringLiteral("tsv"));
    if (!readCards(options, "board", &setup->board, error) || !readCards(options, "dead", &setup->dead, error))
        return false;
    if (hands.size() < 2) {
        *error = QStringLiteral("give at least two hands, for example AhAs KdKc");
        return false;
    }
    for (const QString &hand : hands) {
        QByteArray codes;
        if (!PokerCards::parse(hand, &codes, error))
            return false;
        setup->hands.append(codes);
    }
    return true;
}

// The option parser lets a switch take the next word as its value, so
// "-tsv AhAs KdKc" would swallow the first hand. A switch followed by
// anything but a truth value gets its value written out.
std::vector<QByteArray> withSwitchValues(int argc, char *argv[])
{
    const QList<QByteArray> truthValues {"true", "false", "1", "0"};
    std::vector<QByteArray> arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.emplace_back(argv[i]);
        if (arguments.back() == "-tsv" && i + 1 < argc && !truthValues.contains(QByteArray(argv[i + 1])) &&
            argv[i + 1][0] != '-')
            arguments.emplace_back("true");
    }
    return arguments;
}

} // namespace

SetupOutcome readEquitySetup(int argc, char *argv[], EquitySetup *setup, QString *error)
{
    std::vector<QByteArray> arguments = withSwitchValues(argc, argv);
    std::vector<char *> pointers;
    for (QByteArray &argument : arguments)
        pointers.push_back(argument.data());
    EquityOptions options;
    if (!options.parseOptions(int(pointers.size()), pointers.data()))
        return SetupOutcome::BadOption;
    if (OptionValues::helpRequested(options)) {
        options.help();
        return SetupOutcome::HelpRequested;
    }
    return readSetup(options, options.remainingArgs(), setup, error) ? SetupOutcome::Run : SetupOutcome::BadValue;
}
