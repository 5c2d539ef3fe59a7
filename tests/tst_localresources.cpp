#include "testhelpers.h"

#include <marrowick/localresources.h>

#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPixmap>
#include <QtTest/QtTest>

#include <memory>

using Marrowick::LocalResources;
using Marrowick::TypeId;
using TestHelpers::MessageRecorder;

namespace {

constexpr qint64 KiB = 1024;
// What a host may pass for a pixmap besides QMetaType::QPixmap, and what warnings show for one.
constexpr int qt5Pixmap = 65;

// A PNG @p width pixels wide (none for a width of 0), followed by zeros up to
// @p size bytes, which the decoder never reads. Small pictures are padded to a size that depends on
// their width: Qt's own pixmap cache is keyed by file size and time, and must
// not serve a replaced file's old picture.
bool writePicture(const QString &fileName, int width, qint64 size = 0)
{
    QImage image(width, 1, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && (width == 0 || image.save(&file, "PNG")) &&
        file.resize(size > 0 ? size : 600 + width);
}

QString notFound(const QString &name, int type, const QString &paths)
{
    return "LocalResources::resource( \"" + name + "\" " + QString::number(type) + " , did not find resource in (" +
        paths + ") ";
}

// Runs in a child process: each application object takes the instance, its
// search paths and its cached pictures along when it goes.
int runChild(const QByteArray &)
{
    QTemporaryDir dir;
    int argc = 1;
    char programName[] = "tst_localresources";
    char *argv[] = {programName, nullptr};
    for (int round = 0; round < 2; ++round) {
        QGuiApplication application(argc, argv);
        if (!LocalResources::searchPaths().isEmpty())
            return 1;
        LocalResources::setSearchPaths({dir.path() + '/'});
        if (!writePicture(dir.filePath("card.png"), 3) || LocalResources::resourcePixmap("card.png").isNull())
            return 2;
    }
    return LocalResources::searchPaths().isEmpty() ? 0 : 3;
}

} // namespace

class TestLocalResources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void searchOrder_data();
    void searchOrder();
    void cacheKeyIsTheNameAlone();
    void cacheBudget_data();
    void cacheBudget();
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

void TestLocalResources::searchOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("set");
    QTest::addColumn<QStringList>("added"); // with addSearchPath(), in order
    QTest::addColumn<QString>("expectedFile");

    const QStringList both {"first/", "second/"};
    const QStringList first {"first/"};
    const QStringList second {"second/"};
    const QStringList none;
    QTest::newRow("earliest path wins") << "card.png" << both << none << "first/card.png";
    QTest::newRow("falls through to a later path") << "only.png" << both << none << "second/only.png";
    QTest::newRow("added path hides older ones") << "card.png" << second << first << "first/card.png";
    QTest::newRow("no separator inserted") << "card.png" << QStringList {"img"} << none << "imgcard.png";
}

void TestLocalResources::searchOrder()
{
    QFETCH(QString, name);
    QFETCH(QStringList, set);
    QFETCH(QStringList, added);
    QFETCH(QString, expectedFile);

    // Each file has its own width, which tells the pictures apart.
    const QStringList files {"first/card.png", "second/card.png", "second/only.png", "imgcard.png"};
    QVERIFY(QDir().mkpath("first") && QDir().mkpath("second"));
    for (int i = 0; i < files.size(); ++i)
        QVERIFY(writePicture(files.at(i), i + 1));

    MessageRecorder recorder;
    LocalResources::setSearchPaths(set);
    for (const QString &path : qAsConst(added))
        LocalResources::addSearchPath(path);
    QCOMPARE(LocalResources::resource(name, QMetaType::QString), QVariant(expectedFile));
    // Set again, the same list empties the cache, and the picture comes from the same file.
    LocalResources::setSearchPaths(LocalResources::searchPaths());
    QCOMPARE(LocalResources::resourcePixmap(name).width(), files.indexOf(expectedFile) + 1);
    QCOMPARE(MessageRecorder::messages(), QStringList());
}

void TestLocalResources::cacheKeyIsTheNameAlone()
{
    QVERIFY(writePicture("card.png", 4));
    LocalResources::setSearchPaths({QString()});
    MessageRecorder recorder;

    // Cached as a file name, the resource answers every later request with it.
    QCOMPARE(LocalResources::resource("card.png", QMetaType::QString), QVariant("card.png"));
    QVERIFY(LocalResources::resourcePixmap("card.png").isNull());
    QCOMPARE(LocalResources::resource("./card.png", QMetaType::QPixmap).userType(), int(QMetaType::QPixmap));

    // Any new path empties the cache. Qt 5's number for a pixmap asks for one under every Qt.
    LocalResources::addSearchPath("elsewhere/");
    QCOMPARE(LocalResources::resource("card.png", TypeId(qt5Pixmap)).value<QPixmap>().width(), 4);

    // Cached as a picture, it still knows its file name, also once the file is gone.
    QVERIFY(QFile::remove("card.png"));
    QCOMPARE(LocalResources::resourcePath("card.png", QMetaType::QString), QString("card.png"));
    QCOMPARE(LocalResources::resource("card.png", QMetaType::QString).userType(), int(QMetaType::QPixmap));
    QCOMPARE(MessageRecorder::messages(), QStringList());
}

void TestLocalResources::cacheBudget_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<qint64>>("sizes");
    QTest::addColumn<QList<int>>("requests"); // indexes into sizes, in order
    QTest::addColumn<QList<bool>>("cached");

    const int pixmap = QMetaType::QPixmap;
    const QList<qint64> three {3000 * KiB, 3000 * KiB, 3000 * KiB};
    QTest::newRow("least recently used goes")
        << pixmap << three << QList<int> {0, 1, 0, 2} << QList<bool> {true, false, true};
    QTest::newRow("8192 KiB fit") << pixmap << QList<qint64> {8192 * KiB} << QList<int> {0} << QList<bool> {true};
    QTest::newRow("8193 KiB never cached")
        << pixmap << QList<qint64> {8193 * KiB} << QList<int> {0} << QList<bool> {false};
    QTest::newRow("under 1 KiB costs nothing")
        << pixmap << QList<qint64> {8192 * KiB, 1023} << QList<int> {0, 1} << QList<bool> {true, true};
    QTest::newRow("file names cost their file's size")
        << int(QMetaType::QString) << QList<qint64> {8192 * KiB, 1024} << QList<int> {0, 1} << QList<bool> {false, true};
}

// The files are requested in order, then removed: only what is cached is still served.
void TestLocalResources::cacheBudget()
{
    QFETCH(int, type);
    QFETCH(QList<qint64>, sizes);
    QFETCH(QList<int>, requests);
    QFETCH(QList<bool>, cached);
    const TypeId requested = TypeId(type);
    const auto name = [](int i) -> QString { return QString::number(i) + ".png"; };

    LocalResources::setSearchPaths({QString()});
    for (int i = 0; i < sizes.size(); ++i)
        QVERIFY(writePicture(name(i), 1, sizes.at(i)));
    // A file too large to be cached still yields its name.
    for (int i : qAsConst(requests))
        QCOMPARE(LocalResources::resourcePath(name(i), requested), name(i));
    for (int i = 0; i < sizes.size(); ++i)
        QVERIFY(QFile::remove(name(i)));

    MessageRecorder recorder; // one warning per entry not cached
    for (int i = 0; i < sizes.size(); ++i)
        QCOMPARE(LocalResources::resource(name(i), requested).userType(), cached.at(i) ? type : 0);
    QCOMPARE(MessageRecorder::messages().size(), int(cached.count(false)));
}

void TestLocalResources::foundWithoutValue_data()
{
    QTest::addColumn<bool>("picture");
    QTest::addColumn<int>("type");

    QTest::newRow("zeros as a picture") << false << int(QMetaType::QPixmap);
    QTest::newRow("picture as an int") << true << int(QMetaType::Int);
}

// A file found without a value is no failure to report and no entry to cache.
void TestLocalResources::foundWithoutValue()
{
    QFETCH(bool, picture);
    QFETCH(int, type);
    QVERIFY(writePicture("card.png", picture ? 5 : 0));
    LocalResources::setSearchPaths({QString()});

    MessageRecorder recorder;
    QVERIFY(!LocalResources::resource("card.png", TypeId(type)).isValid());
    const QString path = LocalResources::resourcePath("card.png", TypeId(type));
    QVERIFY(path.isEmpty() && !path.isNull());
    QCOMPARE(LocalResources::resourcePixmap("card.png").isNull(), !picture);

    QVERIFY(writePicture("card.png", 6));
    QCOMPARE(LocalResources::resourcePixmap("card.png").width(), picture ? 5 : 6);
    QCOMPARE(MessageRecorder::messages(), QStringList());
}

void TestLocalResources::missingResourceWarning_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("shown"); // the type's number in the warning: Qt 5's under every Qt
    QTest::addColumn<QString>("quotedPaths"); // as the warning lists them

    const int string = QMetaType::QString;
    QTest::newRow("two paths") << QStringList {"a/", "b/"} << "card.png" << string << string << "\"a/\", \"b/\"";
    QTest::newRow("no search paths") << QStringList() << "card.png" << int(QMetaType::QPixmap) << qt5Pixmap
                                     << QString();
    QTest::newRow("quotes, backslashes and accents as they are")
        << QStringList {"d\\\"x\"/", QString::fromUtf8("\xc3\xa9t\xc3\xa9/")} << "say \"hi\"\t.png"
        << int(QMetaType::User) << int(QMetaType::User) << QString::fromUtf8("\"d\\\"x\"/\", \"\xc3\xa9t\xc3\xa9/\"");
}

// Nothing is cached for a missing name: every request searches and warns again.
void TestLocalResources::missingResourceWarning()
{
    QFETCH(QStringList, paths);
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(int, shown);
    QFETCH(QString, quotedPaths);

    LocalResources::setSearchPaths(paths);
    MessageRecorder recorder;
    QVERIFY(!LocalResources::resource(name, TypeId(type)).isValid());
    const QString path = LocalResources::resourcePath(name, TypeId(type));
    QVERIFY(path.isEmpty() && !path.isNull());
    QVERIFY(LocalResources::resourcePixmap(name).isNull());
    const QString warning = notFound(name, shown, quotedPaths);
    QCOMPARE(MessageRecorder::messages(), QStringList({warning, warning, notFound(name, qt5Pixmap, quotedPaths)}));
    QCOMPARE(MessageRecorder::categories(), QStringList {QStringLiteral("marrowick.resources")});

    // A host can turn the warning off; the lookup fails the same way.
    const TestHelpers::LoggingRules quiet(QStringLiteral("marrowick.resources.warning=false"));
    const MessageRecorder silenced;
    QVERIFY(!LocalResources::resource(name, TypeId(type)).isValid());
    QCOMPARE(MessageRecorder::messages(), QStringList());
}

void TestLocalResources::instanceEndsWithTheApplicationObject()
{
    const TestHelpers::ChildRun run = TestHelpers::runChildCase("lifetime");
    QVERIFY2(!run.crashed && run.exitCode == 0, run.standardError.constData());
}

MARROWICK_TEST_MAIN_WITH_CHILDREN(TestLocalResources, runChild)

#include "tst_localresources.moc"
