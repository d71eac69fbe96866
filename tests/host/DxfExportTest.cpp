// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <cmath>

#include "BlockJson.h"
#include "DxfSymbolExport.h"
#include "SymbolExport.h"
#include "SymbolPlacement.h"

using tarvelo::host::DxfExportSummary;
using tarvelo::host::DxfSymbolExport;
using namespace tarvelo::render;

namespace {

constexpr double kScale = 100.0;

// One symbol with every kind of primitive, Cyrillic names and texts, a
// dashed thin pen and a thick solid one, drawn at 1:100 away from the origin.
Drawing sampleSymbol(QPointF at = {5000.0, -2000.0})
{
    Drawing drawing;
    drawing.unitsPerMillimetre = kScale;
    drawing.pens[std::size_t(PenRole::Thin)] = Pen{"Разрезы", "Штрихпунктирная", 0.18, 3, {}, false};
    drawing.pens[std::size_t(PenRole::Thick)] = Pen{"Разрезы", "Continuous", 0.5, 256, {}, true};
    drawing.pens[std::size_t(PenRole::ThinSolid)] = Pen{"Разрезы", "", 0.18, 256, {}, false};
    drawing.pens[std::size_t(PenRole::ThickSolid)] = Pen{"Марки", "", 0.5, 1, {}, true};
    drawing.textStyle = TextStyle{"ГОСТ тип А", 350.0, 0.8, 15.0};
    const auto add = [&](Shape shape, PenRole pen) { drawing.primitives.push_back({std::move(shape), pen}); };
    add(LinePrimitive{at, at + QPointF(1000, 0)}, PenRole::Thin);
    add(PolylinePrimitive{{at, at + QPointF(0, 500), at + QPointF(300, 500)}, 0.0, true}, PenRole::Thick);
    add(ArcPrimitive{at, 400.0, 30.0, 120.0}, PenRole::ThinSolid);
    add(CirclePrimitive{at + QPointF(2000, 0), 250.0, false}, PenRole::ThinSolid);
    add(CirclePrimitive{at + QPointF(2500, 0), 50.0, true}, PenRole::ThickSolid);
    add(ArrowHeadPrimitive{at + QPointF(1000, 0), at + QPointF(800, 0), 60.0, false}, PenRole::ThickSolid);
    add(TextPrimitive{"Разрез 1–1 ⌀", at + QPointF(500, 100), 350.0, 0.8, 15.0, 0.0, HAlign::Centre, VAlign::Baseline},
        PenRole::Thin);
    add(HatchStrokePrimitive{at + QPointF(0, -100), at + QPointF(100, -200)}, PenRole::Thin);
    return drawing;
}

// What ezdxf reads from the files: see ezdxf_read_back.py.
QJsonObject readBack(const QStringList& paths, bool details)
{
    QProcess ezdxf;
    ezdxf.start("/usr/bin/python3", QStringList{EZDXF_READ_BACK} + (details ? QStringList{"--details"} : QStringList{}) +
                                        paths);
    if (!ezdxf.waitForFinished(600000) || ezdxf.exitCode() != 0) {
        ADD_FAILURE() << "ezdxf failed: " << ezdxf.readAllStandardError().toStdString();
        return {};
    }
    return QJsonDocument::fromJson(ezdxf.readAllStandardOutput()).object();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

QJsonObject named(const QJsonArray& records, const QString& name)
{
    for (const QJsonValue& record : records) {
        if (record.toObject().value("name").toString().compare(name, Qt::CaseInsensitive) == 0)
            return record.toObject();
    }
    return {};
}

std::vector<QJsonObject> entitiesOfType(const QJsonObject& reading, const QString& type)
{
    std::vector<QJsonObject> found;
    for (const QJsonValue& entity : reading.value("entities").toArray()) {
        if (entity.toObject().value("type").toString() == type)
            found.push_back(entity.toObject());
    }
    return found;
}

void expectPoint(const QJsonValue& point, QPointF expected, const char* what)
{
    const QJsonArray xy = point.toArray();
    EXPECT_NEAR(xy.at(0).toDouble(), expected.x(), 1e-6) << what;
    EXPECT_NEAR(xy.at(1).toDouble(), expected.y(), 1e-6) << what;
}

QStringList problemsOf(const QJsonObject& reading)
{
    QStringList problems;
    for (const QJsonValue& problem : reading.value("problems").toArray())
        problems << problem.toString();
    return problems;
}

// The drawings every reader of ours reads; the test drawings that are damaged on purpose are left out.
QStringList readableTestDrawings()
{
    QStringList paths;
    for (const char* name : {"r12_cp1251.dxf", "r12_escapes.dxf", "r2010_utf8.dxf", "r12_binary.dxf", "r2010_binary.dxf",
                             "r2010_cr.dxf", "r2010_crlf.dxf", "r2010_trailing_blanks.dxf", "r12_utf8_bom.dxf",
                             "r12_no_codepage.dxf"})
        paths << QStringLiteral(TEST_DRAWINGS_DIR "/") + name;
    return paths;
}

QStringList realDrawings()
{
    const QDir folder(QStringLiteral(REAL_DRAWINGS_DIR));
    QStringList paths;
    for (const QString& name : folder.entryList({"*.dxf"}, QDir::Files, QDir::Name))
        paths << folder.filePath(name);
    return paths;
}

}  // namespace

// A standalone drawing holds each primitive as the entity that shows it,
// where the renderer put it, on its pen's layer and line type, with the
// texts' Cyrillic intact and the tables the entities name.
TEST(DxfExport, standaloneDrawingReadsBackAsDrawn)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("symbols.dxf");
    const Drawing symbol = sampleSymbol();
    std::string error;
    DxfExportSummary summary;
    ASSERT_TRUE(tarvelo::host::exportSymbolsDxf(path, {symbol}, error, &summary)) << error;

    const QJsonObject reading = readBack({path}, true).value(path).toObject();
    ASSERT_FALSE(reading.contains("unreadable")) << reading.value("unreadable").toString().toStdString();
    EXPECT_EQ(problemsOf(reading), QStringList());
    EXPECT_EQ(reading.value("version").toString(), "AC1024");
    const QJsonArray entities = reading.value("entities").toArray();
    EXPECT_EQ(entities.size(), summary.entities);
    // The arrow head, the text and the hatch stroke are one entity each: nothing is split or lost.
    EXPECT_EQ(entities.size(), qsizetype(symbol.primitives.size()));

    EXPECT_FALSE(named(reading.value("layers").toArray(), "Разрезы").isEmpty());
    EXPECT_FALSE(named(reading.value("layers").toArray(), "Марки").isEmpty());
    const QJsonObject dashDot = named(reading.value("linetypes").toArray(), "Штрихпунктирная");
    ASSERT_FALSE(dashDot.isEmpty());
    // Dashes in sheet millimetres; each entity scales them by its symbol's scale.
    EXPECT_GT(dashDot.value("pattern").toArray().at(0).toDouble(), 5.0);
    const QJsonObject style = named(reading.value("styles").toArray(), "ГОСТ тип А");
    ASSERT_FALSE(style.isEmpty());
    EXPECT_DOUBLE_EQ(style.value("width").toDouble(), 0.8);
    EXPECT_DOUBLE_EQ(style.value("oblique").toDouble(), 15.0);

    const std::vector<QJsonObject> lines = entitiesOfType(reading, "LINE");
    ASSERT_EQ(lines.size(), 2u);
    const QJsonObject& line = lines[0];
    expectPoint(line.value("start"), {5000, -2000}, "line start");
    expectPoint(line.value("end"), {6000, -2000}, "line end");
    EXPECT_EQ(line.value("layer").toString(), "Разрезы");
    EXPECT_EQ(line.value("linetype").toString(), "Штрихпунктирная");
    EXPECT_EQ(line.value("color").toInt(), 3);
    EXPECT_EQ(line.value("lineweight").toInt(), 18);
    EXPECT_DOUBLE_EQ(line.value("ltscale").toDouble(), kScale);

    const std::vector<QJsonObject> texts = entitiesOfType(reading, "TEXT");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].value("text").toString(), "Разрез 1–1 ⌀");
    EXPECT_EQ(texts[0].value("style").toString(), "ГОСТ тип А");
    EXPECT_DOUBLE_EQ(texts[0].value("height").toDouble(), 350.0);
    EXPECT_EQ(texts[0].value("halign").toInt(), 1);
    expectPoint(texts[0].value("align_point"), {5500, -1900}, "text alignment point");

    const std::vector<QJsonObject> arcs = entitiesOfType(reading, "ARC");
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_DOUBLE_EQ(arcs[0].value("start_angle").toDouble(), 30.0);
    EXPECT_DOUBLE_EQ(arcs[0].value("end_angle").toDouble(), 150.0);
    EXPECT_EQ(entitiesOfType(reading, "CIRCLE").size(), 1u);
    EXPECT_EQ(entitiesOfType(reading, "SOLID").size(), 1u);

    // The thick outline and the filled disc are polylines that carry the weight and the fill.
    const std::vector<QJsonObject> polylines = entitiesOfType(reading, "LWPOLYLINE");
    ASSERT_EQ(polylines.size(), 2u);
    EXPECT_TRUE(polylines[0].value("closed").toBool());
    EXPECT_EQ(polylines[0].value("points").toArray().size(), 3);
    EXPECT_EQ(polylines[0].value("lineweight").toInt(), 50);
    EXPECT_DOUBLE_EQ(polylines[1].value("width").toDouble(), 50.0);
    EXPECT_EQ(polylines[1].value("layer").toString(), "Марки");
}

// Older formats have no line weights or LWPOLYLINE: an R12 drawing gets the
// thick lines as wide POLYLINEs, its Cyrillic in its own code page, and only
// the layer and line type it lacks.
TEST(DxfExport, intoAnR12DrawingUsesItsFormatAndCodePage)
{
    const QString drawing = QStringLiteral(TEST_DRAWINGS_DIR "/r12_cp1251.dxf");
    QTemporaryDir folder;
    const QString path = folder.filePath("out.dxf");
    std::string error;
    DxfExportSummary summary;
    ASSERT_TRUE(tarvelo::host::exportSymbolsInto(drawing, path, {sampleSymbol()}, {}, error, &summary)) << error;
    EXPECT_GE(summary.layers, 1);
    EXPECT_GE(summary.linetypes, 1);
    EXPECT_EQ(summary.styles, 1);

    const QByteArray bytes = fileBytes(path);
    EXPECT_TRUE(bytes.contains(QByteArray("\xD0\xE0\xE7\xF0\xE5\xE7"))) << "«Разрез» in code page 1251";
    EXPECT_FALSE(bytes.contains(QByteArray("Разрез"))) << "no UTF-8 in an R12 drawing";

    const QJsonObject reading = readBack({path}, true).value(path).toObject();
    EXPECT_EQ(problemsOf(reading), QStringList());
    EXPECT_EQ(reading.value("version").toString(), "AC1009");
    const std::vector<QJsonObject> texts = entitiesOfType(reading, "TEXT");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().value("text").toString(), "Разрез 1–1 ⌀");
    const std::vector<QJsonObject> polylines = entitiesOfType(reading, "POLYLINE");
    ASSERT_EQ(polylines.size(), 2u);
    EXPECT_DOUBLE_EQ(polylines[0].value("width").toDouble(), 0.5 * kScale);
    EXPECT_TRUE(entitiesOfType(reading, "LWPOLYLINE").empty());
}

// Nothing to add leaves the drawing byte for byte as it was, in every format
// the reader knows: the writer touches only what the symbols need.
TEST(DxfExport, noSymbolsLeaveEveryDrawingAsItWas)
{
    QStringList drawings = readableTestDrawings() + realDrawings();
    for (const QString& drawing : drawings) {
        const QByteArray bytes = fileBytes(drawing);
        std::string error;
        const std::optional<std::string> merged =
            DxfSymbolExport::intoDrawing(std::string_view(bytes.constData(), std::size_t(bytes.size())), {},
                                         drawing.toStdString(), error);
        if (!merged) {
            EXPECT_FALSE(error.empty()) << drawing.toStdString();
            continue;
        }
        EXPECT_TRUE(*merged == bytes.toStdString()) << drawing.toStdString();
    }
}

// Every drawing is kept with its entities and handles, the symbols follow
// with handles of their own, and ezdxf finds nothing wrong that the drawing
// did not have before.
TEST(DxfExport, intoKeepsEveryEntityOfEachDrawing)
{
    QStringList drawings = readableTestDrawings();
    const QStringList real = realDrawings();
    if (real.isEmpty())
        std::cerr << "no real drawings in " REAL_DRAWINGS_DIR ": only the test drawings are written into\n";
    drawings += real;

    QTemporaryDir folder;
    QStringList outputs;
    std::vector<int> added;
    QStringList written;
    for (const QString& drawing : drawings) {
        const QString out = folder.filePath(QString::number(outputs.size()) + ".dxf");
        const QByteArray bytes = fileBytes(drawing);
        std::string error;
        DxfExportSummary summary;
        const std::optional<std::string> merged = DxfSymbolExport::intoDrawing(
            std::string_view(bytes.constData(), std::size_t(bytes.size())), {sampleSymbol(), sampleSymbol({0, 0})},
            drawing.toStdString(), error, {}, &summary);
        if (!merged) {
            // A drawing our reader refuses is told about, never half written.
            EXPECT_FALSE(error.empty()) << drawing.toStdString();
            continue;
        }
        ASSERT_TRUE(writeBytes(out, *merged));
        written << drawing;
        outputs << out;
        added.push_back(summary.entities);
    }
    // Of the real drawings, only the one with a section ezdxf refuses too may be left out.
    EXPECT_GE(written.size(), drawings.size() - 1);

    const QJsonObject before = readBack(written, false);
    const QJsonObject after = readBack(outputs, false);
    for (qsizetype i = 0; i < written.size(); ++i) {
        SCOPED_TRACE(written[i].toStdString());
        const QJsonObject was = before.value(written[i]).toObject();
        const QJsonObject is = after.value(outputs[i]).toObject();
        // ezdxf's own limits: a drawing it cannot read before cannot be compared after.
        if (was.contains("unreadable"))
            continue;
        ASSERT_FALSE(is.contains("unreadable")) << is.value("unreadable").toString().toStdString();
        const QJsonArray wasRaw = was.value("raw").toArray();
        const QJsonArray isRaw = is.value("raw").toArray();
        ASSERT_GE(isRaw.size(), wasRaw.size() + added[std::size_t(i)]);
        QSet<QString> handles;
        for (qsizetype e = 0; e < isRaw.size(); ++e) {
            if (e < wasRaw.size()) {
                EXPECT_EQ(isRaw[e], wasRaw[e]) << "entity " << e;
            }
            const QString handle = isRaw[e].toArray().at(1).toString();
            if (handle.isEmpty())
                continue;
            EXPECT_FALSE(handles.contains(handle)) << "handle " << handle.toStdString() << " twice";
            handles.insert(handle);
        }
        // What ezdxf reports now it reported before: nothing we wrote is at fault. Line
        // numbers are left out, as the new table records move the drawing's lines down.
        const auto withoutNumbers = [](QStringList problems) {
            problems.replaceInStrings(QRegularExpression("[0-9]+"), "#");
            problems.sort();
            return problems;
        };
        EXPECT_EQ(withoutNumbers(problemsOf(is)), withoutNumbers(problemsOf(was)));
    }
}

// A damaged drawing is refused with a message that names it.
TEST(DxfExport, damagedDrawingIsRefused)
{
    for (const char* name : {"truncated.dxf", "not_a_drawing.dxf", "empty.dxf", "binary_truncated.dxf"}) {
        const QByteArray bytes = fileBytes(QStringLiteral(TEST_DRAWINGS_DIR "/") + name);
        std::string error;
        EXPECT_FALSE(DxfSymbolExport::intoDrawing(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                                                  {sampleSymbol()}, name, error))
            << name;
        EXPECT_NE(error.find(name), std::string::npos) << error;
    }
}

// New symbols, their points still at the origin, go to the anchor one beside
// the other without overlapping; a symbol whose points place it stays put.
TEST(SymbolPlacement, newSymbolsGoSideBySideAtTheAnchor)
{
    const auto block = [](std::uint32_t type, QPointF first) {
        const QString json = QStringLiteral(R"({"symbolType": %1, "scopePoints": [
            {"key": 1, "x": %2, "y": %3}, {"key": 2, "x": %4, "y": %3}, {"key": 3, "x": %2, "y": %5}]})")
                                 .arg(type)
                                 .arg(first.x())
                                 .arg(first.y())
                                 .arg(first.x() + 10)
                                 .arg(first.y() + 10);
        std::string error;
        auto made = tarvelo::host::blockFromJson(json.toStdString(), error);
        EXPECT_TRUE(made) << error;
        return made;
    };
    auto level = block(301, {0, 0});
    auto section = block(101, {0, 0});
    auto placed = block(401, {-700, 900});
    auto note = block(401, {0, 0});
    const QPointF anchor(5000, -300);
    const std::vector<Drawing> drawings =
        tarvelo::host::placeSymbols({level.get(), nullptr, section.get(), placed.get(), note.get()}, anchor);

    ASSERT_EQ(drawings.size(), 4u);
    for (const Drawing& drawing : drawings)
        ASSERT_FALSE(drawing.isEmpty());
    const std::vector<Drawing> unmoved = tarvelo::host::placeSymbols({placed.get(), level.get()}, {});
    EXPECT_EQ(drawings[2].bounds(), unmoved[0].bounds());
    EXPECT_EQ(drawings[0].bounds(), unmoved[1].bounds().translated(anchor));
    const QRectF row[] = {drawings[0].bounds(), drawings[1].bounds(), drawings[3].bounds()};
    for (std::size_t i = 1; i < std::size(row); ++i) {
        EXPECT_GE(row[i].left(), row[i - 1].right() + 10.0) << "10 mm apart at 1:1";
        EXPECT_FALSE(row[i].intersects(row[i - 1]));
    }
}
