#include "carddeck.h"

#include "carddeck_p.h"
#include "cardrendering.h"
#include "decklog.h"
#include "decklookup.h"
#include "decknaming.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QThreadPool>

#include <limits>

namespace Marrowick {

Q_LOGGING_CATEGORY(lcDeck, "marrowick.deck")

namespace {

constexpr int defaultCacheLimit = 64 * 1024 * 1024;
// No real deck comes near this; it keeps a mistaken file from filling the memory.
constexpr qint64 maxDocumentBytes = 64 * 1024 * 1024;
// The built-in deck's cards, for a deck that has no size of its own.
constexpr qreal fallbackAspectRatio = 200.0 / 280.0;

QString cannotRead(const QString &file, const QString &reason)
{
    return QStringLiteral("cannot read the card deck ") + file + QStringLiteral(": ") + reason;
}

} // namespace

CardDeckPrivate::CardDeckPrivate(CardDeck *deck)
    : q(deck)
    , elements([this](const QString &name) { return valid && renderer.elementExists(name); })
    , cache(defaultCacheLimit)
{
    useNaming(CardDeck::NamingFunction());
}

void CardDeckPrivate::open(const QString &file)
{
    fileName = file;
    const QFileInfo info(file);
    QFile input(file);
    if (!info.exists()) {
        errorString = cannotRead(file, QStringLiteral("there is no such file"));
    } else if (!info.isFile()) {
        errorString = cannotRead(file, QStringLiteral("it is not a regular file"));
    } else if (info.size() > maxDocumentBytes) {
        errorString = cannotRead(file, QStringLiteral("it is larger than 64 MiB"));
    } else if (!input.open(QIODevice::ReadOnly)) {
        errorString = cannotRead(file, input.errorString());
    } else if ((document = input.read(maxDocumentBytes)).isEmpty()) {
        errorString = cannotRead(file, QStringLiteral("it is empty"));
    } else if (!renderer.load(document)) {
        errorString = cannotRead(file, QStringLiteral("it is not a readable SVG document"));
    } else if (!DeckNaming::detectNaming([this](const QString &name) { return renderer.elementExists(name); },
                                         &detectedNaming)) {
        errorString = cannotRead(file, QStringLiteral("it holds no card pictures of a known naming"));
    } else {
        valid = true;
    }
    if (!valid) {
        document.clear();
        return;
    }
    useNaming(CardDeck::NamingFunction());
    // The back gives the size of every card; failing that, the first card found.
    for (const Card &card : QVector<Card> {Card(Card::Back, 0)} + DeckNaming::deckCards()) {
        const int element = elements.indexOf(card);
        if (element >= 0 && elements.exists(element)) {
            naturalSize = renderer.boundsOnElement(elements.name(element)).size();
            if (!naturalSize.isEmpty())
                break;
        }
    }
}

void CardDeckPrivate::useNaming(const CardDeck::NamingFunction &function)
{
    stopRendering();
    naming = function ? CardDeck::HostNaming : detectedNaming;
    if (function) {
        elements.setNaming(function);
    } else {
        const CardDeck::Naming detected = detectedNaming;
        elements.setNaming([detected](Card card) { return DeckNaming::elementId(card, detected); });
    }
}

quint64 CardDeckPrivate::cacheKey(int element, const QSize &pixels)
{
    // Sides are at most CardRendering::maxSide, well inside 20 bits each.
    return (quint64(element) << 40) | (quint64(pixels.width()) << 20) | quint64(pixels.height());
}

QImage CardDeckPrivate::renderOne(Card card, int element, quint64 key, const QSize &pixels)
{
    if (job) {
        const int index = job->indexOf(key);
        if (index >= 0) {
            QImage image = job->take(index);
            job->markDone(index);
            finishIfDone();
            if (!image.isNull())
                return image;
        }
    }
    const bool exists = elements.exists(element);
    return CardRendering::render(exists ? &renderer : nullptr, elements.name(element), card, pixels);
}

QPixmap CardDeckPrivate::store(quint64 key, QImage image, qreal devicePixelRatio)
{
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    const qint64 bytes = qint64(pixmap.width()) * pixmap.height() * qMax(1, pixmap.depth() / 8);
    if (bytes <= cache.maxCost())
        cache.insert(key, new QPixmap(pixmap), int(bytes));
    return pixmap;
}

void CardDeckPrivate::warnOnceIfMissing(int element)
{
    if (!valid || elements.exists(element) || warned.contains(element))
        return;
    warned.insert(element);
    qCWarning(lcDeck, "The card deck %s has no element \"%s\"; drawing a placeholder", qPrintable(fileName),
              qPrintable(elements.name(element)));
}

void CardDeckPrivate::takeFromJob(int index)
{
    QImage image = job->take(index);
    if (!image.isNull()) {
        const RenderItem &item = job->item(index);
        warnOnceIfMissing(elements.indexOf(item.card));
        store(item.cacheKey, std::move(image), job->devicePixelRatio());
    }
    job->markDone(index);
    finishIfDone();
}

void CardDeckPrivate::finishIfDone()
{
    if (!job->allDone())
        return;
    // Announced from the event loop, never from inside a pixmap() call.
    const std::shared_ptr<DeckRenderJob> finished = job;
    QMetaObject::invokeMethod(
        q,
        [this, finished] {
            if (job != finished)
                return;
            job.reset();
            Q_EMIT q->allRendered(finished->pictureSize(), finished->devicePixelRatio());
        },
        Qt::QueuedConnection);
}

void CardDeckPrivate::stopRenderingAndWait()
{
    if (job) {
        job->cancelAndWait();
        job.reset();
    }
}

void CardDeckPrivate::stopRendering()
{
    if (job) {
        job->cancel();
        job.reset();
    }
}

CardDeck::CardDeck(QObject *parent)
    : CardDeck(builtInDeckPath(), parent)
{
}

CardDeck::CardDeck(const QString &fileOrName, QObject *parent)
    : QObject(parent)
    , d(new CardDeckPrivate(this))
{
    if (DeckLookup::isPath(fileOrName)) {
        d->open(fileOrName);
        return;
    }
    const QString file = DeckLookup::find(fileOrName);
    if (file.isEmpty()) {
        d->errorString = QStringLiteral("cannot find the card deck ") + fileOrName + QStringLiteral(" in ") +
            DeckLookup::folders().join(QStringLiteral(", "));
        return;
    }
    d->open(file);
}

CardDeck::~CardDeck()
{
    d->stopRenderingAndWait();
}

bool CardDeck::isValid() const
{
    return d->valid;
}

QString CardDeck::errorString() const
{
    return d->errorString;
}

QString CardDeck::fileName() const
{
    return d->fileName;
}

CardDeck::Naming CardDeck::naming() const
{
    return d->naming;
}

void CardDeck::setNamingFunction(const NamingFunction &naming)
{
    d->useNaming(naming);
}

QString CardDeck::elementId(Card card) const
{
    const int element = d->elements.indexOf(card);
    return element < 0 ? QString() : d->elements.name(element);
}

bool CardDeck::hasPicture(Card card) const
{
    const int element = d->elements.indexOf(card);
    return element >= 0 && d->elements.exists(element);
}

QSizeF CardDeck::naturalSize() const
{
    return d->naturalSize;
}

qreal CardDeck::aspectRatio() const
{
    return d->naturalSize.isEmpty() ? fallbackAspectRatio : d->naturalSize.width() / d->naturalSize.height();
}

QPixmap CardDeck::pixmap(Card card, const QSize &size, qreal devicePixelRatio)
{
    const QSize pixels = CardRendering::devicePixels(size, devicePixelRatio);
    const int element = d->elements.indexOf(card);
    if (pixels.isEmpty() || element < 0)
        return QPixmap();
    const quint64 key = CardDeckPrivate::cacheKey(element, pixels);
    if (const QPixmap *cached = d->cache.object(key)) {
        if (cached->devicePixelRatio() == devicePixelRatio)
            return *cached;
        QPixmap copy = *cached; // the same pixels asked for at another ratio, a rare case
        copy.setDevicePixelRatio(devicePixelRatio);
        return copy;
    }
    d->warnOnceIfMissing(element);
    return d->store(key, d->renderOne(card, element, key, pixels), devicePixelRatio);
}

void CardDeck::renderAll(const QSize &size, qreal devicePixelRatio)
{
    const QSize pixels = CardRendering::devicePixels(size, devicePixelRatio);
    if (d->job && d->job->pixels() == pixels && d->job->devicePixelRatio() == devicePixelRatio)
        return;
    d->stopRendering();
    if (pixels.isEmpty())
        return;

    QVector<RenderItem> items;
    QSet<int> seen;
    for (const Card &card : DeckNaming::deckCards()) {
        const int element = d->elements.indexOf(card);
        if (element < 0 || seen.contains(element))
            continue;
        seen.insert(element);
        const quint64 key = CardDeckPrivate::cacheKey(element, pixels);
        if (!d->cache.contains(key))
            items.append(RenderItem {card, d->elements.name(element), d->elements.exists(element), key});
    }
    d->job = std::make_shared<DeckRenderJob>(d->document, items, size, devicePixelRatio, pixels);
    d->job->start(QThreadPool::globalInstance(), this, [this](int index) { d->takeFromJob(index); });
    d->finishIfDone(); // when every picture was cached already
}

bool CardDeck::isRendering() const
{
    return d->job != nullptr;
}

qint64 CardDeck::cacheLimit() const
{
    return d->cache.maxCost();
}

void CardDeck::setCacheLimit(qint64 bytes)
{
    d->cache.setMaxCost(int(qBound(qint64(0), bytes, qint64(std::numeric_limits<int>::max()))));
}

qint64 CardDeck::cacheSize() const
{
    return d->cache.totalCost();
}

void CardDeck::clearCache()
{
    d->cache.clear();
}

QString CardDeck::builtInDeckPath()
{
    return QStringLiteral(":/marrowick/decks/marrowick-deck.svg");
}

QStringList CardDeck::deckFolders()
{
    return DeckLookup::folders();
}

QString CardDeck::findDeck(const QString &name)
{
    return DeckLookup::find(name);
}

QStringList CardDeck::availableDecks()
{
    return DeckLookup::available();
}

} // namespace Marrowick
