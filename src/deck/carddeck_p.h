#ifndef MARROWICK_DECK_CARDDECK_P_H
#define MARROWICK_DECK_CARDDECK_P_H

#include "carddeck.h"
#include "deckrenderjob.h"
#include "elementtable.h"

#include <QtCore/QCache>
#include <QtCore/QSet>
#include <QtSvg/QSvgRenderer>

#include <memory>

namespace Marrowick {

class CardDeckPrivate
{
public:
    explicit CardDeckPrivate(CardDeck *deck);

    // Reads the document of @p file; on failure sets errorString and leaves the deck invalid.
    void open(const QString &file);
    void useNaming(const CardDeck::NamingFunction &naming);

    // The picture of element @p element for @p card at @p pixels, from the
    // whole-deck rendering when it has it finished, else rendered here.
    QImage renderOne(Card card, int element, quint64 cacheKey, const QSize &pixels);
    QPixmap store(quint64 cacheKey, QImage image, qreal devicePixelRatio);
    void warnOnceIfMissing(int element);

    void takeFromJob(int index);
    // Announces the end of the whole-deck rendering once every picture is in the cache.
    void finishIfDone();
    void stopRendering();
    void stopRenderingAndWait();

    static quint64 cacheKey(int element, const QSize &pixels);

    CardDeck *const q;
    QString fileName;
    QString errorString;
    bool valid = false;
    QByteArray document;
    QSvgRenderer renderer;
    CardDeck::Naming detectedNaming = CardDeck::ElementIdNaming;
    CardDeck::Naming naming = CardDeck::ElementIdNaming;
    ElementTable elements;
    QSizeF naturalSize;
    QSet<int> warned;
    QCache<quint64, QPixmap> cache;
    std::shared_ptr<DeckRenderJob> job;
};

} // namespace Marrowick

#endif
