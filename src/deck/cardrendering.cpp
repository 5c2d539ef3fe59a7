#include "cardrendering.h"

#include <QtGui/QFont>
#include <QtGui/QPainter>
#include <QtSvg/QSvgRenderer>

#include <cmath>

namespace Marrowick::CardRendering {

namespace {

double scaledSide(int side, qreal devicePixelRatio)
{
    return std::round(side * devicePixelRatio);
}

void drawPlaceholder(QPainter &painter, const QString &element, Card card, const QSize &pixels)
{
    const bool red = card.suit() == Card::Hearts || card.suit() == Card::Diamonds;
    const qreal line = qMax(1.0, pixels.width() / 50.0);
    const QRectF frame = QRectF(QPointF(0, 0), QSizeF(pixels)).adjusted(line / 2, line / 2, -line / 2, -line / 2);
    const qreal radius = pixels.width() / 16.0;
    painter.setPen(QPen(QColor(128, 128, 128), line));
    painter.setBrush(QColor(250, 250, 246));
    painter.drawRoundedRect(frame, radius, radius);

    // The suits' cards show their text form; the back and the jokers their element name.
    const QString text = card.toString().isEmpty() || card.suit() < Card::Clubs ? element : card.toString();
    QFont font;
    font.setPixelSize(qMax(1, pixels.height() / (text.size() > 2 ? 10 : 5)));
    painter.setFont(font);
    painter.setPen(red ? QColor(200, 0, 0) : QColor(0, 0, 0));
    painter.drawText(frame, Qt::AlignCenter | Qt::TextWrapAnywhere, text);
}

} // namespace

QSize devicePixels(const QSize &size, qreal devicePixelRatio)
{
    if (!(devicePixelRatio > 0) || size.width() <= 0 || size.height() <= 0)
        return QSize();
    const double width = scaledSide(size.width(), devicePixelRatio);
    const double height = scaledSide(size.height(), devicePixelRatio);
    if (!(width >= 1 && width <= maxSide && height >= 1 && height <= maxSide))
        return QSize();
    return QSize(int(width), int(height));
}

QImage render(QSvgRenderer *renderer, const QString &element, Card card, const QSize &pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (renderer)
        renderer->render(&painter, element, QRectF(QPointF(0, 0), QSizeF(pixels)));
    else
        drawPlaceholder(painter, element, card, pixels);
    return image;
}

} // namespace Marrowick::CardRendering
