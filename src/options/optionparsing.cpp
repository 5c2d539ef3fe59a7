#include "commandlineoptions.h"
#include "qtcompat_p.h"

namespace Marrowick {

namespace {

// A null vector entry reads as an empty argument rather than a crash.
QString decodedArgument(const char *argument)
{
    return argument ? QString::fromLocal8Bit(argument) : QString();
}

// A switch looks at the raw byte, before decoding, to decide whether the next
// argument is its value.
bool beginsWithDash(const char *argument)
{
    return argument && argument[0] == '-';
}

void appendDecodedArguments(QStringList &list, int from, int argc, char **argv)
{
    for (int i = from; i < argc; ++i)
        list.append(decodedArgument(argv[i]));
}

} // namespace

bool CommandLineOptions::parseOptions(int argc, char **argv)
{
    m_values.clear();
    m_remainingArgs.clear();
    if (argc < 2 || !argv)
        return true;

    const QString optionPrefix = QStringLiteral("-");
    const QString endOfOptions = QStringLiteral("--");

    // Every way out through help: the failing argument goes nowhere, the rest
    // are kept for a host that wants to report them.
    const auto helpExit = [&](int position) {
        help();
        appendDecodedArguments(m_remainingArgs, position + 1, argc, argv);
        return false;
    };

    for (int i = 1; i < argc; ++i) {
        const QString arg = decodedArgument(argv[i]);
        if (!arg.startsWith(optionPrefix)) {
            m_remainingArgs.append(arg);
            continue;
        }
        if (arg == endOfOptions) {
            appendDecodedArguments(m_remainingArgs, i + 1, argc, argv);
            return true;
        }

        const QString key = arg.mid(1);
        if (m_useHelp && (key == QLatin1String("help") || key == QLatin1String("h")))
            return helpExit(i);
        const auto found = m_options.constFind(key);
        if (found == m_options.constEnd())
            return helpExit(i);
        const int type = QtCompat::metaTypeId(found->type);

        const bool hasNext = i + 1 < argc;
        const bool switchAlone = type == QMetaType::Bool && (!hasNext || beginsWithDash(argv[i + 1]));
        if (switchAlone) {
            m_values.insert(key, QVariant(true));
            continue;
        }
        if (type == QMetaType::UnknownType || !hasNext)
            return helpExit(i);

        // An argument that does not convert is left for the next pass, where
        // it is read as an argument of its own.
        QVariant value(decodedArgument(argv[i + 1]));
        if (QtCompat::convert(value, type)) {
            m_values.insert(key, value);
            ++i;
        }
    }
    return true;
}

QStringList CommandLineOptions::remainingArgs() const
{
    return m_remainingArgs;
}

} // namespace Marrowick
