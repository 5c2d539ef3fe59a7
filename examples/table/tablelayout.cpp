#include "tablelayout.h"

#include <QtCore/QtMath>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal cardAspect = 1.4; // height over width
constexpr qreal boardGap = 0.14; // between board cards, in card widths
constexpr qreal holeOverlap = 0.3; // how far a second hole card covers the first, in card widths

} // namespace

TableLayout::TableLayout(const QSizeF &size, int players)
    : m_size(size)
    , m_players(players)
{
    const qreal height = std::min(size.height() * 0.17, size.width() * 0.085 * cardAspect);
    m_cardSize = QSizeF(height / cardAspect, height);
    const qreal margin = std::min(size.width(), size.height()) * 0.03;
    m_felt = QRectF(QPointF(0, 0), size).adjusted(margin, margin, -margin, -margin);
    placeSeats();
}

QRectF TableLayout::deck() const
{
    // Under the middle of the board, a little smaller than a card on the table.
    const QRectF middle = cardRect({CardPlace::board, 2});
    const QSizeF size = m_cardSize * 0.7;
    return QRectF(QPointF(middle.center().x() - size.width() / 2, middle.bottom() + m_cardSize.height() * 0.1), size);
}

QRectF TableLayout::cardRect(CardPlace place) const
{
    const qreal width = m_cardSize.width();
    if (place.player == CardPlace::board) {
        const qreal rowWidth = 5 * width + 4 * boardGap * width;
        const QPointF topLeft(m_felt.center().x() - rowWidth / 2 + place.index * (1 + boardGap) * width,
                              m_felt.center().y() - m_cardSize.height() * 0.67);
        return QRectF(topLeft, m_cardSize);
    }
    const QPointF centre = seatCentre(place.player);
    const qreal pairWidth = (2 - holeOverlap) * width;
    const QPointF topLeft(centre.x() - pairWidth / 2 + place.index * (1 - holeOverlap) * width,
                          centre.y() - m_cardSize.height() * 0.7);
    return QRectF(topLeft, m_cardSize);
}

QRectF TableLayout::namePlate(int player) const
{
    const QRectF cards = cardRect({player, 0}).united(cardRect({player, 1}));
    const qreal width = std::max(cards.width() * 1.25, m_cardSize.height() * 1.35);
    const qreal height = m_cardSize.height() * 0.36;
    return QRectF(cards.center().x() - width / 2, cards.bottom() + height * 0.12, width, height);
}

QRectF TableLayout::verdict() const
{
    // Above the board, where nothing else is drawn.
    const QRectF board = cardRect({CardPlace::board, 0}).united(cardRect({CardPlace::board, 4}));
    const qreal height = m_cardSize.height() * 0.3;
    return QRectF(board.left() - m_cardSize.width(), board.top() - m_cardSize.height() * 0.08 - height,
                  board.width() + 2 * m_cardSize.width(), height);
}

QPointF TableLayout::seatCentre(int player) const
{
    return m_seats.at(player);
}

void TableLayout::placeSeats()
{
    // Seats go round an ellipse inside the rim, the first at the bottom, then
    // clockwise, equally far apart along the curve: a wide table has room
    // for more seats along its long sides. A seat's cards and name plate
    // reach 0.7 card heights above and below its centre.
    const qreal rim = m_felt.height() * rimShare;
    const qreal radiusX = m_felt.width() / 2 - rim - m_cardSize.width() * 1.2;
    const qreal radiusY = m_felt.height() / 2 - rim - m_cardSize.height() * 0.72;
    const auto pointAt = [&](qreal angle) {
        return m_felt.center() + QPointF(radiusX * qCos(angle), radiusY * qSin(angle));
    };

    constexpr int steps = 720;
    QVector<qreal> lengths {0}; // along the curve from the bottom, at each step
    for (int step = 1; step <= steps; ++step) {
        const QPointF from = pointAt(M_PI / 2 + 2 * M_PI * (step - 1) / steps);
        const QPointF to = pointAt(M_PI / 2 + 2 * M_PI * step / steps);
        lengths.append(lengths.last() + std::hypot(to.x() - from.x(), to.y() - from.y()));
    }
    int step = 0;
    for (int player = 0; player < m_players; ++player) {
        const qreal wanted = lengths.last() * player / m_players;
        while (lengths.at(step) < wanted)
            ++step;
        m_seats.append(pointAt(M_PI / 2 + 2 * M_PI * step / steps));
    }
}
