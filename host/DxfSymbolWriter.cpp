// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DxfSymbolWriter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "DxfTextEncoder.h"
#include "LineTypePattern.h"
#include "PlaneMath.h"

namespace tarvelo::host {

using namespace render;

namespace {

constexpr int kR13 = 1012;
constexpr int kR14 = 1014;
constexpr int kR2000 = 1015;
constexpr int kColorByLayer = 256;
// The only weights DXF allows, in hundredths of a millimetre.
constexpr std::array<int, 24> kLineweights{0,  5,  9,  13, 15, 18, 20, 25,  30,  35,  40,  50,
                                           53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};
constexpr char kContinuous[] = "Continuous";
// The font of the styles made here: it has Cyrillic letters, and it is the
// one the program's own pictures are drawn with.
constexpr char kStyleFont[] = "DejaVuSans.ttf";

int lineweightOf(double millimetres)
{
    const double hundredths = millimetres * 100.0;
    return *std::min_element(kLineweights.begin(), kLineweights.end(), [&](int a, int b) {
        return std::abs(a - hundredths) < std::abs(b - hundredths);
    });
}

// Characters a table name may not hold become underscores.
QString usableName(const QString& name)
{
    QString usable = name.trimmed();
    for (QChar& c : usable) {
        if (QStringLiteral("<>/\\\":;?*|=`").contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    }
    return usable;
}

// A whole turn in degrees, [0, 360).
double normalized(double degrees)
{
    const double turned = std::fmod(degrees, 360.0);
    return turned < 0.0 ? turned + 360.0 : turned;
}

}  // namespace

// Writes one primitive as the entities that show it.
class DxfSymbolWriter::PrimitiveWriter {
public:
    PrimitiveWriter(DxfSymbolWriter& writer, const Drawing& drawing) : m_writer(writer), m_drawing(drawing) {}

    void write(const Primitive& primitive)
    {
        m_pen = m_writer.penOf(m_drawing, primitive.pen);
        std::visit(*this, primitive.shape);
    }

    void operator()(const LinePrimitive& line) { straight(line.from, line.to); }
    void operator()(const HatchStrokePrimitive& stroke) { straight(stroke.from, stroke.to); }

    void operator()(const PolylinePrimitive& polyline)
    {
        std::vector<Vertex> vertices;
        for (const QPointF& point : polyline.points)
            vertices.push_back({point, 0.0});
        this->polyline(vertices, polyline.width > 0.0 ? polyline.width : m_pen.width, polyline.closed);
    }

    void operator()(const ArcPrimitive& arc)
    {
        if (std::abs(arc.spanDegrees) >= 360.0) {
            operator()(CirclePrimitive{arc.centre, arc.radius, false});
            return;
        }
        if (m_pen.width > 0.0) {
            const QPointF from = arc.centre + direction(arc.startDegrees) * arc.radius;
            const QPointF to = arc.centre + direction(arc.startDegrees + arc.spanDegrees) * arc.radius;
            polyline({{from, std::tan(radians(arc.spanDegrees) / 4.0)}, {to, 0.0}}, m_pen.width, false);
            return;
        }
        const double start = arc.spanDegrees >= 0.0 ? arc.startDegrees : arc.startDegrees + arc.spanDegrees;
        head("ARC");
        m_writer.subclass("AcDbCircle");
        out().point(10, arc.centre.x(), arc.centre.y());
        out().real(40, arc.radius);
        m_writer.subclass("AcDbArc");
        out().real(50, normalized(start));
        out().real(51, normalized(start + std::abs(arc.spanDegrees)));
    }

    void operator()(const CirclePrimitive& circle)
    {
        // A disc, and a circle that carries its weight as width, are closed
        // polylines of two half circles; the disc's width fills it to the centre.
        if (circle.filled || m_pen.width > 0.0) {
            const double radius = circle.filled ? circle.radius / 2.0 : circle.radius;
            const double width = circle.filled ? circle.radius : m_pen.width;
            const QPointF side(radius, 0.0);
            polyline({{circle.centre - side, 1.0}, {circle.centre + side, 1.0}}, width, true);
            return;
        }
        head("CIRCLE");
        m_writer.subclass("AcDbCircle");
        out().point(10, circle.centre.x(), circle.centre.y());
        out().real(40, circle.radius);
    }

    void operator()(const ArrowHeadPrimitive& arrow)
    {
        const auto corners = arrow.corners();
        head("SOLID");
        m_writer.subclass("AcDbTrace");
        out().point(10, corners[0].x(), corners[0].y());
        out().point(11, corners[1].x(), corners[1].y());
        out().point(12, corners[2].x(), corners[2].y());
        out().point(13, corners[2].x(), corners[2].y());
    }

    void operator()(const TextPrimitive& text)
    {
        // Letters carry no line type; a text takes its layer's.
        m_pen.lineType.clear();
        m_pen.lineTypeScale = 1.0;
        head("TEXT");
        m_writer.subclass("AcDbText");
        const QPointF start = text.baselineStart();
        out().point(10, start.x(), start.y());
        out().real(40, text.height);
        out().text(1, m_writer.m_encoder.encode(escapedPercents(text.text).toStdString()));
        if (text.rotationDegrees != 0.0)
            out().real(50, normalized(text.rotationDegrees));
        if (text.widthFactor != 1.0)
            out().real(41, text.widthFactor);
        if (text.slantDegrees != 0.0)
            out().real(51, normalized(text.slantDegrees));
        out().text(7, m_writer.m_encoder.encode(m_writer.styleFor(m_drawing.textStyle).toStdString()));
        const int horizontal = text.hAlign == HAlign::Left ? 0 : text.hAlign == HAlign::Centre ? 1 : 2;
        const int vertical = text.vAlign == VAlign::Baseline ? 0 : text.vAlign == VAlign::Middle ? 2 : 3;
        if (horizontal != 0)
            out().integer(72, horizontal);
        if (horizontal != 0 || vertical != 0)
            out().point(11, text.position.x(), text.position.y());
        m_writer.subclass("AcDbText");
        if (vertical != 0)
            out().integer(73, vertical);
    }

private:
    struct Vertex {
        QPointF point;
        double bulge = 0.0;
    };

    DxfGroupWriter& out() { return m_writer.m_entities; }

    std::uint64_t head(std::string_view type) { return m_writer.entityHead(type, m_pen, m_writer.m_target.modelSpaceHandle); }

    // "%%" starts a control code in a DXF text; "%%%" is one percent sign.
    static QString escapedPercents(const QString& text)
    {
        if (!text.contains(QStringLiteral("%%")))
            return text;
        QString escaped = text;
        return escaped.replace(QLatin1Char('%'), QStringLiteral("%%%"));
    }

    void straight(QPointF from, QPointF to)
    {
        if (m_pen.width > 0.0) {
            polyline({{from, 0.0}, {to, 0.0}}, m_pen.width, false);
            return;
        }
        head("LINE");
        m_writer.subclass("AcDbLine");
        out().point(10, from.x(), from.y());
        out().point(11, to.x(), to.y());
    }

    void polyline(const std::vector<Vertex>& vertices, double width, bool closed)
    {
        if (m_writer.m_target.release >= kR14) {
            head("LWPOLYLINE");
            m_writer.subclass("AcDbPolyline");
            out().integer(90, static_cast<std::int64_t>(vertices.size()));
            out().integer(70, closed ? 1 : 0);
            if (width > 0.0)
                out().real(43, width);
            for (const Vertex& vertex : vertices) {
                out().real(10, vertex.point.x());
                out().real(20, vertex.point.y());
                if (vertex.bulge != 0.0)
                    out().real(42, vertex.bulge);
            }
            return;
        }
        // Before R14 a polyline is a POLYLINE entity, its VERTEX entities and a SEQEND.
        const std::uint64_t owner = head("POLYLINE");
        const std::string ownerHex = m_writer.m_target.handles ? DxfGroupWriter::hex(owner) : std::string();
        m_writer.subclass("AcDb2dPolyline");
        out().integer(66, 1);
        out().point(10, 0.0, 0.0);
        out().integer(70, closed ? 1 : 0);
        if (width > 0.0) {
            out().real(40, width);
            out().real(41, width);
        }
        EntityPen part = m_pen;
        for (const Vertex& vertex : vertices) {
            m_writer.entityHead("VERTEX", part, ownerHex);
            m_writer.subclass("AcDbVertex");
            m_writer.subclass("AcDb2dVertex");
            out().point(10, vertex.point.x(), vertex.point.y());
            if (width > 0.0) {
                out().real(40, width);
                out().real(41, width);
            }
            if (vertex.bulge != 0.0)
                out().real(42, vertex.bulge);
        }
        m_writer.entityHead("SEQEND", part, ownerHex);
        // A polyline counts as one entity, as CAD programs list it.
        m_writer.m_entityCount -= static_cast<int>(vertices.size()) + 1;
    }

    DxfSymbolWriter& m_writer;
    const Drawing& m_drawing;
    EntityPen m_pen;
};

DxfSymbolWriter::DxfSymbolWriter(const DxfTarget& target, const DxfTextEncoder& encoder, const DxfGroupStyle& style)
    : m_target(target), m_encoder(encoder), m_nextHandle(target.nextHandle), m_entities(style)
{
    const auto known = [](Table& table, const std::vector<std::string>& names, const DxfGroupStyle& groupStyle) {
        table.records = DxfGroupWriter(groupStyle);
        for (const std::string& name : names) {
            const QString spelled = QString::fromStdString(name);
            table.names.insert(spelled.toCaseFolded(), spelled);
        }
    };
    known(m_layers, target.layers, style);
    known(m_linetypes, target.linetypes, style);
    known(m_styles, target.styles, style);
}

void DxfSymbolWriter::add(const Drawing& drawing)
{
    PrimitiveWriter writer(*this, drawing);
    for (const Primitive& primitive : drawing.primitives)
        writer.write(primitive);
}

void DxfSymbolWriter::subclass(std::string_view marker)
{
    if (m_target.release >= kR13)
        m_entities.text(100, marker);
}

std::uint64_t DxfSymbolWriter::entityHead(std::string_view type, const EntityPen& pen, const std::string& owner)
{
    const std::uint64_t handle = m_target.handles ? m_nextHandle++ : 0;
    ++m_entityCount;
    m_entities.text(0, type);
    if (m_target.handles)
        m_entities.handle(5, handle);
    if (m_target.release >= kR13 && !owner.empty())
        m_entities.text(330, owner);
    subclass("AcDbEntity");
    m_entities.text(8, pen.layer);
    if (!pen.lineType.empty())
        m_entities.text(6, pen.lineType);
    if (pen.color != kColorByLayer)
        m_entities.integer(62, pen.color);
    if (m_target.release >= kR2000 && pen.lineweight >= 0)
        m_entities.integer(370, pen.lineweight);
    if (m_target.release >= kR13 && pen.lineTypeScale != 1.0)
        m_entities.real(48, pen.lineTypeScale);
    return handle;
}

DxfSymbolWriter::EntityPen DxfSymbolWriter::penOf(const Drawing& drawing, PenRole role)
{
    const Pen& pen = drawing.pen(role);
    EntityPen entity;
    entity.layer = m_encoder.encode(layerNamed(pen.layer).toStdString());
    const QString lineType = pen.lineType.trimmed();
    const QString key = lineType.toCaseFolded();
    if (role == PenRole::ThinSolid || role == PenRole::ThickSolid) {
        entity.lineType = m_encoder.encode(linetypeNamed(QString::fromLatin1(kContinuous), 1.0).toStdString());
    } else if (key == QStringLiteral("byblock") || key == QStringLiteral("поблоку")) {
        entity.lineType = "BYBLOCK";
    } else if (!lineType.isEmpty() && key != QStringLiteral("default") && key != QStringLiteral("bylayer") &&
               key != QStringLiteral("послою")) {
        entity.lineType = m_encoder.encode(linetypeNamed(lineType, drawing.unitsPerMillimetre).toStdString());
    }
    entity.color = pen.colorNumber >= 0 && pen.colorNumber <= 256 ? pen.colorNumber : kColorByLayer;
    if (m_target.release >= kR2000)
        entity.lineweight = lineweightOf(pen.weight);
    else if (pen.thick)
        entity.width = pen.weight * drawing.unitsPerMillimetre;
    if (!entity.lineType.empty() &&
        QString::fromStdString(entity.lineType).toCaseFolded() != QString::fromLatin1(kContinuous).toCaseFolded())
        entity.lineTypeScale = drawing.unitsPerMillimetre;
    return entity;
}

DxfGroupWriter& DxfSymbolWriter::newRecord(Table& table, const QString& name, std::string_view type,
                                           const std::string& owner, std::string_view marker)
{
    table.names.insert(name.toCaseFolded(), name);
    ++table.added;
    DxfGroupWriter& out = table.records;
    out.text(0, type);
    if (m_target.handles)
        out.handle(5, m_nextHandle++);
    if (m_target.release >= kR13) {
        if (!owner.empty())
            out.text(330, owner);
        out.text(100, "AcDbSymbolTableRecord");
        out.text(100, marker);
    }
    out.text(2, m_encoder.encode(name.toStdString()));
    out.integer(70, 0);
    return out;
}

QString DxfSymbolWriter::layerNamed(const QString& name)
{
    const QString usable = name.trimmed().isEmpty() ? QStringLiteral("0") : usableName(name);
    if (const auto found = m_layers.names.constFind(usable.toCaseFolded()); found != m_layers.names.constEnd())
        return *found;
    // Every new layer draws continuous lines in white, as a new layer in a CAD program does.
    const std::string continuous = m_encoder.encode(linetypeNamed(QString::fromLatin1(kContinuous), 1.0).toStdString());
    DxfGroupWriter& out = newRecord(m_layers, usable, "LAYER", m_target.layerTableHandle, "AcDbLayerTableRecord");
    out.integer(62, 7);
    out.text(6, continuous);
    if (m_target.release >= kR2000)
        out.integer(370, -3);
    return usable;
}

QString DxfSymbolWriter::linetypeNamed(const QString& name, double unitsPerMillimetre)
{
    const QString usable = usableName(name);
    if (const auto found = m_linetypes.names.constFind(usable.toCaseFolded()); found != m_linetypes.names.constEnd())
        return *found;
    // Dashes are positive, gaps negative, in sheet millimetres from R13 on.
    const double scale = m_target.release >= kR13 ? 1.0 : unitsPerMillimetre;
    const std::vector<double> pattern = dashPatternOf(usable);
    DxfGroupWriter& out =
        newRecord(m_linetypes, usable, "LTYPE", m_target.linetypeTableHandle, "AcDbLinetypeTableRecord");
    out.text(3, m_encoder.encode(usable.toStdString()));
    out.integer(72, 65);
    out.integer(73, static_cast<std::int64_t>(pattern.size()));
    out.real(40, std::accumulate(pattern.begin(), pattern.end(), 0.0) * scale);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        out.real(49, (i % 2 == 0 ? 1.0 : -1.0) * pattern[i] * scale);
        if (m_target.release >= kR13)
            out.integer(74, 0);
    }
    return usable;
}

QString DxfSymbolWriter::styleFor(const TextStyle& style)
{
    const QString usable = style.name.trimmed().isEmpty() ? QStringLiteral("Standard") : usableName(style.name);
    if (const auto found = m_styles.names.constFind(usable.toCaseFolded()); found != m_styles.names.constEnd())
        return *found;
    DxfGroupWriter& out = newRecord(m_styles, usable, "STYLE", m_target.styleTableHandle, "AcDbTextStyleTableRecord");
    out.real(40, style.height);
    out.real(41, style.widthFactor);
    out.real(50, normalized(style.slantDegrees));
    out.integer(71, 0);
    out.real(42, style.height);
    out.text(3, kStyleFont);
    out.text(4, "");
    return usable;
}

}  // namespace tarvelo::host
