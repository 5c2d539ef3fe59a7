#include <marrowick/carddeck.h>
#include <marrowick/localresources.h>

#include <QtCore/QTemporaryDir>
#include <QtGui/QImage>
#include <QtTest/QtTest>

#include <sys/stat.h>

using Marrowick::Card;
using Marrowick::CardDeck;

namespace {

const Card aceOfSpades(Card::Spades, 0);
const Card queenOfHearts(Card::Hearts, 11);
const Card back(Card::Back, 0);

// A deck in the free decks' naming with four of its elements, each 100 × 150.
const QByteArray freeDeck = "<svg xmlns='http://www.w3.org/2000/svg' width='420' height='150'>"
                            "<rect id='back' x='0' y='0' width='100' height='150' fill='#2040a0'/>"
                            "<rect id='1_spade' x='105' y='0' width='100' height='150' fill='#000000'/>"
                            "<rect id='queen_heart' x='210' y='0' width='100' height='150' fill='#e00000'/>"
                            "<rect id='red_joker' x='315' y='0' width='100' height='150' fill='#e0e000'/>"
                            "</svg>";

// The file's name, or an empty string when it could not be written.
QString written(const QString &name, const QByteArray &contents)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() ? name : QString();
}

int redPixels(const QImage &image)
{
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            red += colour.red() > 150 && colour.green() < 90 && colour.blue() < 90;
        }
    }
    return red;
}

} // namespace

class TestCardDeck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pixmapSize_data();
    void pixmapSize();
    void builtInPictures();
    void cacheServesTheSamePictureWithinItsLimit();
    void freeDeckNaming_data();
    void freeDeckNaming();
    void hostNaming();
    void brokenFiles_data();
    void brokenFiles();
    void findsDecksByName();
    void backgroundRenderingEqualsForeground();
    void backgroundRenderingStops();

private:
    QTemporaryDir m_dir;
};

void TestCardDeck::pixmapSize_data()
{
    QTest::addColumn<Card>("card");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("pixels"); // 0 × 0: a null pixmap

    QTest::newRow("ratio 2") << aceOfSpades << QSize(50, 70) << 2.0 << QSize(100, 140);
    QTest::newRow("ratio 1.25, rounded") << back << QSize(33, 47) << 1.25 << QSize(41, 59);
    QTest::newRow("empty size") << aceOfSpades << QSize(0, 70) << 1.0 << QSize(0, 0);
    QTest::newRow("ratio 0") << aceOfSpades << QSize(50, 70) << 0.0 << QSize(0, 0);
    QTest::newRow("too large") << aceOfSpades << QSize(9000, 70) << 2.0 << QSize(0, 0);
    QTest::newRow("invalid card") << Card(Card::Spades, -1) << QSize(50, 70) << 1.0 << QSize(0, 0);
}

void TestCardDeck::pixmapSize()
{
    QFETCH(Card, card);
    QFETCH(QSize, size);
    QFETCH(qreal, ratio);
    QFETCH(QSize, pixels);

    CardDeck deck;
    QVERIFY2(deck.isValid(), qPrintable(deck.errorString()));
    const QPixmap pixmap = deck.pixmap(card, size, ratio);
    QCOMPARE(pixmap.size(), pixels);
    if (!pixels.isEmpty())
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
}

// The built-in deck draws each card by its element id: a red queen of hearts, a black ace of spades.
void TestCardDeck::builtInPictures()
{
    CardDeck deck;
    QCOMPARE(deck.aspectRatio(), 200.0 / 280.0);
    QVERIFY(redPixels(deck.pixmap(queenOfHearts, QSize(60, 84)).toImage()) > 50);
    QVERIFY(redPixels(deck.pixmap(aceOfSpades, QSize(60, 84)).toImage()) <= 50);
}

void TestCardDeck::cacheServesTheSamePictureWithinItsLimit()
{
    CardDeck deck;
    const QPixmap first = deck.pixmap(aceOfSpades, QSize(40, 56), 2.0);
    QCOMPARE(deck.cacheSize(), qint64(80 * 112 * 4));
    QCOMPARE(deck.pixmap(aceOfSpades, QSize(40, 56), 2.0).cacheKey(), first.cacheKey());
    // Another size is another picture; the back is one picture for every value.
    QVERIFY(deck.pixmap(aceOfSpades, QSize(41, 56), 2.0).cacheKey() != first.cacheKey());
    QCOMPARE(deck.pixmap(Card(Card::Back, 7), QSize(40, 56)).cacheKey(), deck.pixmap(back, QSize(40, 56)).cacheKey());
    deck.clearCache();
    QCOMPARE(deck.cacheSize(), qint64(0));
    QVERIFY(deck.pixmap(aceOfSpades, QSize(40, 56), 2.0).cacheKey() != first.cacheKey());

    // Beyond its limit the cache lets go of the least recently used picture.
    deck.clearCache();
    const QSize size(20, 28);
    const qint64 picture = 20 * 28 * 4;
    deck.setCacheLimit(3 * picture);
    const qint64 a = deck.pixmap(Card(Card::Clubs, 0), size).cacheKey();
    const qint64 b = deck.pixmap(Card(Card::Clubs, 1), size).cacheKey();
    deck.pixmap(Card(Card::Clubs, 2), size);
    deck.pixmap(Card(Card::Clubs, 0), size); // a is now the most recently used
    deck.pixmap(Card(Card::Clubs, 3), size);
    QCOMPARE(deck.cacheSize(), 3 * picture);
    QCOMPARE(deck.pixmap(Card(Card::Clubs, 0), size).cacheKey(), a);
    QVERIFY(deck.pixmap(Card(Card::Clubs, 1), size).cacheKey() != b);

    // A window resized again and again never grows the cache past its bound.
    deck.setCacheLimit(100 * 1024);
    for (int width = 20; width < 120; ++width) {
        deck.pixmap(aceOfSpades, QSize(width, width * 7 / 5));
        QVERIFY(deck.cacheSize() <= deck.cacheLimit());
    }
}

void TestCardDeck::freeDeckNaming_data()
{
    QTest::addColumn<Card>("card");
    QTest::addColumn<QString>("element");
    QTest::addColumn<bool>("present");

    QTest::newRow("queen of hearts") << queenOfHearts << "queen_heart" << true;
    QTest::newRow("ace of spades") << aceOfSpades << "1_spade" << true;
    QTest::newRow("red joker") << Card(Card::Joker, 1) << "red_joker" << true;
    QTest::newRow("black joker") << Card(Card::Joker, 0) << "black_joker" << false;
}

void TestCardDeck::freeDeckNaming()
{
    QFETCH(Card, card);
    QFETCH(QString, element);
    QFETCH(bool, present);

    const QString file = written(m_dir.filePath("free.svg"), freeDeck);
    QVERIFY(!file.isEmpty());
    CardDeck deck(file);
    QVERIFY2(deck.isValid(), qPrintable(deck.errorString()));
    QCOMPARE(deck.naming(), CardDeck::FreeDeckNaming);
    QCOMPARE(deck.naturalSize(), QSizeF(100, 150));
    QCOMPARE(deck.elementId(card), element);
    QCOMPARE(deck.hasPicture(card), present);

    // A missing element is drawn as a placeholder and warned about once.
    if (!present) {
        QTest::ignoreMessage(QtWarningMsg, qPrintable("The card deck " + file + " has no element \"" + element +
                                                      "\"; drawing a placeholder"));
    }
    const QImage picture = deck.pixmap(card, QSize(50, 75)).toImage();
    deck.pixmap(card, QSize(60, 90));
    QCOMPARE(picture.pixelColor(25, 2).alpha(), 255);
    QCOMPARE(redPixels(picture) > 500, card == queenOfHearts);
}

void TestCardDeck::hostNaming()
{
    CardDeck deck;
    deck.setNamingFunction([](Card card) { return card.suit() == Card::Hearts ? QString() : QStringLiteral("Joker"); });
    QCOMPARE(deck.naming(), CardDeck::HostNaming);
    QCOMPARE(deck.elementId(aceOfSpades), QStringLiteral("Joker"));
    QVERIFY(deck.pixmap(queenOfHearts, QSize(20, 28)).isNull());
    deck.setNamingFunction(CardDeck::NamingFunction());
    QCOMPARE(deck.naming(), CardDeck::ElementIdNaming);
    QCOMPARE(deck.elementId(aceOfSpades), QStringLiteral("Ace_Spades"));
}

void TestCardDeck::brokenFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << m_dir.filePath("missing.svg") << "there is no such file";
    QTest::newRow("empty") << written(m_dir.filePath("empty.svg"), QByteArray()) << "it is empty";
    QFile builtIn(CardDeck::builtInDeckPath());
    const QByteArray document = builtIn.open(QIODevice::ReadOnly) ? builtIn.readAll() : QByteArray();
    QTest::newRow("truncated") << written(m_dir.filePath("truncated.svg"), document.left(document.size() / 2))
                               << "it is not a readable SVG document";
    QTest::newRow("no cards") << written(m_dir.filePath("nocards.svg"),
                                         "<svg xmlns='http://www.w3.org/2000/svg'><rect id='x'/></svg>")
                              << "it holds no card pictures of a known naming";
    const QString fifo = m_dir.filePath("fifo.svg");
    QTest::newRow("FIFO") << (::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0 ? fifo : QString())
                          << "it is not a regular file";
}

void TestCardDeck::brokenFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);

    QVERIFY(!file.isEmpty());
    CardDeck deck(file);
    QVERIFY(!deck.isValid());
    QCOMPARE(deck.errorString(), "cannot read the card deck " + file + ": " + reason);
    // Still a picture for every card, the placeholder, without a warning per card.
    QCOMPARE(deck.pixmap(queenOfHearts, QSize(30, 42)).size(), QSize(30, 42));
}

void TestCardDeck::findsDecksByName()
{
    QTemporaryDir folder;
    QVERIFY(!written(folder.filePath("mine.svgz"), freeDeck).isEmpty());
    Marrowick::LocalResources::setSearchPaths({folder.path() + "/"});

    QCOMPARE(CardDeck::findDeck("mine"), folder.filePath("mine.svgz"));
    const QStringList decks = CardDeck::availableDecks();
    QVERIFY2(decks.startsWith("mine") && decks.contains("marrowick-deck"), qPrintable(decks.join(',')));
    QCOMPARE(CardDeck("mine").naming(), CardDeck::FreeDeckNaming);
    // The built-in deck is found by name where no folder holds one.
    QCOMPARE(CardDeck("marrowick-deck").fileName(), CardDeck::builtInDeckPath());
    const CardDeck unknown("nosuchdeck");
    QVERIFY(!unknown.isValid());
    QVERIFY2(unknown.errorString().startsWith("cannot find the card deck nosuchdeck in " + folder.path() + "/, "),
             qPrintable(unknown.errorString()));
    Marrowick::LocalResources::setSearchPaths({});
}

void TestCardDeck::backgroundRenderingEqualsForeground()
{
    const QSize size(40, 56);
    CardDeck deck;
    QSignalSpy rendered(&deck, &CardDeck::allRendered);
    deck.renderAll(size, 2.0);
    QVERIFY(deck.isRendering());
    // Meanwhile a picture comes at once, and the rendering still ends.
    QCOMPARE(deck.pixmap(queenOfHearts, size, 2.0).size(), QSize(80, 112));
    QVERIFY(rendered.wait(20000));
    QCOMPARE(rendered.count(), 1);
    QCOMPARE(rendered.at(0).at(0).toSize(), size);
    QCOMPARE(rendered.at(0).at(1).toReal(), 2.0);
    QVERIFY(!deck.isRendering());
    QCOMPARE(deck.cacheSize(), qint64(54 * 80 * 112 * 4));

    CardDeck foreground;
    for (int suit = Card::Back; suit <= Card::Spades; ++suit) {
        for (char value = 0; value < 13; ++value) {
            const Card card(Card::Suit(suit), value);
            QCOMPARE(deck.pixmap(card, size, 2.0).toImage(), foreground.pixmap(card, size, 2.0).toImage());
        }
    }
    QCOMPARE(deck.cacheSize(), qint64(54 * 80 * 112 * 4)); // all of them came from the cache

    // Every picture cached already: the signal comes all the same.
    deck.renderAll(size, 2.0);
    QVERIFY(rendered.wait(5000));
}

void TestCardDeck::backgroundRenderingStops()
{
    // A rendering for another size replaces the one in progress, which never announces itself.
    CardDeck deck;
    QSignalSpy rendered(&deck, &CardDeck::allRendered);
    deck.renderAll(QSize(60, 84), 1.0);
    deck.renderAll(QSize(30, 42), 1.0);
    QVERIFY(rendered.wait(20000));
    QTest::qWait(50);
    QCOMPARE(rendered.count(), 1);
    QCOMPARE(rendered.at(0).at(0).toSize(), QSize(30, 42));

    // A deck destroyed while rendering leaves nothing behind that reaches it later.
    auto doomed = std::make_unique<CardDeck>();
    doomed->renderAll(QSize(100, 140), 2.0);
    QTest::qWait(20);
    doomed.reset();
    QTest::qWait(50);
}

QTEST_MAIN(TestCardDeck)
#include "tst_carddeck.moc"
