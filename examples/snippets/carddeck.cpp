#include <marrowick/carddeck.h>

#include <QtCore/QDebug>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

using Marrowick::Card;
using Marrowick::CardDeck;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget table;

    CardDeck deck;                                   // the deck built into the library
    CardDeck paris(QStringLiteral("paris"));         // paris.svg or paris.svgz in a deck folder
    CardDeck file(QStringLiteral("/home/me/cards/french.svg"));
    if (!file.isValid())
        qWarning() << file.errorString();            // "cannot read the card deck /home/me/cards/french.svg: ..."

    // Cards of the deck's own shape, 300 pixels high, sharp on a high-density screen.
    const QSize size(qRound(300 * deck.aspectRatio()), 300);
    const QPixmap ace = deck.pixmap(Card(Card::Spades, 0), size, table.devicePixelRatioF());
    const QPixmap back = deck.pixmap(Card(Card::Back, 0), size, table.devicePixelRatioF());

    // The rest of the deck at that size off the GUI thread; allRendered() when all are cached.
    QObject::connect(&deck, &CardDeck::allRendered, &app, &QCoreApplication::quit);
    deck.renderAll(size, table.devicePixelRatioF());
    return app.exec();
}
