// The built-in deck document, as marrowick-deckgen writes it: one element per
// card, named as Card::elementId() names it, each the size of a card.

#include <marrowick/card.h>
#include <marrowick/carddeck.h>

#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtSvg/QSvgRenderer>
#include <QtTest/QtTest>

using Marrowick::Card;

class TestDeckPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCardHasItsOwnElement();
};

void TestDeckPicture::everyCardHasItsOwnElement()
{
    QSvgRenderer deck;
    QVERIFY(deck.load(Marrowick::CardDeck::builtInDeckPath()));
    const auto render = [&deck](Card card) {
        QImage image(50, 70, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        if (card.isValid())
            deck.render(&painter, card.elementId(), image.rect());
        return image;
    };

    // Each card has an element of 200 × 280 units, give or take half the
    // outline; rendered by name, no two are the same picture, and none is blank.
    QSet<QByteArray> pictures;
    QVector<Card> cards = {Card(Card::Back, 0), Card(Card::Joker, 0)};
    for (int suit = Card::Clubs; suit <= Card::Spades; ++suit) {
        for (int value = 0; value < 13; ++value)
            cards.append(Card(Card::Suit(suit), char(value)));
    }
    const QImage blank = render(Card(Card::Back, -1));
    for (const Card &card : qAsConst(cards)) {
        const QString id = card.elementId();
        QVERIFY2(deck.elementExists(id), qPrintable(id));
        const QRectF bounds = deck.boundsOnElement(id);
        QVERIFY2(qAbs(bounds.width() - 200) <= 1.5 && qAbs(bounds.height() - 280) <= 1.5, qPrintable(id));
        const QImage image = render(card);
        QVERIFY2(image != blank, qPrintable(id));
        pictures.insert(QByteArray(reinterpret_cast<const char *>(image.constBits()), int(image.sizeInBytes())));
    }
    QCOMPARE(pictures.size(), cards.size());
}

QTEST_MAIN(TestDeckPicture)
#include "tst_deckpicture.moc"
