#include <marrowick/commandlineoptions.h>

#include <QtCore/QSettings>
#include <QtCore/QTemporaryDir>
#include <QtCore/QTextCodec>
#include <QtTest/QtTest>

#include <iostream>
#include <sstream>
#include <vector>

using Marrowick::CommandLineOptions;
using Option = CommandLineOptions::Option;

namespace {

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

Option makeOption(const char *name, QVariant::Type type, const char *description = "",
                  const QVariant &defaultValue = QVariant())
{
    Option option(latin1(name), type);
    option.description = QString::fromUtf8(description);
    option.defaultValue = defaultValue;
    return option;
}

// The table the grammar rows parse against.
QList<Option> gameOptions()
{
    return {makeOption("width", QVariant::Int, "Window width", 800),
            makeOption("offset", QVariant::Int),
            makeOption("rate", QVariant::Double),
            makeOption("name", QVariant::String, "Player name"),
            makeOption("fullscreen", QVariant::Bool),
            makeOption("verbose", QVariant::Bool),
            makeOption("help", QVariant::Bool),
            makeOption("reset", QVariant::Invalid),
            makeOption("geometry", QVariant::Rect)};
}

// An argument vector as a program receives it: "game" first, a null pointer after the last.
class Arguments
{
public:
    explicit Arguments(const QByteArrayList &arguments)
        : m_storage(QByteArrayList {"game"} + arguments)
    {
        for (QByteArray &argument : m_storage)
            m_pointers.push_back(argument.data());
        m_pointers.push_back(nullptr);
    }
    int argc() const { return int(m_pointers.size()) - 1; }
    char **argv() { return m_pointers.data(); }

private:
    QByteArrayList m_storage;
    std::vector<char *> m_pointers;
};

// Collects what is written to std::cout while alive.
class CoutCapture
{
public:
    CoutCapture()
        : m_previous(std::cout.rdbuf(m_buffer.rdbuf()))
    { }
    ~CoutCapture() { std::cout.rdbuf(m_previous); }
    QByteArray bytes() const { return QByteArray::fromStdString(m_buffer.str()); }
    QStringList lines() const
    {
        QStringList lines = QString::fromLocal8Bit(bytes()).split(QLatin1Char('\n'));
        if (lines.constLast().isEmpty())
            lines.removeLast();
        return lines;
    }

private:
    std::ostringstream m_buffer;
    std::streambuf *m_previous;
};

// Replaces help() to count its calls and to see the object as it is at that moment.
class RecordingOptions : public CommandLineOptions
{
public:
    void help() override
    {
        ++helpCalls;
        remainingAtHelp = remainingArgs();
    }
    int helpCalls = 0;
    QStringList remainingAtHelp;
};

// Adds a usage line in front of the base printout.
class UsageOptions : public CommandLineOptions
{
public:
    void help() override
    {
        std::cout << "Usage: game [options] files" << std::endl;
        CommandLineOptions::help();
    }
};

// "name=type:value" for every stored value, so that a wrong type shows as plainly as a wrong value.
QStringList storedValues(CommandLineOptions &options)
{
    QStringList stored;
    for (const Option &option : options.options()) {
        if (options.hasValue(option.name)) {
            const QVariant value = options.value<QVariant>(option.name);
            stored << option.name % QLatin1Char('=') % QLatin1String(value.typeName()) % QLatin1Char(':') %
                    value.toString();
        }
    }
    return stored;
}

QStringList warnings;

void recordWarning(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings << message;
}

} // namespace

class TestCommandLineOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void grammar_data();
    void grammar();
    void helpExitLeavesLaterArgumentsForHelp();
    void unusualArgumentVectors();
    void optionWithEmptyName();
    void nonAsciiArguments();

    void tableReplacement();

    void storeValue_data();
    void storeValue();
    void lookup_data();
    void lookup();
    void typedLookup();
    void settingsAreReadAfresh();

    void helpLine_data();
    void helpLine();
    void helpListsOptionsByName();
    void helpIsVirtual();

private:
    QTemporaryDir m_configDir;
};

void TestCommandLineOptions::initTestCase()
{
    QVERIFY(m_configDir.isValid());
    // A private store: the lookups read the application's default settings,
    // which must be neither the user's nor the machine's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_configDir.filePath(latin1("user")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, m_configDir.filePath(latin1("system")));
    QCoreApplication::setOrganizationName(latin1("MarrowickTests"));
    QCoreApplication::setApplicationName(latin1("tst_commandlineoptions"));
    QVERIFY(QSettings().fileName().startsWith(m_configDir.path()));
}

void TestCommandLineOptions::init()
{
    QSettings settings;
    settings.clear();
    settings.sync();
    QCOMPARE(settings.status(), QSettings::NoError);
}

void TestCommandLineOptions::grammar_data()
{
    QTest::addColumn<bool>("useHelp");
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<bool>("helpRan");

    const QStringList none;
    QTest::newRow("no arguments") << true << QByteArrayList {} << true << none << none << false;
    QTest::newRow("positional only") << true << QByteArrayList {"a", "b"} << true << none
                                     << QStringList {latin1("a"), latin1("b")} << false;
    QTest::newRow("empty argument is positional")
        << true << QByteArrayList {""} << true << none << QStringList {QString()} << false;
    QTest::newRow("options among positionals")
        << true << QByteArrayList {"a", "-width", "5", "b"} << true << QStringList {latin1("width=int:5")}
        << QStringList {latin1("a"), latin1("b")} << false;
    QTest::newRow("value may begin with a dash")
        << true << QByteArrayList {"-offset", "-5"} << true << QStringList {latin1("offset=int:-5")} << none << false;
    QTest::newRow("last occurrence wins") << true << QByteArrayList {"-width", "1", "-width", "2"} << true
                                          << QStringList {latin1("width=int:2")} << none << false;
    QTest::newRow("double") << true << QByteArrayList {"-rate", "1.5"} << true
                            << QStringList {latin1("rate=double:1.5")} << none << false;
    QTest::newRow("failed number conversion is stored")
        << true << QByteArrayList {"-width", "wide"} << true << QStringList {latin1("width=int:0")} << none << false;
    QTest::newRow("inconvertible value is not consumed") << true << QByteArrayList {"-geometry", "a", "b"} << true
                                                         << none << QStringList {latin1("a"), latin1("b")} << false;
    QTest::newRow("inconvertible value parsed as an option")
        << true << QByteArrayList {"-geometry", "-width", "7"} << true << QStringList {latin1("width=int:7")} << none
        << false;

    QTest::newRow("switch last") << true << QByteArrayList {"-fullscreen"} << true
                                 << QStringList {latin1("fullscreen=bool:true")} << none << false;
    QTest::newRow("switch before an option")
        << true << QByteArrayList {"-fullscreen", "-width", "3"} << true
        << QStringList {latin1("fullscreen=bool:true"), latin1("width=int:3")} << none << false;
    QTest::newRow("switch before a negative value") << true << QByteArrayList {"-verbose", "-5"} << false
                                                    << QStringList {latin1("verbose=bool:true")} << none << true;
    QTest::newRow("switch takes a word") << true << QByteArrayList {"-fullscreen", "false", "x"} << true
                                         << QStringList {latin1("fullscreen=bool:false")} << QStringList {latin1("x")}
                                         << false;
    QTest::newRow("switch reads any other word as true")
        << true << QByteArrayList {"-fullscreen", "no"} << true << QStringList {latin1("fullscreen=bool:true")} << none
        << false;
    QTest::newRow("switch takes an empty argument") << true << QByteArrayList {"-fullscreen", ""} << true
                                                    << QStringList {latin1("fullscreen=bool:false")} << none << false;

    QTest::newRow("end of options first")
        << true << QByteArrayList {"--", "-width", "5", "--", "-h"} << true << none
        << QStringList {latin1("-width"), latin1("5"), latin1("--"), latin1("-h")} << false;
    QTest::newRow("end of options after a value")
        << true << QByteArrayList {"-width", "5", "--"} << true << QStringList {latin1("width=int:5")} << none << false;
    QTest::newRow("end of options as a value")
        << true << QByteArrayList {"-name", "--", "x"} << true << QStringList {latin1("name=QString:--")}
        << QStringList {latin1("x")} << false;

    QTest::newRow("value missing at the end")
        << true << QByteArrayList {"a", "-width"} << false << none << QStringList {latin1("a")} << true;
    QTest::newRow("option that takes no value") << true << QByteArrayList {"-reset", "x", "y"} << false << none
                                                << QStringList {latin1("x"), latin1("y")} << true;
    QTest::newRow("undeclared option keeps what came before and after")
        << true << QByteArrayList {"a", "-width", "5", "-nope", "b", "-offset", "1"} << false
        << QStringList {latin1("width=int:5")} << QStringList {latin1("a"), latin1("b"), latin1("-offset"), latin1("1")}
        << true;
    QTest::newRow("-h") << true << QByteArrayList {"-width", "5", "-h", "-name", "n"} << false
                        << QStringList {latin1("width=int:5")} << QStringList {latin1("-name"), latin1("n")} << true;
    QTest::newRow("-help hides the help option") << true << QByteArrayList {"-help"} << false << none << none << true;
    QTest::newRow("--help is an undeclared option")
        << true << QByteArrayList {"--help"} << false << none << none << true;
    QTest::newRow("lone dash") << true << QByteArrayList {"-", "x"} << false << none << QStringList {latin1("x")}
                               << true;
    QTest::newRow("two dashes before a name")
        << true << QByteArrayList {"--width", "5"} << false << none << QStringList {latin1("5")} << true;
    QTest::newRow("name and value joined") << true << QByteArrayList {"-width=5"} << false << none << none << true;
    QTest::newRow("bundled switches") << true << QByteArrayList {"-fv"} << false << none << none << true;
    QTest::newRow("names are case-sensitive")
        << true << QByteArrayList {"-Width", "5"} << false << none << QStringList {latin1("5")} << true;

    QTest::newRow("help option reachable without built-in help")
        << false << QByteArrayList {"-help"} << true << QStringList {latin1("help=bool:true")} << none << false;
    QTest::newRow("-h undeclared without built-in help")
        << false << QByteArrayList {"-h", "x"} << false << none << QStringList {latin1("x")} << true;
}

void TestCommandLineOptions::grammar()
{
    QFETCH(bool, useHelp);
    QFETCH(QByteArrayList, arguments);
    QFETCH(bool, result);
    QFETCH(QStringList, values);
    QFETCH(QStringList, remaining);
    QFETCH(bool, helpRan);

    RecordingOptions options;
    options.setOptions(gameOptions());
    options.setUseHelp(useHelp);
    options.setUseQSettings(false);
    Arguments args(arguments);
    QCOMPARE(options.parseOptions(args.argc(), args.argv()), result);
    QCOMPARE(storedValues(options), values);
    QCOMPARE(options.remainingArgs(), remaining);
    QCOMPARE(options.helpCalls, helpRan ? 1 : 0);
}

void TestCommandLineOptions::helpExitLeavesLaterArgumentsForHelp()
{
    RecordingOptions options;
    options.setOptions(gameOptions());
    Arguments args({"a", "-nope", "b"});
    QVERIFY(!options.parseOptions(args.argc(), args.argv()));
    // help() runs before the arguments after the failing one are added.
    QCOMPARE(options.remainingAtHelp, QStringList {latin1("a")});
    QCOMPARE(options.remainingArgs(), QStringList({latin1("a"), latin1("b")}));
}

void TestCommandLineOptions::unusualArgumentVectors()
{
    RecordingOptions options;
    options.setOptions(gameOptions());
    options.setUseQSettings(false);
    QVariant width(5);

    const QList<int> counts {0, 1, -3};
    for (int argc : counts) {
        options.setValue(latin1("width"), width);
        Arguments args({"-width", "9"});
        QVERIFY(options.parseOptions(argc, args.argv()));
        QVERIFY(!options.hasValue(latin1("width")));
        QVERIFY(options.remainingArgs().isEmpty());
    }

    QVERIFY(options.parseOptions(3, nullptr));
    QVERIFY(options.remainingArgs().isEmpty());

    char widthOption[] = "-width", nine[] = "9", fullscreen[] = "-fullscreen";
    char *withNulls[] = {nullptr, nullptr, widthOption, nine, fullscreen, nullptr};
    QVERIFY(options.parseOptions(5, withNulls));
    QCOMPARE(options.remainingArgs(), QStringList {QString()});
    QCOMPARE(storedValues(options), QStringList({latin1("fullscreen=bool:true"), latin1("width=int:9")}));

    QVERIFY(options.parseOptions(6, withNulls));
    QCOMPARE(options.value<QVariant>(latin1("fullscreen")), QVariant(false));
    QCOMPARE(options.helpCalls, 0);
}

void TestCommandLineOptions::optionWithEmptyName()
{
    RecordingOptions options;
    options.setOptions({makeOption("", QVariant::String)});
    Arguments args({"-", "x", "-"});
    QVERIFY(!options.parseOptions(args.argc(), args.argv()));
    QCOMPARE(options.value<QString>(QString()), latin1("x"));
    QCOMPARE(options.helpCalls, 1);
}

void TestCommandLineOptions::nonAsciiArguments()
{
    if (QTextCodec::codecForLocale()->mibEnum() != 106)
        QSKIP("The locale's encoding is not UTF-8");
    const QString name = QString::fromUtf8("Zo\u00eb \u2660");
    CommandLineOptions options;
    options.setOptions(gameOptions());
    Arguments args({"-name", "Zo\xc3\xab \xe2\x99\xa0", name.toLocal8Bit()});
    QVERIFY(options.parseOptions(args.argc(), args.argv()));
    QCOMPARE(options.value<QString>(latin1("name")), name);
    QCOMPARE(options.remainingArgs(), QStringList {name});
}

void TestCommandLineOptions::tableReplacement()
{
    CommandLineOptions options;
    options.setOptions({makeOption("b", QVariant::Int, "first"), makeOption("B", QVariant::Int),
                        makeOption("ab", QVariant::Int), makeOption("a", QVariant::Int),
                        makeOption("b", QVariant::String, "second")});
    QStringList names;
    for (const Option &option : options.options())
        names << option.name;
    QCOMPARE(names, QStringList({latin1("B"), latin1("a"), latin1("ab"), latin1("b")}));
    QCOMPARE(options.options().constLast().description, latin1("second"));
    QCOMPARE(options.options().constLast().type, QVariant::String);

    Arguments args({"-a", "1", "rest"});
    QVERIFY(options.parseOptions(args.argc(), args.argv()));
    options.setOptions({makeOption("a", QVariant::Int)});
    QVERIFY(!options.hasValue(latin1("a")));
    QCOMPARE(options.remainingArgs(), QStringList {latin1("rest")});

    const Option blank;
    QVERIFY(blank.name.isNull());
    QCOMPARE(blank.type, QVariant::Invalid);
    QVERIFY(blank.description.isEmpty());
    QVERIFY(!blank.defaultValue.isValid());
}

void TestCommandLineOptions::storeValue_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("given");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QVariant>("after");

    const QVariant twelve(latin1("12"));
    QTest::newRow("converted in place") << latin1("width") << twelve << true << QVariant(12);
    QTest::newRow("switch") << latin1("fullscreen") << QVariant(latin1("false")) << true << QVariant(false);
    QTest::newRow("failed conversion is stored")
        << latin1("width") << QVariant(latin1("wide")) << true << QVariant(QVariant::Int);
    QTest::newRow("undeclared name") << latin1("volume") << twelve << false << twelve;
    QTest::newRow("option without value") << latin1("reset") << twelve << false << twelve;
    QTest::newRow("inconvertible") << latin1("geometry") << twelve << false << twelve;
    QTest::newRow("invalid variant") << latin1("width") << QVariant() << false << QVariant();
}

void TestCommandLineOptions::storeValue()
{
    QFETCH(QString, name);
    QFETCH(QVariant, given);
    QFETCH(bool, stored);
    QFETCH(QVariant, after);

    CommandLineOptions options;
    options.setOptions(gameOptions());
    QVERIFY(!options.hasValue(latin1("width")));
    options.setValue(name, given);
    QCOMPARE(given.userType(), after.userType());
    QCOMPARE(given, after);
    QCOMPARE(options.hasValue(name), stored);
    if (stored) {
        const QVariant found = options.value<QVariant>(name);
        QCOMPARE(found.userType(), after.userType());
        QCOMPARE(found, after);
    }
}

void TestCommandLineOptions::lookup_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QString>("storeEntry");
    QTest::addColumn<bool>("useQSettings");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("callerDefault");
    QTest::addColumn<QVariant>("expected");

    const QString noEntry;
    const QString entry = latin1("640");
    const QByteArrayList noArguments;
    const QVariant five(5);
    const QString width = latin1("width");
    const QString name = latin1("name");
    const QString volume = latin1("volume");

    QTest::newRow("command line over store")
        << QByteArrayList {"-width", "1024"} << entry << true << width << five << QVariant(1024);
    QTest::newRow("store over option default, unconverted")
        << noArguments << entry << true << width << five << QVariant(entry);
    QTest::newRow("option default over caller's") << noArguments << noEntry << true << width << five << QVariant(800);
    QTest::newRow("store not read when disabled") << noArguments << entry << false << width << five << QVariant(800);
    QTest::newRow("command line when store disabled")
        << QByteArrayList {"-width", "1024"} << entry << false << width << five << QVariant(1024);
    QTest::newRow("caller's default") << noArguments << noEntry << true << name << QVariant(latin1("caller"))
                                      << QVariant(latin1("caller"));
    QTest::newRow("store over caller's default") << noArguments << entry << true << name << five << QVariant(entry);
    QTest::newRow("undeclared name reads store") << noArguments << entry << true << volume << five << QVariant(entry);
    QTest::newRow("undeclared name, store disabled") << noArguments << entry << false << volume << five << five;
    QTest::newRow("nothing found") << noArguments << noEntry << true << volume << QVariant() << QVariant();
    QTest::newRow("empty name") << noArguments << noEntry << true << QString() << five << five;
}

void TestCommandLineOptions::lookup()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(QString, storeEntry);
    QFETCH(bool, useQSettings);
    QFETCH(QString, name);
    QFETCH(QVariant, callerDefault);
    QFETCH(QVariant, expected);

    if (!storeEntry.isNull()) {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                           QCoreApplication::applicationName());
        for (const char *key : {"width", "name", "volume"})
            settings.setValue(latin1(key), storeEntry);
    }

    CommandLineOptions options;
    options.setOptions(gameOptions());
    options.setUseQSettings(useQSettings);
    Arguments args(arguments);
    QVERIFY(options.parseOptions(args.argc(), args.argv()));

    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
    const QVariant found = options.value<QVariant>(name, callerDefault);
    qInstallMessageHandler(previous);
    QCOMPARE(warnings, QStringList());
    QCOMPARE(found.userType(), expected.userType());
    QCOMPARE(found, expected);
}

void TestCommandLineOptions::typedLookup()
{
    QSettings().setValue(latin1("offset"), latin1("-3"));

    CommandLineOptions options;
    options.setOptions(gameOptions());
    Arguments args({"-name", "Ann", "-fullscreen"});
    QVERIFY(options.parseOptions(args.argc(), args.argv()));

    QCOMPARE(options.value<int>(latin1("offset"), 9), -3);
    QCOMPARE(options.value<int>(latin1("width"), 9), 800);
    QCOMPARE(options.value<QString>(latin1("width")), latin1("800"));
    QCOMPARE(options.value<int>(latin1("rate"), 9), 9);
    QCOMPARE(options.value<bool>(latin1("fullscreen")), true);
    QCOMPARE(options.value<bool>(latin1("verbose")), false);
    // What was found wins even when it does not convert.
    QCOMPARE(options.value<int>(latin1("name"), 9), 0);
}

void TestCommandLineOptions::settingsAreReadAfresh()
{
    CommandLineOptions options;
    options.setOptions(gameOptions());
    QCOMPARE(options.value<int>(latin1("width")), 800);
    {
        QSettings settings;
        settings.setValue(latin1("width"), 1280);
    }
    QCOMPARE(options.value<int>(latin1("width")), 1280);
    QSettings().remove(latin1("width"));
    QCOMPARE(options.value<int>(latin1("width")), 800);
}

void TestCommandLineOptions::helpLine_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QVariant>("defaultValue");
    QTest::addColumn<QString>("line");

    QTest::newRow("every piece") << int(QVariant::Int) << latin1("Window width") << QVariant(800)
                                 << latin1(" -width <int>: Window width (default value: 800)");
    QTest::newRow("name alone") << int(QVariant::Invalid) << QString() << QVariant() << latin1(" -width");
    QTest::newRow("no type") << int(QVariant::Invalid) << latin1("Reset") << QVariant(1)
                             << latin1(" -width: Reset (default value: 1)");
    QTest::newRow("switch") << int(QVariant::Bool) << QString() << QVariant(true)
                            << latin1(" -width <bool> (default value: true)");
    QTest::newRow("Q dropped") << int(QVariant::String) << latin1("Title") << QVariant()
                               << latin1(" -width <String>: Title");
    QTest::newRow("list") << int(QVariant::StringList) << QString() << QVariant() << latin1(" -width <StringList>");
    QTest::newRow("lower-case q kept") << int(QVariant::LongLong) << QString() << QVariant()
                                       << latin1(" -width <qlonglong>");
    QTest::newRow("type without a name") << 127 << QString() << QVariant() << latin1(" -width <>");
    QTest::newRow("default with empty text")
        << int(QVariant::String) << QString() << QVariant(QString()) << latin1(" -width <String> (default value: )");
    QTest::newRow("non-ASCII") << int(QVariant::String) << QString::fromUtf8("Zo\u00eb's deck \u2660") << QVariant()
                               << QString::fromUtf8(" -width <String>: Zo\u00eb's deck \u2660");
}

void TestCommandLineOptions::helpLine()
{
    QFETCH(int, type);
    QFETCH(QString, description);
    QFETCH(QVariant, defaultValue);
    QFETCH(QString, line);

    Option option(latin1("width"), QVariant::Type(type));
    option.description = description;
    option.defaultValue = defaultValue;
    CommandLineOptions options;
    options.setOptions({option});
    CoutCapture capture;
    options.help();
    QCOMPARE(capture.lines(), QStringList {line});
    QCOMPARE(capture.bytes(), line.toLocal8Bit() + '\n');
}

void TestCommandLineOptions::helpListsOptionsByName()
{
    CommandLineOptions options;
    {
        CoutCapture capture;
        options.help();
        QCOMPARE(capture.bytes(), QByteArray());
    }

    options.setOptions({makeOption("width", QVariant::Int, "Window width", 800), makeOption("Zed", QVariant::Invalid),
                        makeOption("fullscreen", QVariant::Bool, "Start in full screen")});
    const QStringList expected {latin1(" -Zed"), latin1(" -fullscreen <bool>: Start in full screen"),
                                latin1(" -width <int>: Window width (default value: 800)")};
    CoutCapture capture;
    Arguments args({"rest", "-h", "more"});
    QVERIFY(!options.parseOptions(args.argc(), args.argv()));
    QCOMPARE(capture.lines(), expected);
    QCOMPARE(options.remainingArgs(), QStringList({latin1("rest"), latin1("more")}));
}

void TestCommandLineOptions::helpIsVirtual()
{
    UsageOptions options;
    options.setOptions({makeOption("width", QVariant::Int, "Window width", 800)});
    {
        CoutCapture capture;
        Arguments args({"-width"});
        QVERIFY(!options.parseOptions(args.argc(), args.argv()));
        QCOMPARE(capture.lines(),
                 QStringList({latin1("Usage: game [options] files"),
                              latin1(" -width <int>: Window width (default value: 800)")}));
    }
    {
        CoutCapture capture;
        Arguments args({"-width", "3"});
        QVERIFY(options.parseOptions(args.argc(), args.argv()));
        QCOMPARE(capture.bytes(), QByteArray());
    }

    RecordingOptions silent;
    silent.setOptions(gameOptions());
    CoutCapture capture;
    Arguments args({"-h"});
    QVERIFY(!silent.parseOptions(args.argc(), args.argv()));
    QCOMPARE(silent.helpCalls, 1);
    QCOMPARE(capture.bytes(), QByteArray());
}

QTEST_MAIN(TestCommandLineOptions)

#include "tst_commandlineoptions.moc"
