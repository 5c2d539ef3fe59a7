#include "testhelpers.h"

#include <marrowick/commandlineoptions.h>

#include <QtCore/QSettings>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <iostream>
#include <sstream>
#include <type_traits>
#include <utility>
#include <vector>

using Marrowick::CommandLineOptions;
using Option = CommandLineOptions::Option;

// The obvious calls compile: a const object answers hasValue(), and a value
// that is no variable of the caller can be stored.
static_assert(std::is_same<decltype(std::declval<const CommandLineOptions &>().hasValue(QString())), bool>::value,
              "hasValue() on a const object");
static_assert(std::is_void<decltype(std::declval<CommandLineOptions &>().setValue(QString(), 1024))>::value,
              "setValue() with a literal");

namespace {

// Encoded differently in Latin-1, in UTF-8 and, under Qt 5, in the test's local encoding (KOI8-R).
const QString queen = QString::fromUtf8("\xd0\x94\xd0\xb0\xd0\xbc\xd0\xb0");

// Qt 5's numbers of the GUI types name the same types under Qt 6.
constexpr int qt5Color = 67;
// A type that no Qt knows.
constexpr int unknownType = 1000;

Option makeOption(const QString &name, int type, const QString &description = QString(),
                  const QVariant &defaultValue = QVariant())
{
    Option option(name, Marrowick::TypeId(type));
    option.description = description;
    option.defaultValue = defaultValue;
    return option;
}

// The table the grammar rows parse against, declared out of name order.
QList<Option> gameOptions()
{
    return {makeOption("width", QMetaType::Int, "Window width", 800),
            makeOption("offset", QMetaType::LongLong),
            makeOption("rate", QMetaType::Double),
            makeOption("name", QMetaType::QString, "Player name", queen),
            makeOption("fullscreen", QMetaType::Bool, "Start in full screen"),
            makeOption("verbose", QMetaType::Bool),
            makeOption("help", QMetaType::Bool),
            makeOption("reset", QMetaType::UnknownType, "Forget the settings"),
            makeOption("Zed", QMetaType::UnknownType),
            makeOption("geometry", QMetaType::QRect),
            makeOption("alarm", QMetaType::QTime),
            makeOption("colour", qt5Color),
            makeOption("list", QMetaType::QVariantList),
            makeOption("players", QMetaType::QStringList),
            makeOption("odd", unknownType)};
}

// What help() prints for the game table in UsageOptions.
QStringList gameHelp()
{
    return {"Usage: game [options] files",
            " -Zed",
            " -alarm <Time>",
            " -colour <Color>",
            " -fullscreen <bool>: Start in full screen",
            " -geometry <Rect>",
            " -help <bool>",
            " -list <VariantList>",
            " -name <String>: Player name (default value: " + queen + ')',
            " -odd <>",
            " -offset <qlonglong>",
            " -players <StringList>",
            " -rate <double>",
            " -reset: Forget the settings",
            " -verbose <bool>",
            " -width <int>: Window width (default value: 800)"};
}

// Parses @p arguments given as a program receives them: "game" first, a null
// pointer after the last. A null byte array stands for a null entry.
bool parse(CommandLineOptions &options, QByteArrayList arguments)
{
    arguments.prepend("game");
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.isNull() ? nullptr : argument.data());
    argv.push_back(nullptr);
    return options.parseOptions(arguments.size(), argv.data());
}

// The lines that @p run writes to std::cout, decoded from the local encoding.
template<typename Run> QStringList coutLines(Run run)
{
    std::ostringstream buffer;
    std::streambuf *previous = std::cout.rdbuf(buffer.rdbuf());
    run();
    std::cout.rdbuf(previous);
    QStringList lines = QString::fromLocal8Bit(QByteArray::fromStdString(buffer.str())).split('\n');
    lines.removeLast(); // after the final line break
    return lines;
}

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

// "name=type:value" for every stored value, joined by spaces, so that a wrong
// type shows as plainly as a wrong value.
QString storedValues(const CommandLineOptions &options)
{
    QStringList stored;
    for (const Option &option : options.options()) {
        if (options.hasValue(option.name)) {
            const QVariant value = options.value<QVariant>(option.name);
            stored << option.name % '=' % QLatin1String(value.typeName()) % ':' % value.toString();
        }
    }
    return stored.join(' ');
}

} // namespace

class TestCommandLineOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void grammar_data();
    void grammar();
    void tableReplacement();
    void storeValue_data();
    void storeValue();
    void lookup_data();
    void lookup();

private:
    QTemporaryDir m_configDir;
};

void TestCommandLineOptions::initTestCase()
{
    // Decoding or encoding with Latin-1 (under Qt 5 also with UTF-8) instead of the local encoding shows.
    TestHelpers::useTellingLocalEncoding();
    QVERIFY(QString::fromLatin1(queen.toLocal8Bit()) != queen);
    // A private store: the lookups read the application's default settings,
    // which must be neither the user's nor the machine's.
    QVERIFY(m_configDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_configDir.filePath("user"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, m_configDir.filePath("system"));
    QCoreApplication::setOrganizationName("MarrowickTests");
    QCoreApplication::setApplicationName("tst_commandlineoptions");
    QVERIFY(QSettings().fileName().startsWith(m_configDir.path()));
}

void TestCommandLineOptions::grammar_data()
{
    QTest::addColumn<bool>("useHelp");
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QString>("values");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<bool>("helped"); // help() ran and parseOptions() returned false

    using Args = QByteArrayList;
    using Rest = QStringList;
    const QString none;
    QTest::newRow("no arguments") << true << Args {} << none << Rest() << false;
    QTest::newRow("options among positionals, last one wins")
        << true << Args {"a", "-width", "5", "b", "-width", "7"} << "width=int:7" << Rest {"a", "b"} << false;
    QTest::newRow("empty and null arguments") << true << Args {"", "-fullscreen", QByteArray(), "-verbose", ""}
                                              << "fullscreen=bool:false verbose=bool:false" << Rest {""} << false;
    QTest::newRow("values may begin with a dash")
        << true << Args {"-offset", "-5", "-rate", "-1.5"} << "offset=qlonglong:-5 rate=double:-1.5" << Rest() << false;
    QTest::newRow("inconvertible value neither stored nor consumed")
        << true << Args {"-geometry", "a", "-geometry", "-width", "7"} << "width=int:7" << Rest {"a"} << false;
    QTest::newRow("switches alone") << true << Args {"-verbose", "-width", "3", "-fullscreen"}
                                    << "fullscreen=bool:true verbose=bool:true width=int:3" << Rest() << false;
    QTest::newRow("switch takes a word") << true << Args {"-fullscreen", "false", "x"} << "fullscreen=bool:false"
                                         << Rest {"x"} << false;
    QTest::newRow("end of options") << true << Args {"-width", "5", "--", "-h", "--", "x"} << "width=int:5"
                                    << Rest {"-h", "--", "x"} << false;
    QTest::newRow("switch before the end of options")
        << true << Args {"-verbose", "--", "-h"} << "verbose=bool:true" << Rest {"-h"} << false;
    QTest::newRow("non-ASCII") << true << Args {"-name", queen.toLocal8Bit(), queen.toLocal8Bit()}
                               << "name=QString:" + queen << Rest {queen} << false;

    QTest::newRow("value missing at the end") << true << Args {"a", "-width"} << none << Rest {"a"} << true;
    QTest::newRow("option that takes no value") << true << Args {"-reset", "x"} << none << Rest {"x"} << true;
    QTest::newRow("undeclared option keeps the values before it")
        << true << Args {"a", "-width", "5", "-nope", "b", "-offset", "1"} << "width=int:5"
        << Rest {"a", "b", "-offset", "1"} << true;
    QTest::newRow("-h") << true << Args {"-h", "x"} << none << Rest {"x"} << true;
    QTest::newRow("-help hides the help option") << true << Args {"-help"} << none << Rest() << true;
    QTest::newRow("--help is undeclared") << true << Args {"--help"} << none << Rest() << true;

    // Values convert as Qt 5 converts them, under every Qt, and no type is a reason for a message.
    QTest::newRow("text is no list") << true << Args {"-list", "a,b"} << none << Rest {"a,b"} << false;
    QTest::newRow("text is a string list of one")
        << true << Args {"-players", "a,b"} << "players=QStringList:a,b" << Rest() << false;
    QTest::newRow("hours alone are a null time") << true << Args {"-alarm", "12"} << "alarm=QTime:" << Rest() << false;
    QTest::newRow("a dot after the seconds is ignored")
        << true << Args {"-alarm", "12:30:45."} << "alarm=QTime:12:30:45.000" << Rest() << false;
    QTest::newRow("GUI type by its Qt 5 number")
        << true << Args {"-colour", "#ff0000"} << "colour=QColor:#ff0000" << Rest() << false;
    QTest::newRow("type no Qt knows") << true << Args {"-odd", "x"} << none << Rest {"x"} << false;

    QTest::newRow("help option without built-in help")
        << false << Args {"-help"} << "help=bool:true" << Rest() << false;
    QTest::newRow("-h undeclared without built-in help") << false << Args {"-h", "x"} << none << Rest {"x"} << true;
}

void TestCommandLineOptions::grammar()
{
    QFETCH(bool, useHelp);
    QFETCH(QByteArrayList, arguments);
    QFETCH(QString, values);
    QFETCH(QStringList, remaining);
    QFETCH(bool, helped);

    UsageOptions options;
    options.setOptions(gameOptions());
    options.setUseHelp(useHelp);
    options.setUseQSettings(false);
    QVERIFY(options.parseOptions(3, nullptr)); // a null vector counts as no arguments
    // What an earlier parse left must not survive the next one.
    QVERIFY(parse(options, {"stale", "-rate", "1"}));
    bool result = false;
    TestHelpers::MessageRecorder recorder;
    QCOMPARE(coutLines([&] { result = parse(options, arguments); }), helped ? gameHelp() : QStringList());
    QCOMPARE(result, !helped);
    QCOMPARE(storedValues(options), values);
    QCOMPARE(options.remainingArgs(), remaining);
    QCOMPARE(TestHelpers::MessageRecorder::messages(), QStringList());
}

void TestCommandLineOptions::tableReplacement()
{
    CommandLineOptions options;
    options.setOptions({makeOption("b", QMetaType::Int, "first"), makeOption("B", QMetaType::Int),
                        makeOption("ab", QMetaType::Int), makeOption("a", QMetaType::Int),
                        makeOption("b", QMetaType::QString, "second")});
    QStringList listed;
    for (const Option &option : options.options())
        listed << option.name % ':' % option.description;
    QCOMPARE(listed, QStringList({"B:", "a:", "ab:", "b:second"}));

    QVERIFY(parse(options, {"-a", "1", "rest"}));
    options.setOptions({makeOption("a", QMetaType::Int)});
    QVERIFY(!options.hasValue("a"));
    QCOMPARE(options.remainingArgs(), QStringList {"rest"});
}

void TestCommandLineOptions::storeValue_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("given");
    QTest::addColumn<QVariant>("after"); // the caller's variant after the call
    QTest::addColumn<QString>("stored");

    const QVariant twelve("12");
    QTest::newRow("converted in place") << "width" << twelve << QVariant(12) << "width=int:12";
    QTest::newRow("failed conversion is stored")
        << "width" << QVariant("wide") << QVariant(0) << "width=int:0";
    QTest::newRow("option without value") << "reset" << twelve << twelve << QString();
    QTest::newRow("undeclared name") << "volume" << twelve << twelve << QString();
    QTest::newRow("type no Qt knows") << "odd" << twelve << twelve << QString();
    // As Qt 5 converts, under every Qt.
    QTest::newRow("halves round up") << "width" << QVariant(-1.5) << QVariant(-1) << "width=int:-1";
    const QVariant one(QStringList {"a"});
    const QVariant two(QStringList {"a", "b"});
    QTest::newRow("string list of one to a string") << "name" << one << QVariant("a") << "name=QString:a";
    QTest::newRow("longer string list is no string") << "name" << two << two << QString();
}

void TestCommandLineOptions::storeValue()
{
    QFETCH(QString, name);
    QFETCH(QVariant, given);
    QFETCH(QVariant, after);
    QFETCH(QString, stored);

    CommandLineOptions options;
    options.setOptions(gameOptions());
    const QVariant original = given;
    TestHelpers::MessageRecorder recorder;
    options.setValue(name, given);
    QCOMPARE(TestHelpers::MessageRecorder::messages(), QStringList());
    QCOMPARE(given.userType(), after.userType());
    QCOMPARE(given, after);
    QCOMPARE(options.hasValue(name), !stored.isNull());
    QCOMPARE(storedValues(options), stored);

    // A constant is stored the same way, and stays as it was.
    CommandLineOptions fromConstant;
    fromConstant.setOptions(gameOptions());
    fromConstant.setValue(name, original);
    QCOMPARE(storedValues(fromConstant), stored);
}

void TestCommandLineOptions::lookup_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<bool>("storeEntry"); // the store holds "640" under width and volume
    QTest::addColumn<bool>("useQSettings");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("expected"); // with 5 as the caller's default

    const QByteArrayList none;
    const QVariant entry("640");
    QTest::newRow("command line over store")
        << QByteArrayList {"-width", "1024"} << true << true << "width" << QVariant(1024);
    QTest::newRow("store over option default, unconverted") << none << true << true << "width" << entry;
    QTest::newRow("store not read when disabled") << none << true << false << "width" << QVariant(800);
    QTest::newRow("option default over caller's") << none << false << true << "width" << QVariant(800);
    QTest::newRow("caller's default") << none << false << true << "rate" << QVariant(5);
    QTest::newRow("undeclared name reads store") << none << true << true << "volume" << entry;
    QTest::newRow("found value wins though not a number")
        << QByteArrayList {"-name", "Ann"} << false << true << "name" << QVariant("Ann");
    QTest::newRow("empty name") << none << false << true << QString() << QVariant(5);
}

void TestCommandLineOptions::lookup()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(bool, storeEntry);
    QFETCH(bool, useQSettings);
    QFETCH(QString, name);
    QFETCH(QVariant, expected);

    QSettings store;
    store.clear();
    if (storeEntry) {
        store.setValue("width", "640");
        store.setValue("volume", "640");
    }
    CommandLineOptions options;
    options.setOptions(gameOptions());
    options.setUseQSettings(useQSettings);
    QVERIFY(parse(options, arguments));

    const QVariant found = options.value<QVariant>(name, 5);
    QCOMPARE(found.userType(), expected.userType());
    QCOMPARE(found, expected);
    QCOMPARE(options.value<int>(name, 5), expected.toInt());
}

QTEST_MAIN(TestCommandLineOptions)

#include "tst_commandlineoptions.moc"
