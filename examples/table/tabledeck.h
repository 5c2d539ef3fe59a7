#ifndef MARROWICK_TABLE_TABLEDECK_H
#define MARROWICK_TABLE_TABLEDECK_H

#include <marrowick/carddeck.h>

#include <memory>

struct TableSetup;

// Opens the deck the table draws from: the one given with -deck (a file, or a
// name looked up in the -decks folder, the installed decks and the standard
// data folders), else the deck marrowick-deck from those folders, which falls
// back to the one built into the library. Null with the reason in @p error
// when the deck cannot be read. A deck that lacks pictures of the cards the
// table draws is used all the same: @p warning then names the first one
// missing, and those cards are drawn as placeholders.
std::unique_ptr<Marrowick::CardDeck> openTableDeck(const TableSetup &setup, QString *error, QString *warning);

#endif
