#include "commandlineoptions.h"

#include "qtcompat_p.h"

#include <QtCore/QSettings>

#include <iostream>
#include <utility>

namespace Marrowick {

CommandLineOptions::Option::Option(const QString &name, TypeId type)
    : name(name)
    , type(type)
{ }

CommandLineOptions::CommandLineOptions()
    : m_useHelp(true)
    , m_useQSettings(true)
{ }

CommandLineOptions::CommandLineOptions(const CommandLineOptions &other) = default;

CommandLineOptions &CommandLineOptions::operator=(const CommandLineOptions &other) = default;

CommandLineOptions::~CommandLineOptions() = default;

void CommandLineOptions::setOptions(const QList<Option> &options)
{
    m_options.clear();
    m_values.clear();
    for (const Option &option : options)
        m_options.insert(option.name, option);
}

QList<CommandLineOptions::Option> CommandLineOptions::options() const
{
    return m_options.values();
}

bool CommandLineOptions::useHelp() const
{
    return m_useHelp;
}

void CommandLineOptions::setUseHelp(bool useHelp)
{
    m_useHelp = useHelp;
}

bool CommandLineOptions::useQSettings() const
{
    return m_useQSettings;
}

void CommandLineOptions::setUseQSettings(bool useQSettings)
{
    m_useQSettings = useQSettings;
}

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

bool CommandLineOptions::hasValue(const QString &name) const
{
    return m_values.contains(name);
}

void CommandLineOptions::setValue(const QString &name, QVariant &value)
{
    const auto found = m_options.constFind(name);
    if (found == m_options.constEnd())
        return;
    const int type = QtCompat::metaTypeId(found->type);
    if (type != QMetaType::UnknownType && QtCompat::convert(value, type))
        m_values.insert(name, value);
}

void CommandLineOptions::setValue(const QString &name, const QVariant &value)
{
    QVariant converted = value;
    setValue(name, converted);
}

QVariant CommandLineOptions::valueHelper(const QString &name, const QVariant &defaultValue) const
{
    const auto given = m_values.constFind(name);
    if (given != m_values.constEnd())
        return *given;

    QVariant fallback = defaultValue;
    const auto option = m_options.constFind(name);
    if (option != m_options.constEnd() && option->defaultValue.isValid())
        fallback = option->defaultValue;

    // The store has no entry under the empty key; asking QSettings for one
    // would only earn a warning and lose the fallback.
    if (!m_useQSettings || name.isEmpty())
        return fallback;
    // A fresh object each time, so that the lookup sees the store as it is now.
    const QSettings settings;
    return settings.value(name, fallback);
}

namespace {

void write(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::cout.write(bytes.constData(), bytes.size());
}

// "QString" is shown as "String", "int" stays "int"; a type Qt does not know has no name.
QString shownTypeName(int type)
{
    QString name = QString::fromLatin1(QtCompat::typeName(type));
    if (name.startsWith(QLatin1Char('Q')))
        name.remove(0, 1);
    return name;
}

} // namespace

void CommandLineOptions::help()
{
    for (const Option &option : std::as_const(m_options)) {
        write(QLatin1String(" -") + option.name);
        const int type = QtCompat::metaTypeId(option.type);
        if (type != QMetaType::UnknownType)
            write(QLatin1String(" <") + shownTypeName(type) + QLatin1Char('>'));
        if (!option.description.isEmpty())
            write(QLatin1String(": ") + option.description);
        if (option.defaultValue.isValid())
            write(QLatin1String(" (default value: ") + option.defaultValue.toString() + QLatin1Char(')'));
        std::cout << std::endl;
    }
}

} // namespace Marrowick
