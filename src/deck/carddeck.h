#ifndef MARROWICK_CARDDECK_H
#define MARROWICK_CARDDECK_H

#include "marrowick_deck_export.h"

#include <marrowick/card.h>

#include <QtCore/QObject>
#include <QtCore/QSize>
#include <QtCore/QStringList>
#include <QtGui/QPixmap>

#include <functional>
#include <memory>

namespace Marrowick {

class CardDeckPrivate;

/**
 * The pictures of a deck of cards, drawn from one SVG document that holds
 * every card as a named element.
 *
 * A deck is opened from a file, by name from the deck folders, or with no
 * argument from the project's own deck, which is built into the library, so
 * that a game draws cards even where nothing is installed. Two element
 * namings are read and told apart from the document itself: Card::elementId()
 * ("Ace_Spades", "_x31_0_Hearts", "Card_Back", "Joker") and the one of the
 * freely available decks ("1_club" ... "10_spade", "jack_diamond",
 * "king_heart", "back", "black_joker", "red_joker"). A host with a deck of
 * its own naming gives a naming function.
 *
 * @code
 * Marrowick::CardDeck deck;                                  // the built-in deck
 * Marrowick::CardDeck other(QStringLiteral("paris"));        // paris.svg in a deck folder
 * if (!other.isValid())
 *     qWarning() << other.errorString();
 * const int height = 300;
 * const QSize size(qRound(height * deck.aspectRatio()), height);
 * painter.drawPixmap(position, deck.pixmap(Card(Card::Spades, 0), size, widget->devicePixelRatioF()));
 * deck.renderAll(size, widget->devicePixelRatioF());   // the rest off the GUI thread
 * @endcode
 *
 * Pictures are kept in a cache, least recently used first out, bounded by
 * the bytes of their pixels and keyed by element and size in device pixels.
 * renderAll() renders a whole deck on QThreadPool::globalInstance() and
 * emits allRendered() when every picture is in the cache; pixmap() called
 * meanwhile takes what is ready and otherwise renders that one card itself.
 *
 * A card whose element the document lacks is drawn as a placeholder, a
 * frame around the card's text form, with one warning per element under the
 * logging category "marrowick.deck". A file that cannot be read as a deck
 * leaves the deck invalid (isValid(), errorString()); an invalid deck draws
 * every card as a placeholder, without warnings.
 *
 * Threads: a CardDeck and its pixmaps belong to the thread that made it,
 * normally the GUI thread, which needs a QGuiApplication; every member is
 * called from that thread. The deck owns its cache and background work:
 * destroying it stops a rendering in progress, waiting only for the cards
 * being drawn at that moment. Destroy it before the application object.
 */
class MARROWICK_DECK_EXPORT CardDeck : public QObject
{
    Q_OBJECT

public:
    /// How the deck names the element of each card.
    enum Naming {
        ElementIdNaming, ///< Card::elementId(): "Ace_Spades", "_x32__Clubs", "Card_Back", "Joker"
        FreeDeckNaming, ///< "1_club", "10_heart", "king_spade", "back", "black_joker", "red_joker"
        HostNaming ///< the function given with setNamingFunction()
    };
    Q_ENUM(Naming)

    /// Gives the element name of a card; a null string for a card without picture.
    using NamingFunction = std::function<QString(Card)>;

    /// The built-in deck, builtInDeckPath().
    explicit CardDeck(QObject *parent = nullptr);
    /**
     * Opens @p fileOrName: a file when a file of that path exists or the text
     * holds a "/", else the deck of that name found by findDeck(). Look at
     * isValid() afterwards.
     */
    explicit CardDeck(const QString &fileOrName, QObject *parent = nullptr);
    ~CardDeck() override;

    /// True when the document was read and holds card elements of a known naming.
    bool isValid() const;
    /// Why the deck is not valid, naming the file; empty for a valid deck.
    QString errorString() const;
    /// The file the deck was read from (a ":/" path for the built-in deck); empty when none was found.
    QString fileName() const;

    /// The naming in use: the one found in the document, or HostNaming.
    Naming naming() const;
    /**
     * Names the elements with @p naming from now on; an empty function goes
     * back to the naming found in the document. Stops a renderAll() in progress.
     */
    void setNamingFunction(const NamingFunction &naming);
    /// The element that shows @p card in this deck; a null string for an invalid card.
    QString elementId(Card card) const;
    /// True when the document holds the element of @p card, so that it is drawn without placeholder.
    bool hasPicture(Card card) const;

    /**
     * The size of a card in the document's units (that of its back, or of the
     * first card found); the deck's natural aspect ratio. Invalid for an invalid deck.
     */
    QSizeF naturalSize() const;
    /// Width divided by height of naturalSize(); 200 / 280 for an invalid deck.
    qreal aspectRatio() const;

    /**
     * The picture of @p card at @p size device-independent pixels: rendered at
     * @p size × @p devicePixelRatio device pixels (rounded), stretched to fill
     * them, with @p devicePixelRatio set on the pixmap. A card back for suit
     * Card::Back, the joker for Card::Joker (the joker of value 1 is the red
     * one where a deck has two). A null pixmap for an invalid card, an empty
     * size, a side above 16384 device pixels or a ratio that is not positive.
     */
    QPixmap pixmap(Card card, const QSize &size, qreal devicePixelRatio = 1.0);

    /**
     * Renders the pictures of every card (52 faces, back and jokers) at @p size
     * and @p devicePixelRatio off this thread, into the cache; emits
     * allRendered() when all are there. A new call for another size stops the
     * one in progress, which then emits nothing; a call for the size in
     * progress changes nothing. Pictures beyond the cache limit evict older ones.
     */
    void renderAll(const QSize &size, qreal devicePixelRatio = 1.0);
    /// True from renderAll() until its allRendered().
    bool isRendering() const;

    /// The bound of the cache in bytes of pixels; 64 MiB unless set.
    qint64 cacheLimit() const;
    /// Sets the bound of the cache, evicting the least recently used pictures beyond it.
    void setCacheLimit(qint64 bytes);
    /// The bytes of pixels held in the cache now.
    qint64 cacheSize() const;
    /// Empties the cache.
    void clearCache();

    /// The resource path of the built-in deck.
    static QString builtInDeckPath();
    /**
     * The folders searched by name, first to last: LocalResources::searchPaths()
     * (each a prefix of the file name, as there), then marrowick/decks/ (for the
     * Qt 6 build marrowick-qt6/decks/) in every
     * QStandardPaths::GenericDataLocation, then the built-in deck's resource folder.
     */
    static QStringList deckFolders();
    /**
     * The file of the deck @p name: the first of name, name.svg and name.svgz
     * that exists in deckFolders(); empty when there is none.
     */
    static QString findDeck(const QString &name);
    /// The names of the decks in deckFolders() (their .svg and .svgz files), each once, first found first.
    static QStringList availableDecks();

Q_SIGNALS:
    /// The last renderAll() is done: every card's picture at @p size and @p devicePixelRatio is in the cache.
    void allRendered(const QSize &size, qreal devicePixelRatio);

private:
    std::unique_ptr<CardDeckPrivate> d;
};

} // namespace Marrowick

#endif
