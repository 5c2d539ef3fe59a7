#include "optionvalues.h"

#include <limits>

using Marrowick::CommandLineOptions;

namespace OptionValues {

namespace {

QString dashed(const QString &name)
{
    return QLatin1Char('-') + name;
}

QString rangeText(qlonglong low, qlonglong high)
{
    if (high == std::numeric_limits<int>::max())
        return QStringLiteral("at least ") + QString::number(low);
    return QStringLiteral("from ") + QString::number(low) + QStringLiteral(" to ") + QString::number(high);
}

} // namespace

CommandLineOptions::Option option(const char *name, QVariant::Type type, const char *description,
                                  const QVariant &defaultValue)
{
    CommandLineOptions::Option result(QString::fromLatin1(name), type);
    result.description = QString::fromUtf8(description);
    result.defaultValue = defaultValue;
    return result;
}

QList<CommandLineOptions::Option> helpSwitches()
{
    return {option("h", QVariant::Bool, "print this help and exit"),
            option("help", QVariant::Bool, "print this help and exit")};
}

bool helpRequested(CommandLineOptions &options)
{
    return options.hasValue(QStringLiteral("h")) || options.hasValue(QStringLiteral("help"));
}

bool readWholeNumber(const CommandLineOptions &options, const QString &name, qlonglong low, qlonglong high,
                     qlonglong *number, QString *error)
{
    // A command-line value that did not convert to the option's type arrives
    // as a null variant; an entry of the settings store arrives as text.
    const QVariant value = options.value<QVariant>(name);
    bool ok = false;
    *number = value.isNull() ? 0 : value.toLongLong(&ok);
    if (!ok) {
        *error = dashed(name) + QStringLiteral(" needs a whole number ") + rangeText(low, high);
        return false;
    }
    if (*number < low || *number > high) {
        *error = dashed(name) + QStringLiteral(" must be ") + rangeText(low, high) + QStringLiteral(", not ") +
            QString::number(*number);
        return false;
    }
    return true;
}

} // namespace OptionValues
