#ifndef MARROWICK_TABLE_CARDPICTURES_H
#define MARROWICK_TABLE_CARDPICTURES_H

#include <marrowick/card.h>

#include <QtCore/QHash>
#include <QtGui/QPixmap>
#include <QtSvg/QSvgRenderer>

// The card pictures of the deck document, found through LocalResources and
// rendered once per card and size.
class CardPictures
{
public:
    static const QString deckName;

    // Makes LocalResources look in @p decksDir (when not empty), then in the
    // installed data folder beside the program's own, then in the build tree.
    static void setSearchPaths(const QString &decksDir);

    // Finds and reads the deck; false with the reason in @p error when it cannot.
    bool load(QString *error);

    // The face of @p card (a card back shows the back) at @p size device-independent pixels.
    QPixmap picture(Marrowick::Card card, const QSize &size, qreal devicePixelRatio);

private:
    QSvgRenderer m_renderer;
    static constexpr int maxCachedPictures = 200;

    QHash<QString, QPixmap> m_cache; // by element name and size in pixels
};

#endif
