#include "tablewidget.h"

#include <marrowick/carddeck.h>

#include <QtCore/QEasingCurve>
#include <QtCore/QtMath>
#include <QtGui/QPainter>
#include <QtGui/QRadialGradient>

using Marrowick::Card;
using Marrowick::EvalHand;

namespace {

constexpr qreal flightShare = 0.6; // of a card's way spent flying; the rest turns it over
const QColor gold(255, 208, 74);

QFont scaledFont(const QFont &base, qreal pixelSize, bool bold)
{
    QFont font = base;
    font.setPixelSize(std::max(9, qRound(pixelSize)));
    font.setBold(bold);
    return font;
}

} // namespace

TableWidget::TableWidget(Marrowick::CardDeck *deck, int players, QWidget *parent)
    : QWidget(parent)
    , m_deck(deck)
    , m_players(players)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Every card of the new size is rendered ahead, off the GUI thread.
    m_deck->renderAll(TableLayout(size(), m_players).cardSize().toSize(), devicePixelRatioF());
}

void TableWidget::clear()
{
    m_cards.clear();
    m_result = ShowdownResult();
    m_chances.clear();
    update();
}

int TableWidget::addCard(Card card, CardPlace place)
{
    m_cards.append({card, place, 0});
    update();
    return m_cards.size() - 1;
}

void TableWidget::setCardProgress(int card, qreal progress)
{
    m_cards[card].progress = progress;
    update();
}

void TableWidget::setChances(const QVector<double> &chances)
{
    m_chances = chances;
    update();
}

void TableWidget::showResult(const ShowdownResult &result)
{
    m_result = result;
    update();
}

QSize TableWidget::sizeHint() const
{
    return QSize(1000, 660);
}

void TableWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const TableLayout layout(size(), m_players);
    paintFelt(painter, layout);
    paintSeats(painter, layout);
    for (const MovingCard &card : m_cards)
        paintCard(painter, layout, card);
    paintVerdict(painter, layout);
}

void TableWidget::paintFelt(QPainter &painter, const TableLayout &layout) const
{
    painter.fillRect(rect(), QColor(34, 26, 22));
    const QRectF felt = layout.felt();
    const qreal rim = felt.height() * TableLayout::rimShare;
    QLinearGradient wood(felt.topLeft(), felt.bottomLeft());
    wood.setColorAt(0, QColor(125, 78, 40));
    wood.setColorAt(1, QColor(78, 45, 22));
    painter.setPen(Qt::NoPen);
    painter.setBrush(wood);
    painter.drawRoundedRect(felt, felt.height() / 2, felt.height() / 2);

    const QRectF cloth = felt.adjusted(rim, rim, -rim, -rim);
    QRadialGradient green(cloth.center(), cloth.width() * 0.6);
    green.setColorAt(0, QColor(46, 138, 78));
    green.setColorAt(1, QColor(22, 88, 48));
    painter.setBrush(green);
    painter.drawRoundedRect(cloth, cloth.height() / 2, cloth.height() / 2);

    const QRectF line = cloth.adjusted(rim * 2.5, rim * 2.5, -rim * 2.5, -rim * 2.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 40), 2));
    painter.drawRoundedRect(line, line.height() / 2, line.height() / 2);

    const qreal radius = layout.cardSize().width() * 0.08;
    painter.setPen(QPen(QColor(255, 255, 255, 60), 1.5));
    for (int i = 0; i < 5; ++i)
        painter.drawRoundedRect(layout.cardRect({CardPlace::board, i}), radius, radius);

    // The rest of the deck, a little squared up.
    const QPixmap back = m_deck->pixmap(Card(Card::Back, 0), layout.deck().size().toSize(), devicePixelRatioF());
    for (int i = 2; i >= 0; --i)
        painter.drawPixmap(layout.deck().topLeft() + QPointF(i * 1.5, -i * 1.5), back);
}

void TableWidget::paintSeats(QPainter &painter, const TableLayout &layout) const
{
    const bool decided = !m_result.winners.isEmpty();
    for (int player = 0; player < m_players; ++player) {
        const QRectF plate = layout.namePlate(player);
        const bool winner = decided && m_result.winners.contains(player);
        painter.setPen(winner ? QPen(gold, 2.5) : QPen(QColor(255, 255, 255, 50), 1));
        painter.setBrush(QColor(0, 0, 0, 120));
        painter.drawRoundedRect(plate, plate.height() / 3, plate.height() / 3);

        const qreal line = plate.height() / 2;
        painter.setPen(winner ? gold : QColor(240, 240, 235));
        painter.setFont(scaledFont(font(), line * 0.72, true));
        // The name alone sits in the middle; under it goes the player's chance
        // while the board comes, the hand after the showdown.
        const bool chance = !decided && player < m_chances.size();
        const bool twoLines = decided || chance;
        const QRectF top = twoLines ? QRectF(plate.left(), plate.top() + line * 0.08, plate.width(), line) : plate;
        painter.drawText(top, Qt::AlignCenter, playerName(player) + (winner ? QStringLiteral(" wins") : QString()));
        if (twoLines) {
            painter.setFont(scaledFont(font(), line * 0.62, false));
            painter.drawText(top.translated(0, line * 0.82), Qt::AlignCenter,
                             decided
                                 ? EvalHand::typeName(m_result.hands.at(player).type)
                                 : QString::number(100 * m_chances.at(player), 'f', 1) + QStringLiteral("% chance"));
        }
    }
}

void TableWidget::paintCard(QPainter &painter, const TableLayout &layout, const MovingCard &card) const
{
    const QRectF target = layout.cardRect(card.place);
    const QRectF deck = layout.deck();
    const qreal flight =
        QEasingCurve(QEasingCurve::OutCubic).valueForProgress(std::min(card.progress / flightShare, 1.0));
    const qreal turn = std::max(0.0, (card.progress - flightShare) / (1 - flightShare));
    const QPointF centre = deck.center() + (target.center() - deck.center()) * flight;
    const QSizeF size = deck.size() + (target.size() - deck.size()) * flight;
    QRectF place(QPointF(0, 0), size);
    place.moveCenter(centre);

    // Turning over: the card narrows to an edge, then widens showing its face.
    const qreal widthFactor = std::abs(qCos(M_PI * turn));
    const bool faceUp = turn >= 0.5;
    QRectF drawn(0, 0, place.width() * widthFactor, place.height());
    drawn.moveCenter(place.center());

    const qreal radius = place.width() * 0.08;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(drawn.translated(2, 3), radius, radius);
    const QPixmap picture =
        m_deck->pixmap(faceUp ? card.card : Card(Card::Back, 0), target.size().toSize(), devicePixelRatioF());
    painter.drawPixmap(drawn, picture, QRectF(QPointF(0, 0), picture.size()));

    if (!m_result.winners.isEmpty() && card.progress >= 1) {
        painter.setBrush(Qt::NoBrush);
        if (isWinningCard(card.card)) {
            painter.setPen(QPen(gold, 3));
            painter.drawRoundedRect(drawn.adjusted(-1.5, -1.5, 1.5, 1.5), radius, radius);
        } else {
            painter.setBrush(QColor(0, 0, 0, 80));
            painter.drawRoundedRect(drawn, radius, radius);
        }
    }
}

void TableWidget::paintVerdict(QPainter &painter, const TableLayout &layout) const
{
    if (m_result.winners.isEmpty())
        return;
    const QString text = winnerLine(m_result);
    const QRectF area = layout.verdict();
    painter.setFont(scaledFont(font(), area.height() * 0.6, true));
    painter.setPen(QColor(0, 0, 0, 140));
    painter.drawText(area.translated(1.5, 1.5), Qt::AlignCenter, text);
    painter.setPen(gold);
    painter.drawText(area, Qt::AlignCenter, text);
}

bool TableWidget::isWinningCard(Card card) const
{
    const char code = card.toEncodedChar();
    for (int winner : m_result.winners) {
        if (m_result.hands.at(winner).cards.contains(code))
            return true;
    }
    return false;
}
