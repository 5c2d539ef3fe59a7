#ifndef MARROWICK_DECK_SVGWRITER_H
#define MARROWICK_DECK_SVGWRITER_H

#include <QtCore/QPointF>
#include <QtCore/QRectF>
#include <QtCore/QString>
#include <QtCore/QXmlStreamWriter>

QT_BEGIN_NAMESPACE
class QIODevice;
QT_END_NAMESPACE

// How a shape is filled and stroked; an empty colour means none.
struct SvgStyle
{
    QString fill;
    QString stroke;
    double strokeWidth = 0;
    double opacity = 1;

    static SvgStyle filled(const QString &colour) { return {colour, QString(), 0, 1}; }
    static SvgStyle outlined(const QString &colour, double width) { return {QString(), colour, width, 1}; }
};

// A number as SVG wants it: at most two decimals, no trailing zeros.
QString svgNumber(double value);
QString translate(double x, double y);
QString translateScale(double x, double y, double scale);
// Half a turn around (x, y): the lower half of a card mirrors the upper one.
QString turnAround(double x, double y);

// Writes an SVG document element by element, indented so that people can read it.
class SvgWriter
{
public:
    explicit SvgWriter(QIODevice *device);

    void beginDocument(double width, double height);
    void endDocument();

    void beginDefinitions();
    void endDefinitions();
    void beginGroup(const QString &id = QString(), const QString &transform = QString());
    void endGroup();
    void comment(const QString &text);

    void path(const QString &data, const SvgStyle &style, const QString &id = QString());
    void rect(const QRectF &rect, double radius, const SvgStyle &style);
    void circle(const QPointF &centre, double radius, const SvgStyle &style);
    void ellipse(const QPointF &centre, double radiusX, double radiusY, const SvgStyle &style);
    void use(const QString &id, const QString &transform);

private:
    void writeStyle(const SvgStyle &style);

    QXmlStreamWriter m_xml;
};

#endif
