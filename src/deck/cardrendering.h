#ifndef MARROWICK_DECK_CARDRENDERING_H
#define MARROWICK_DECK_CARDRENDERING_H

#include <marrowick/card.h>

#include <QtCore/QSize>
#include <QtGui/QImage>

QT_BEGIN_NAMESPACE
class QSvgRenderer;
QT_END_NAMESPACE

// Drawing one card picture into an image; safe on any thread, each with its own renderer.
namespace Marrowick::CardRendering {

// The largest side of a picture in device pixels.
constexpr int maxSide = 16384;

// The device pixels of a picture of @p size at @p devicePixelRatio; an empty
// size when either is unusable or a side would exceed maxSide.
QSize devicePixels(const QSize &size, qreal devicePixelRatio);

// The element @p element of @p renderer stretched over @p pixels; with no
// renderer, the placeholder of @p card: a frame around its text form.
QImage render(QSvgRenderer *renderer, const QString &element, Card card, const QSize &pixels);

} // namespace Marrowick::CardRendering

#endif
