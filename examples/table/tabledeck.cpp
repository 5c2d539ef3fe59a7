#include "tabledeck.h"

#include "tablesetup.h"

#include <marrowick/localresources.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>

using Marrowick::Card;
using Marrowick::CardDeck;

namespace {

// Search paths are plain prefixes of the file name.
QString asPrefix(const QString &directory)
{
    return directory.endsWith(QLatin1Char('/')) ? directory : directory + QLatin1Char('/');
}

// The installed decks: given relative to the program's folder, so that an installed tree can be moved.
QString installedDecksFolder()
{
    const QString folder = QStringLiteral(MARROWICK_TABLE_DECKS_DIR);
    return QDir::isRelativePath(folder)
        ? QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') + folder)
        : folder;
}

// The cards the table shows: every face and the back.
QVector<Card> tableCards()
{
    QVector<Card> cards = {Card(Card::Back, 0)};
    for (int suit = Card::Clubs; suit <= Card::Spades; ++suit) {
        for (int value = 0; value < 13; ++value)
            cards.append(Card(Card::Suit(suit), char(value)));
    }
    return cards;
}

} // namespace

std::unique_ptr<CardDeck> openTableDeck(const TableSetup &setup, QString *error, QString *warning)
{
    QStringList paths;
    if (!setup.decksDir.isEmpty())
        paths << asPrefix(setup.decksDir);
    paths << asPrefix(installedDecksFolder());
    Marrowick::LocalResources::setSearchPaths(paths);

    auto deck = std::make_unique<CardDeck>(setup.deck.isEmpty() ? QStringLiteral("marrowick-deck") : setup.deck);
    if (!deck->isValid()) {
        *error = deck->errorString();
        return nullptr;
    }
    int missing = 0;
    QString first;
    const QVector<Card> cards = tableCards();
    for (const Card &card : cards) {
        if (!deck->hasPicture(card) && missing++ == 0)
            first = deck->elementId(card);
    }
    if (missing > 0) {
        *warning = QStringLiteral("the card deck ") + deck->fileName() + QStringLiteral(" has no picture for ") +
            QString::number(missing) + QStringLiteral(" of the cards, the first \"") + first +
            QStringLiteral("\"; they are drawn as placeholders");
    }
    return deck;
}
