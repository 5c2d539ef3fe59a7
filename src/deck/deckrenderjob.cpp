#include "deckrenderjob.h"

#include "cardrendering.h"

#include <QtCore/QMutexLocker>
#include <QtCore/QRunnable>
#include <QtCore/QThreadPool>
#include <QtSvg/QSvgRenderer>

namespace Marrowick {

namespace {

class Worker : public QRunnable
{
public:
    explicit Worker(std::function<void()> work)
        : m_work(std::move(work))
    {
    }
    void run() override { m_work(); }

private:
    std::function<void()> m_work;
};

} // namespace

DeckRenderJob::DeckRenderJob(const QByteArray &document, const QVector<RenderItem> &items, const QSize &size,
                             qreal devicePixelRatio, const QSize &pixels)
    : m_document(document)
    , m_items(items)
    , m_size(size)
    , m_devicePixelRatio(devicePixelRatio)
    , m_pixels(pixels)
    , m_states(items.size(), State::Waiting)
    , m_images(items.size())
    , m_done(items.size(), false)
{
    for (int index = 0; index < int(m_items.size()); ++index)
        m_indexByKey.insert(m_items.at(index).cacheKey, index);
}

void DeckRenderJob::start(QThreadPool *pool, QObject *receiver, std::function<void(int)> ready)
{
    {
        QMutexLocker lock(&m_mutex);
        m_receiver = receiver;
        m_ready = std::move(ready);
    }
    const int workers = qMin(qMax(1, pool->maxThreadCount()), size());
    const std::shared_ptr<DeckRenderJob> self = shared_from_this();
    for (int worker = 0; worker < workers; ++worker)
        pool->start(new Worker([self] { self->work(); }));
}

void DeckRenderJob::cancel()
{
    QMutexLocker lock(&m_mutex);
    m_cancelled = true;
}

QImage DeckRenderJob::take(int index)
{
    QMutexLocker lock(&m_mutex);
    const State state = m_states.at(index);
    m_states[index] = State::Taken;
    return state == State::Finished ? std::move(m_images[index]) : QImage();
}

void DeckRenderJob::markDone(int index)
{
    if (!m_done.at(index)) {
        m_done[index] = true;
        ++m_doneCount;
    }
}

void DeckRenderJob::cancelAndWait()
{
    QMutexLocker lock(&m_mutex);
    m_cancelled = true;
    while (m_working > 0)
        m_idle.wait(&m_mutex);
}

void DeckRenderJob::work()
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_cancelled)
            return;
        ++m_working;
    }
    QSvgRenderer renderer;
    const bool loaded = !m_document.isEmpty() && renderer.load(m_document);
    while (renderNext(loaded ? &renderer : nullptr)) {
    }
    QMutexLocker lock(&m_mutex);
    --m_working;
    m_idle.wakeAll();
}

bool DeckRenderJob::renderNext(QSvgRenderer *renderer)
{
    const int index = m_next.fetchAndAddRelaxed(1);
    if (index >= size())
        return false;
    {
        QMutexLocker lock(&m_mutex);
        if (m_cancelled)
            return false;
        if (m_states.at(index) != State::Waiting)
            return true;
        m_states[index] = State::Rendering;
    }
    const RenderItem &item = m_items.at(index);
    QImage image = CardRendering::render(item.exists ? renderer : nullptr, item.element, item.card, m_pixels);

    QMutexLocker lock(&m_mutex);
    if (m_cancelled)
        return false;
    if (m_states.at(index) != State::Rendering)
        return true; // the deck's thread took it meanwhile
    m_images[index] = std::move(image);
    m_states[index] = State::Finished;
    // Posted while the lock is held: cancel(), which the deck calls before
    // it goes away, cannot return while a worker is still addressing it.
    const std::shared_ptr<DeckRenderJob> self = shared_from_this();
    QMetaObject::invokeMethod(
        m_receiver,
        [self, index] {
            if (!self->m_cancelled) // written on this thread only
                self->m_ready(index);
        },
        Qt::QueuedConnection);
    return true;
}

} // namespace Marrowick
