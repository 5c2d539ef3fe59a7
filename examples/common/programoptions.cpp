#include "programoptions.h"

#include <QtCore/QRegularExpression>
#include <QtCore/QSettings>

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

CommandLineOptions::Option option(const char *name, QMetaType::Type type, const char *description,
                                  const QVariant &defaultValue)
{
    CommandLineOptions::Option result(QString::fromLatin1(name), type);
    result.description = QString::fromUtf8(description);
    result.defaultValue = defaultValue;
    return result;
}

QList<CommandLineOptions::Option> helpSwitches()
{
    return {option("h", QMetaType::Bool, "print this help and exit"),
            option("help", QMetaType::Bool, "print this help and exit")};
}

bool helpRequested(CommandLineOptions &options)
{
    return options.hasValue(QStringLiteral("h")) || options.hasValue(QStringLiteral("help"));
}

bool isGiven(const CommandLineOptions &options, const QString &name)
{
    return options.hasValue(name) || (options.useQSettings() && QSettings().contains(name));
}

bool readWholeNumber(const CommandLineOptions &options, const QString &name, qlonglong low, qlonglong high,
                     qlonglong *number, QString *error)
{
    // Text from the command line or the settings store, or the declared default.
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    // A value that did not convert to its declared type arrives as a null variant.
    const QVariant value = options.value<QVariant>(name);
    const QString typed = value.isNull() ? QString() : value.toString().trimmed();
    if (!wholeNumber.match(typed).hasMatch()) {
        *error = dashed(name) + QStringLiteral(" needs a whole number ") + rangeText(low, high);
        return false;
    }
    // Too many digits for any integer type is out of range as well.
    bool fits = false;
    *number = typed.toLongLong(&fits);
    if (!fits || *number < low || *number > high) {
        *error = dashed(name) + QStringLiteral(" must be ") + rangeText(low, high) + QStringLiteral(", not ") + typed;
        return false;
    }
    return true;
}

QString readText(const CommandLineOptions &options, const QString &name)
{
    // QSettings splits "sT d3,cK dK" at the comma.
    const QVariant value = options.value<QVariant>(name);
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

} // namespace OptionValues

namespace {

bool isWholeNumberType(int type)
{
    return type == QMetaType::Int || type == QMetaType::UInt || type == QMetaType::LongLong || type == QMetaType::ULongLong;
}

} // namespace

void ProgramOptions::declare(const QList<Option> &options)
{
    m_declared = options;
    QList<Option> parsed = options;
    for (Option &option : parsed) {
        if (isWholeNumberType(option.type))
            option.type = Marrowick::TypeId(QMetaType::QString);
    }
    setOptions(parsed);
}

void ProgramOptions::printOptionList() const
{
    CommandLineOptions declared;
    declared.setOptions(m_declared);
    declared.help();
}
