// CommandLineOptions against the option grammar written out plainly: the
// result of parseOptions(), whether help was printed, the remaining
// arguments, and what hasValue() and value() give for every name afterwards,
// on option tables and command lines of any shape, bytes of any value
// included.

#include "fuzzinput.h"

#include <marrowick/commandlineoptions.h>

#include <QtCore/QMap>
#include <QtCore/QStringList>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <vector>

using Marrowick::CommandLineOptions;
using Option = CommandLineOptions::Option;

namespace {

const char *const names[] = {"", "h", "help", "a", "b", "ab", "-a", "n"};
const int types[] = {QMetaType::UnknownType, QMetaType::Bool,    QMetaType::Int,         QMetaType::UInt,
                     QMetaType::LongLong,    QMetaType::Double,  QMetaType::QString,     QMetaType::QStringList,
                     QMetaType::QByteArray,  QMetaType::QChar,   QMetaType::QDate};
const char *const words[] = {"--", "-", "12", "-5", "4294967302", "true", "0", "x y", "", "1e3", "nan"};

class CountingOptions : public CommandLineOptions
{
public:
    int helpCalls = 0;
    void help() override
    {
        ++helpCalls;
        CommandLineOptions::help();
    }
};

// What a parse must give.
struct Parse
{
    bool result = true;
    int helpCalls = 0;
    QStringList remaining;
    QMap<QString, QVariant> values;
};

QVariant converted(const QString &text, int type, bool *convertible)
{
    QVariant value(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QMetaType target(type);
#else
    const int target = type;
#endif
    *convertible = value.canConvert(target);
    if (*convertible)
        value.convert(target);
    return value;
}

Parse modelParse(const QMap<QString, Option> &table, bool useHelp, const std::vector<QByteArray> &argv)
{
    Parse parse;
    const int argc = int(argv.size());
    // The program sees each argument up to its first null byte; Qt 6 would decode a whole byte array.
    const auto decoded = [&](int i) { return QString::fromLocal8Bit(argv[size_t(i)].constData()); };
    const auto rest = [&](int from) {
        for (int j = from; j < argc; ++j)
            parse.remaining.append(decoded(j));
    };
    for (int i = 1; i < argc; ++i) {
        const QString arg = decoded(i);
        if (!arg.startsWith(QLatin1Char('-'))) {
            parse.remaining.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            rest(i + 1);
            return parse;
        }
        const QString key = arg.mid(1);
        const bool known = table.contains(key);
        const bool builtInHelp = useHelp && (key == QLatin1String("h") || key == QLatin1String("help"));
        const int type = known ? int(table.value(key).type) : int(QMetaType::UnknownType);
        const bool hasNext = i + 1 < argc;
        if (!builtInHelp && known && type == QMetaType::Bool && (!hasNext || argv[size_t(i + 1)].startsWith('-'))) {
            parse.values.insert(key, QVariant(true));
            continue;
        }
        if (builtInHelp || !known || type == QMetaType::UnknownType || !hasNext) {
            parse.result = false;
            parse.helpCalls = 1;
            rest(i + 1);
            return parse;
        }
        bool convertible = false;
        const QVariant value = converted(decoded(i + 1), type, &convertible);
        if (convertible) {
            parse.values.insert(key, value);
            ++i;
        }
    }
    return parse;
}

// Equal variants; a number that is not a number equals itself.
bool same(const QVariant &a, const QVariant &b)
{
    return a.userType() == b.userType() && a.isNull() == b.isNull() && (a == b || a.toString() == b.toString());
}

void fail(const char *what, const QString &name)
{
    std::fprintf(stderr, "%s differs from the grammar for the name \"%s\"\n", what, qPrintable(name));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The help printout is exercised, not read.
    std::cout.setstate(std::ios::badbit);

    FuzzInput input(data, size);
    QList<Option> list;
    QMap<QString, Option> table;
    for (int count = input.below(6); count > 0; --count) {
        Option option(QString::fromLatin1(names[input.below(8)]), Marrowick::TypeId(types[input.below(11)]));
        if (input.flag())
            option.defaultValue = QString::fromLatin1(words[input.below(11)]);
        option.description = QString::fromLatin1(input.bytes(3));
        list.append(option);
        table.insert(option.name, option);
    }

    std::vector<QByteArray> arguments {QByteArrayLiteral("program")};
    for (int count = input.below(9); count > 0; --count) {
        switch (input.below(3)) {
        case 0:
            arguments.push_back('-' + QByteArray(names[input.below(8)]));
            break;
        case 1:
            arguments.push_back(words[input.below(11)]);
            break;
        default:
            arguments.push_back(input.bytes(6));
        }
    }
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    CountingOptions options;
    options.setUseQSettings(false);
    const bool useHelp = input.flag();
    options.setUseHelp(useHelp);
    options.setOptions(list);
    const bool result = options.parseOptions(int(arguments.size()), argv.data());

    const Parse expected = modelParse(table, useHelp, arguments);
    if (result != expected.result || options.helpCalls != expected.helpCalls)
        fail("the result or the help", QString());
    if (options.remainingArgs() != expected.remaining)
        fail("the remaining arguments", QString());

    const QVariant callerDefault(QStringLiteral("caller's"));
    for (const char *text : names) {
        const QString name = QString::fromLatin1(text);
        if (options.hasValue(name) != expected.values.contains(name))
            fail("hasValue()", name);
        QVariant wanted = table.value(name).defaultValue.isValid() ? table.value(name).defaultValue : callerDefault;
        wanted = expected.values.value(name, wanted);
        if (!same(options.value<QVariant>(name, callerDefault), wanted))
            fail("value()", name);
    }

    return 0;
}
