#ifndef MARROWICK_DECK_DECKLOG_H
#define MARROWICK_DECK_DECKLOG_H

#include <QtCore/QLoggingCategory>

namespace Marrowick {

// The deck component's messages: "marrowick.deck".
Q_DECLARE_LOGGING_CATEGORY(lcDeck)

} // namespace Marrowick

#endif
