#include "testhelpers.h"

#include <marrowick/localresources.h>

#include <QtCore/QBuffer>
#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPixmap>
#include <QtTest/QtTest>

#include <cstdio>
#include <memory>

using Marrowick::LocalResources;

namespace {

constexpr qint64 KiB = 1024;

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

bool writeFile(const QString &fileName, const QByteArray &content, qint64 size)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
        file.resize(qMax(size, qint64(content.size())));
}

// A PNG @p width pixels wide, followed by zeros up to @p size bytes, which the
// decoder never reads. Small pictures are padded to a size that depends on
// their width: Qt's own pixmap cache is keyed by file size and time, and must
// not serve a replaced file's old picture.
bool writePicture(const QString &fileName, int width, qint64 size = 0)
{
    QImage image(width, 1, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") && writeFile(fileName, png, size > 0 ? size : 600 + width);
}

QString notFound(const QString &name, int type, const QString &paths)
{
    return latin1("LocalResources::resource( \"") + name + latin1("\" ") + QString::number(type) +
        latin1(" , did not find resource in (") + paths + latin1(") ");
}

int failChild(const char *why)
{
    std::fprintf(stderr, "%s\n", why);
    return 1;
}

// Runs in a child process: the instance must end with each application object,
// taking its search paths and cached entries along.
int checkLifetimeWithTwoApplicationObjects()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString name = latin1("card.png");
    int argc = 1;
    char programName[] = "tst_localresources";
    char *argv[] = {programName, nullptr};
    for (int round = 0; round < 2; ++round) {
        QGuiApplication application(argc, argv);
        if (!LocalResources::searchPaths().isEmpty())
            return failChild("search paths outlived the application object");
        if (!LocalResources::resourcePath(name, QVariant::Pixmap).isEmpty())
            return failChild("a cached entry outlived the application object");
        LocalResources::setSearchPaths({folder});
        if (!writePicture(folder + name, 3) || LocalResources::resourcePixmap(name).isNull())
            return failChild("the picture did not load");
        QFile::remove(folder + name);
        if (LocalResources::resourcePixmap(name).isNull())
            return failChild("the picture was not cached");
    }
    return LocalResources::searchPaths().isEmpty() ? 0 : failChild("search paths outlived the last application object");
}

int runChild(const QByteArray &childCase)
{
    return childCase == "lifetime" ? checkLifetimeWithTwoApplicationObjects() : failChild("unknown child case");
}

} // namespace

class TestLocalResources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void searchPathEditing_data();
    void searchPathEditing();
    void searchOrder_data();
    void searchOrder();
    void cacheHitReadsNoFile_data();
    void cacheHitReadsNoFile();
    void pathChangesEmptyTheCache_data();
    void pathChangesEmptyTheCache();
    void cacheKeyIsTheNameAlone();
    void leastRecentlyUsedEviction_data();
    void leastRecentlyUsedEviction();
    void cacheCost_data();
    void cacheCost();
    void foundWithoutValue_data();
    void foundWithoutValue();
    void missingResourceWarning_data();
    void missingResourceWarning();
    void instanceEndsWithTheApplicationObject();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousCurrentPath;
};

// Every test works in a fresh temporary folder made the current one, so that
// search paths and expected file names are short relative paths.
void TestLocalResources::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_previousCurrentPath = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    LocalResources::setSearchPaths({});
}

void TestLocalResources::cleanup()
{
    QDir::setCurrent(m_previousCurrentPath);
    m_dir.reset();
}

void TestLocalResources::searchPathEditing_data()
{
    QTest::addColumn<QStringList>("set");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("expected");

    const QString a = latin1("a/");
    const QString b = latin1("b/");
    QTest::newRow("none") << QStringList() << QStringList() << QStringList();
    QTest::newRow("added last is tried first") << QStringList() << QStringList {a, b} << QStringList {b, a};
    QTest::newRow("added twice") << QStringList() << QStringList {a, a} << QStringList {a, a};
    QTest::newRow("added in front of a set list")
        << QStringList {a, b} << QStringList {latin1("c")} << QStringList {latin1("c"), a, b};
    const QStringList untouched {b, QString(), b, latin1("no/separator"), latin1(" spaced\\ ")};
    QTest::newRow("set as given") << untouched << QStringList() << untouched;
}

void TestLocalResources::searchPathEditing()
{
    QFETCH(QStringList, set);
    QFETCH(QStringList, added);
    QFETCH(QStringList, expected);

    LocalResources::setSearchPaths(set);
    for (const QString &path : qAsConst(added))
        LocalResources::addSearchPath(path);
    QStringList paths = LocalResources::searchPaths();
    QCOMPARE(paths, expected);
    paths.append(latin1("only/in/the/copy/"));
    QCOMPARE(LocalResources::searchPaths(), expected);
}

void TestLocalResources::searchOrder_data()
{
    QTest::addColumn<QStringList>("set");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expectedFile");

    const QString first = latin1("first/");
    const QString second = latin1("second/");
    const QString card = latin1("card.png");
    QTest::newRow("earliest path wins") << QStringList {first, second} << QString() << card << latin1("first/card.png");
    QTest::newRow("order as set") << QStringList {second, first} << QString() << card << latin1("second/card.png");
    QTest::newRow("falls through to a later path")
        << QStringList {first, second} << QString() << latin1("only.png") << latin1("second/only.png");
    QTest::newRow("added path hides older ones") << QStringList {second} << first << card << latin1("first/card.png");
    QTest::newRow("added path without the file")
        << QStringList {second} << first << latin1("only.png") << latin1("second/only.png");
    QTest::newRow("no separator inserted") << QStringList {latin1("img")} << QString() << card << latin1("imgcard.png");
    QTest::newRow("empty path tries the name as is")
        << QStringList {latin1("missing/"), QString()} << QString() << card << card;
    QTest::newRow("name with a folder") << QStringList {first, second} << QString() << latin1("deck/back.png")
                                        << latin1("second/deck/back.png");
}

void TestLocalResources::searchOrder()
{
    QFETCH(QStringList, set);
    QFETCH(QString, added);
    QFETCH(QString, name);
    QFETCH(QString, expectedFile);

    // Each file has its own width, which tells the pictures apart.
    const QStringList files {latin1("first/card.png"), latin1("second/card.png"), latin1("second/only.png"),
                             latin1("imgcard.png"),    latin1("card.png"),        latin1("second/deck/back.png")};
    QVERIFY(QDir().mkpath(latin1("first")) && QDir().mkpath(latin1("second/deck")));
    for (int i = 0; i < files.size(); ++i)
        QVERIFY(writePicture(files.at(i), i + 1));

    TestHelpers::MessageRecorder recorder;
    LocalResources::setSearchPaths(set);
    if (!added.isNull())
        LocalResources::addSearchPath(added);
    QCOMPARE(LocalResources::resource(name, QVariant::String), QVariant(expectedFile));

    LocalResources::setSearchPaths(LocalResources::searchPaths());
    QCOMPARE(LocalResources::resourcePixmap(name).width(), files.indexOf(expectedFile) + 1);
    QCOMPARE(LocalResources::resourcePath(name, QVariant::String), expectedFile);
    QCOMPARE(TestHelpers::MessageRecorder::messages(), QStringList());
}

void TestLocalResources::cacheHitReadsNoFile_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("picture") << int(QVariant::Pixmap);
    QTest::newRow("file name") << int(QVariant::String);
}

void TestLocalResources::cacheHitReadsNoFile()
{
    QFETCH(int, type);
    const QString name = latin1("card.png");
    QVERIFY(writePicture(name, 2));
    LocalResources::setSearchPaths({QString()});

    TestHelpers::MessageRecorder recorder;
    const QVariant loaded = LocalResources::resource(name, QVariant::Type(type));
    QCOMPARE(int(loaded.type()), type);
    QVERIFY(QFile::remove(name));

    // Equal pixmaps share their data: the same picture, not a second decoding.
    QCOMPARE(LocalResources::resource(name, QVariant::Type(type)), loaded);
    QCOMPARE(LocalResources::resourcePath(name, QVariant::Type(type)), name);
    QCOMPARE(TestHelpers::MessageRecorder::messages(), QStringList());
}

void TestLocalResources::pathChangesEmptyTheCache_data()
{
    QTest::addColumn<QStringList>("set");
    QTest::addColumn<QString>("added");
    QTest::addColumn<int>("expectedWidth");
    QTest::addColumn<QStringList>("expectedMessages");

    const QStringList original {latin1("pictures/")};
    QTest::newRow("same list set again") << original << QString() << 2 << QStringList();
    QTest::newRow("same path added again") << original << original.first() << 2 << QStringList();
    QTest::newRow("path without the file added") << original << latin1("elsewhere/") << 2 << QStringList();
    QTest::newRow("no paths left") << QStringList() << QString() << 0
                                   << QStringList {notFound(latin1("card.png"), QVariant::Pixmap, QString())};
}

void TestLocalResources::pathChangesEmptyTheCache()
{
    QFETCH(QStringList, set);
    QFETCH(QString, added);
    QFETCH(int, expectedWidth);
    QFETCH(QStringList, expectedMessages);

    const QString name = latin1("card.png");
    const QString fileName = latin1("pictures/card.png");
    QVERIFY(QDir().mkpath(latin1("pictures")));
    QVERIFY(writePicture(fileName, 1));
    LocalResources::setSearchPaths({latin1("pictures/")});
    QCOMPARE(LocalResources::resourcePixmap(name).width(), 1);
    QVERIFY(writePicture(fileName, 2));
    QCOMPARE(LocalResources::resourcePixmap(name).width(), 1);

    TestHelpers::MessageRecorder recorder;
    LocalResources::setSearchPaths(set);
    if (!added.isNull())
        LocalResources::addSearchPath(added);
    QCOMPARE(LocalResources::resourcePixmap(name).width(), expectedWidth);
    QCOMPARE(TestHelpers::MessageRecorder::messages(), expectedMessages);
}

void TestLocalResources::cacheKeyIsTheNameAlone()
{
    const QString name = latin1("card.png");
    QVERIFY(writePicture(name, 4));
    LocalResources::setSearchPaths({QString()});
    TestHelpers::MessageRecorder recorder;

    // Cached as a file name, the resource answers every later request with it.
    QCOMPARE(LocalResources::resource(name, QVariant::String), QVariant(name));
    QVERIFY(LocalResources::resourcePixmap(name).isNull());
    QCOMPARE(LocalResources::resource(name, QVariant::Pixmap), QVariant(name));
    QCOMPARE(LocalResources::resource(latin1("./card.png"), QVariant::Pixmap).type(), QVariant::Pixmap);

    LocalResources::addSearchPath(latin1("elsewhere/"));
    QCOMPARE(LocalResources::resourcePixmap(name).width(), 4);

    // Cached as a picture, it still knows its file name.
    QVERIFY(QFile::remove(name));
    QCOMPARE(LocalResources::resourcePath(name, QVariant::String), name);
    QCOMPARE(LocalResources::resource(name, QVariant::String).type(), QVariant::Pixmap);
    QCOMPARE(TestHelpers::MessageRecorder::messages(), QStringList());
}

void TestLocalResources::leastRecentlyUsedEviction_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("touchWithPath");

    QTest::newRow("pictures") << int(QVariant::Pixmap) << false;
    QTest::newRow("file names") << int(QVariant::String) << false;
    QTest::newRow("pictures, reused by path") << int(QVariant::Pixmap) << true;
}

// Three files of 3000 KiB: the third needs the room of one of the first two,
// and the one used least recently goes.
void TestLocalResources::leastRecentlyUsedEviction()
{
    QFETCH(int, type);
    QFETCH(bool, touchWithPath);
    const QVariant::Type requested = QVariant::Type(type);

    const QStringList names {latin1("first.png"), latin1("second.png"), latin1("third.png")};
    for (const QString &name : names)
        QVERIFY(writePicture(name, 1, 3000 * KiB));
    LocalResources::setSearchPaths({QString()});

    QVERIFY(LocalResources::resource(names.at(0), requested).isValid());
    QVERIFY(LocalResources::resource(names.at(1), requested).isValid());
    if (touchWithPath)
        QCOMPARE(LocalResources::resourcePath(names.at(0), requested), names.at(0));
    else
        QVERIFY(LocalResources::resource(names.at(0), requested).isValid());
    QVERIFY(LocalResources::resource(names.at(2), requested).isValid());
    for (const QString &name : names)
        QVERIFY(QFile::remove(name));

    TestHelpers::MessageRecorder recorder;
    QCOMPARE(int(LocalResources::resource(names.at(0), requested).type()), type);
    QCOMPARE(int(LocalResources::resource(names.at(2), requested).type()), type);
    QVERIFY(!LocalResources::resource(names.at(1), requested).isValid());
    QCOMPARE(TestHelpers::MessageRecorder::messages(), QStringList {notFound(names.at(1), type, latin1("\"\""))});
}

void TestLocalResources::cacheCost_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<qint64>>("sizes");
    QTest::addColumn<QList<bool>>("cached");

    const int pixmap = QVariant::Pixmap;
    QTest::newRow("8192 KiB fit") << pixmap << QList<qint64> {8192 * KiB} << QList<bool> {true};
    QTest::newRow("8193 KiB less a byte fit") << pixmap << QList<qint64> {8193 * KiB - 1} << QList<bool> {true};
    QTest::newRow("8193 KiB never cached") << pixmap << QList<qint64> {8193 * KiB} << QList<bool> {false};
    QTest::newRow("8193 KiB as a file name")
        << int(QVariant::String) << QList<qint64> {8193 * KiB} << QList<bool> {false};
    QTest::newRow("too large evicts nothing")
        << pixmap << QList<qint64> {3000 * KiB, 9000 * KiB} << QList<bool> {true, false};
    QTest::newRow("under 1 KiB costs nothing")
        << pixmap << QList<qint64> {8192 * KiB, 1023} << QList<bool> {true, true};
    QTest::newRow("1 KiB needs room") << pixmap << QList<qint64> {8192 * KiB, 1024} << QList<bool> {false, true};
    QTest::newRow("file names cost their file's size")
        << int(QVariant::String) << QList<qint64> {8192 * KiB, 1024} << QList<bool> {false, true};
}

// The files are loaded in order, then removed: what is cached is still served.
void TestLocalResources::cacheCost()
{
    QFETCH(int, type);
    QFETCH(QList<qint64>, sizes);
    QFETCH(QList<bool>, cached);
    const QVariant::Type requested = QVariant::Type(type);

    LocalResources::setSearchPaths({latin1("big/")});
    QVERIFY(QDir().mkpath(latin1("big")));
    QStringList names;
    for (int i = 0; i < sizes.size(); ++i) {
        names.append(QString::number(i) + latin1(".png"));
        QVERIFY(writePicture(latin1("big/") + names.at(i), 1, sizes.at(i)));
        // A file too large to be cached still yields its name.
        QCOMPARE(LocalResources::resourcePath(names.at(i), requested), latin1("big/") + names.at(i));
    }
    for (const QString &name : qAsConst(names))
        QVERIFY(QFile::remove(latin1("big/") + name));

    TestHelpers::MessageRecorder recorder;
    QStringList expectedMessages;
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(LocalResources::resource(names.at(i), requested).isValid(), cached.at(i));
        if (!cached.at(i))
            expectedMessages.append(notFound(names.at(i), type, latin1("\"big/\"")));
    }
    QCOMPARE(TestHelpers::MessageRecorder::messages(), expectedMessages);
}

void TestLocalResources::foundWithoutValue_data()
{
    QTest::addColumn<bool>("picture");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("type");

    QTest::newRow("text file as a picture") << false << QByteArray("not a picture\n") << int(QVariant::Pixmap);
    QTest::newRow("empty file as a picture") << false << QByteArray() << int(QVariant::Pixmap);
    QTest::newRow("picture as an image") << true << QByteArray() << int(QVariant::Image);
    QTest::newRow("picture as a byte array") << true << QByteArray() << int(QVariant::ByteArray);
    QTest::newRow("picture as an int") << true << QByteArray() << int(QVariant::Int);
    QTest::newRow("picture as an invalid type") << true << QByteArray() << int(QVariant::Invalid);
    QTest::newRow("picture as a user type") << true << QByteArray() << int(QVariant::UserType);
}

// A file found without a value is no failure to report and no entry to cache.
void TestLocalResources::foundWithoutValue()
{
    QFETCH(bool, picture);
    QFETCH(QByteArray, text);
    QFETCH(int, type);
    const QVariant::Type requested = QVariant::Type(type);
    const QString name = latin1("card.png");
    QVERIFY(picture ? writePicture(name, 5) : writeFile(name, text, 0));
    LocalResources::setSearchPaths({QString()});

    TestHelpers::MessageRecorder recorder;
    QVERIFY(!LocalResources::resource(name, requested).isValid());
    const QString path = LocalResources::resourcePath(name, requested);
    QVERIFY(path.isEmpty() && !path.isNull());
    if (!picture)
        QVERIFY(LocalResources::resourcePixmap(name).isNull());

    QVERIFY(writePicture(name, 5));
    QCOMPARE(LocalResources::resourcePixmap(name).width(), 5);
    QCOMPARE(TestHelpers::MessageRecorder::messages(), QStringList());
}

void TestLocalResources::missingResourceWarning_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("warning");

    const QString card = latin1("card.png");
    const QString resource = latin1("resource");
    QTest::newRow("two paths") << QStringList {latin1("a/"), latin1("b/")} << card << int(QVariant::Pixmap) << resource
                               << latin1("LocalResources::resource( \"card.png\" 65 , did not find resource in "
                                         "(\"a/\", \"b/\") ");
    QTest::newRow("no search paths") << QStringList() << card << int(QVariant::String) << resource
                                     << latin1("LocalResources::resource( \"card.png\" 10 , did not find resource in "
                                               "() ");
    QTest::newRow("type not served") << QStringList {latin1("a/")} << card << int(QVariant::Int) << resource
                                     << notFound(card, 2, latin1("\"a/\""));
    QTest::newRow("user type") << QStringList {latin1("a/")} << card << int(QVariant::UserType) << resource
                               << notFound(card, 1024, latin1("\"a/\""));
    QTest::newRow("empty name and path") << QStringList {QString()} << QString() << int(QVariant::String) << resource
                                         << notFound(QString(), 10, latin1("\"\""));
    QTest::newRow("quotes, backslashes and accents as they are")
        << QStringList {latin1("d\\\"x\"/"), QString::fromUtf8("\xc3\xa9t\xc3\xa9/")} << latin1("say \"hi\"\t.png")
        << int(QVariant::Pixmap) << resource
        << QString::fromUtf8("LocalResources::resource( \"say \"hi\"\t.png\" 65 , did not find resource in "
                             "(\"d\\\"x\"/\", \"\xc3\xa9t\xc3\xa9/\") ");
    QTest::newRow("through resourcePath") << QStringList {latin1("a/")} << card << int(QVariant::String)
                                          << latin1("resourcePath") << notFound(card, 10, latin1("\"a/\""));
    QTest::newRow("through resourcePixmap") << QStringList {latin1("a/")} << card << int(QVariant::Pixmap)
                                            << latin1("resourcePixmap") << notFound(card, 65, latin1("\"a/\""));
}

// Nothing is cached for a missing name: every request searches and warns again.
void TestLocalResources::missingResourceWarning()
{
    QFETCH(QStringList, paths);
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(QString, operation);
    QFETCH(QString, warning);

    LocalResources::setSearchPaths(paths);
    TestHelpers::MessageRecorder recorder;
    for (int request = 0; request < 2; ++request) {
        if (operation == latin1("resourcePath")) {
            const QString path = LocalResources::resourcePath(name, QVariant::Type(type));
            QVERIFY(path.isEmpty() && !path.isNull());
        } else if (operation == latin1("resourcePixmap")) {
            QVERIFY(LocalResources::resourcePixmap(name).isNull());
        } else {
            QVERIFY(!LocalResources::resource(name, QVariant::Type(type)).isValid());
        }
    }
    QCOMPARE(TestHelpers::MessageRecorder::messages(), QStringList({warning, warning}));
}

void TestLocalResources::instanceEndsWithTheApplicationObject()
{
    const TestHelpers::ChildRun run = TestHelpers::runChildCase(latin1("lifetime"));
    QVERIFY2(!run.crashed && run.exitCode == 0, run.standardError.constData());
}

MARROWICK_TEST_MAIN_WITH_CHILDREN(TestLocalResources, runChild)

#include "tst_localresources.moc"
