#ifndef MARROWICK_DECK_DECKLOOKUP_H
#define MARROWICK_DECK_DECKLOOKUP_H

#include <QtCore/QStringList>

// Finding deck files by name in the deck folders; see CardDeck::deckFolders().
namespace Marrowick::DeckLookup {

QStringList folders();
QString find(const QString &name);
QStringList available();

// True when @p fileOrName is to be opened as a file rather than looked up by name.
bool isPath(const QString &fileOrName);

} // namespace Marrowick::DeckLookup

#endif
