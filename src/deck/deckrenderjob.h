#ifndef MARROWICK_DECK_DECKRENDERJOB_H
#define MARROWICK_DECK_DECKRENDERJOB_H

#include <marrowick/card.h>

#include <QtCore/QByteArray>
#include <QtCore/QHash>
#include <QtCore/QMutex>
#include <QtCore/QSize>
#include <QtCore/QVector>
#include <QtCore/QWaitCondition>
#include <QtGui/QImage>

#include <functional>
#include <memory>

QT_BEGIN_NAMESPACE
class QObject;
class QSvgRenderer;
class QThreadPool;
QT_END_NAMESPACE

namespace Marrowick {

// One picture of a whole-deck rendering.
struct RenderItem
{
    Card card;
    QString element;
    bool exists = false; ///< false: the placeholder is drawn
    quint64 cacheKey = 0;
};

// The rendering of a set of pictures at one size on a thread pool. Workers
// take the next picture nobody has started, each with a renderer of its own
// parsed from the document's bytes, and hand every finished picture to the
// deck's thread. The deck's thread may take any picture first (take()): a
// finished one it gets, one not finished it renders itself, and no worker
// then spends time on it. Shared by the deck and the workers; after cancel()
// no worker reaches the deck any more.
class DeckRenderJob : public std::enable_shared_from_this<DeckRenderJob>
{
public:
    DeckRenderJob(const QByteArray &document, const QVector<RenderItem> &items, const QSize &size, qreal devicePixelRatio,
                  const QSize &pixels);

    // Starts the workers; each finished picture's index reaches @p ready on @p receiver's thread.
    void start(QThreadPool *pool, QObject *receiver, std::function<void(int)> ready);
    void cancel();
    // Cancels and waits for the pictures being drawn at this moment, so that
    // no worker draws any more once the deck and its application are gone.
    void cancelAndWait();

    // The finished picture @p index, or a null image when it is not finished; either way no worker delivers it later.
    QImage take(int index);

    int size() const { return int(m_items.size()); }
    const RenderItem &item(int index) const { return m_items.at(index); }
    int indexOf(quint64 cacheKey) const { return m_indexByKey.value(cacheKey, -1); }
    QSize pictureSize() const { return m_size; }
    qreal devicePixelRatio() const { return m_devicePixelRatio; }
    QSize pixels() const { return m_pixels; }

    // The deck's thread only: counts picture @p index as in the cache.
    void markDone(int index);
    bool allDone() const { return m_doneCount == size(); }

private:
    enum class State { Waiting, Rendering, Finished, Taken };

    void work();
    // Draws the next picture nobody has started; false when there is none or the job is cancelled.
    bool renderNext(QSvgRenderer *renderer);

    const QByteArray m_document; // empty for a deck that is not valid: placeholders only
    const QVector<RenderItem> m_items;
    const QSize m_size;
    const qreal m_devicePixelRatio;
    const QSize m_pixels;
    QHash<quint64, int> m_indexByKey;

    QAtomicInt m_next;
    QMutex m_mutex; // guards what follows
    QWaitCondition m_idle; // no worker drawing any more
    bool m_cancelled = false;
    int m_working = 0;
    QObject *m_receiver = nullptr;
    std::function<void(int)> m_ready;
    QVector<State> m_states;
    QVector<QImage> m_images;

    // The deck's thread only.
    QVector<bool> m_done;
    int m_doneCount = 0;
};

} // namespace Marrowick

#endif
