#ifndef MARROWICK_DECK_DECKNAMING_H
#define MARROWICK_DECK_DECKNAMING_H

#include "carddeck.h"

#include <QtCore/QVector>

#include <functional>

// The two element namings a deck document can use, and how to tell them apart.
namespace Marrowick::DeckNaming {

// The free decks' name of @p card: "1_club" ... "10_spade", "jack_diamond",
// "queen_heart", "king_spade", "back", "black_joker" and, for value 1,
// "red_joker". A null string for a card without a picture.
QString freeDeckElementId(Card card);

// The name of @p card in @p naming, which is not HostNaming.
QString elementId(Card card, CardDeck::Naming naming);

// Every card a deck draws: the 52 faces, the back, the black and the red joker.
const QVector<Card> &deckCards();

// The naming of which the document holds most elements (@p exists tells);
// false when it holds none of either.
bool detectNaming(const std::function<bool(const QString &)> &exists, CardDeck::Naming *naming);

} // namespace Marrowick::DeckNaming

#endif
