#include "svgwriter.h"

namespace {

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

QString xlinkNamespace()
{
    return latin1("http://www.w3.org/1999/xlink");
}

} // namespace

QString svgNumber(double value)
{
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? latin1("0") : text;
}

QString translate(double x, double y)
{
    return latin1("translate(") + svgNumber(x) + QLatin1Char(',') + svgNumber(y) + QLatin1Char(')');
}

QString translateScale(double x, double y, double scale)
{
    return translate(x, y) + latin1(" scale(") + svgNumber(scale) + QLatin1Char(')');
}

QString turnAround(double x, double y)
{
    return latin1("rotate(180,") + svgNumber(x) + QLatin1Char(',') + svgNumber(y) + QLatin1Char(')');
}

SvgWriter::SvgWriter(QIODevice *device)
    : m_xml(device)
{
    m_xml.setAutoFormatting(true);
    m_xml.setAutoFormattingIndent(1);
}

void SvgWriter::beginDocument(double width, double height)
{
    m_xml.writeStartDocument();
    m_xml.writeStartElement(latin1("svg"));
    m_xml.writeDefaultNamespace(latin1("http://www.w3.org/2000/svg"));
    m_xml.writeNamespace(xlinkNamespace(), latin1("xlink"));
    m_xml.writeAttribute(latin1("version"), latin1("1.2"));
    m_xml.writeAttribute(latin1("baseProfile"), latin1("tiny"));
    m_xml.writeAttribute(latin1("width"), svgNumber(width));
    m_xml.writeAttribute(latin1("height"), svgNumber(height));
    m_xml.writeAttribute(latin1("viewBox"), latin1("0 0 ") + svgNumber(width) + QLatin1Char(' ') + svgNumber(height));
}

void SvgWriter::endDocument()
{
    m_xml.writeEndDocument();
}

void SvgWriter::beginDefinitions()
{
    m_xml.writeStartElement(latin1("defs"));
}

void SvgWriter::endDefinitions()
{
    m_xml.writeEndElement();
}

void SvgWriter::beginGroup(const QString &id, const QString &transform)
{
    m_xml.writeStartElement(latin1("g"));
    if (!id.isEmpty())
        m_xml.writeAttribute(latin1("id"), id);
    if (!transform.isEmpty())
        m_xml.writeAttribute(latin1("transform"), transform);
}

void SvgWriter::endGroup()
{
    m_xml.writeEndElement();
}

void SvgWriter::comment(const QString &text)
{
    m_xml.writeComment(QLatin1Char(' ') + text + QLatin1Char(' '));
}

void SvgWriter::path(const QString &data, const SvgStyle &style, const QString &id)
{
    m_xml.writeStartElement(latin1("path"));
    if (!id.isEmpty())
        m_xml.writeAttribute(latin1("id"), id);
    m_xml.writeAttribute(latin1("d"), data);
    writeStyle(style);
    m_xml.writeEndElement();
}

void SvgWriter::rect(const QRectF &rect, double radius, const SvgStyle &style)
{
    m_xml.writeStartElement(latin1("rect"));
    m_xml.writeAttribute(latin1("x"), svgNumber(rect.x()));
    m_xml.writeAttribute(latin1("y"), svgNumber(rect.y()));
    m_xml.writeAttribute(latin1("width"), svgNumber(rect.width()));
    m_xml.writeAttribute(latin1("height"), svgNumber(rect.height()));
    if (radius > 0) {
        m_xml.writeAttribute(latin1("rx"), svgNumber(radius));
        m_xml.writeAttribute(latin1("ry"), svgNumber(radius));
    }
    writeStyle(style);
    m_xml.writeEndElement();
}

void SvgWriter::circle(const QPointF &centre, double radius, const SvgStyle &style)
{
    m_xml.writeStartElement(latin1("circle"));
    m_xml.writeAttribute(latin1("cx"), svgNumber(centre.x()));
    m_xml.writeAttribute(latin1("cy"), svgNumber(centre.y()));
    m_xml.writeAttribute(latin1("r"), svgNumber(radius));
    writeStyle(style);
    m_xml.writeEndElement();
}

void SvgWriter::ellipse(const QPointF &centre, double radiusX, double radiusY, const SvgStyle &style)
{
    m_xml.writeStartElement(latin1("ellipse"));
    m_xml.writeAttribute(latin1("cx"), svgNumber(centre.x()));
    m_xml.writeAttribute(latin1("cy"), svgNumber(centre.y()));
    m_xml.writeAttribute(latin1("rx"), svgNumber(radiusX));
    m_xml.writeAttribute(latin1("ry"), svgNumber(radiusY));
    writeStyle(style);
    m_xml.writeEndElement();
}

void SvgWriter::use(const QString &id, const QString &transform)
{
    m_xml.writeStartElement(latin1("use"));
    m_xml.writeAttribute(xlinkNamespace(), latin1("href"), QLatin1Char('#') + id);
    m_xml.writeAttribute(latin1("transform"), transform);
    m_xml.writeEndElement();
}

void SvgWriter::writeStyle(const SvgStyle &style)
{
    m_xml.writeAttribute(latin1("fill"), style.fill.isEmpty() ? latin1("none") : style.fill);
    if (!style.stroke.isEmpty()) {
        m_xml.writeAttribute(latin1("stroke"), style.stroke);
        m_xml.writeAttribute(latin1("stroke-width"), svgNumber(style.strokeWidth));
        m_xml.writeAttribute(latin1("stroke-linecap"), latin1("round"));
        m_xml.writeAttribute(latin1("stroke-linejoin"), latin1("round"));
    }
    if (style.opacity < 1)
        m_xml.writeAttribute(latin1("opacity"), svgNumber(style.opacity));
}
