// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "DxfDrawing.h"
#include "TableWalk.h"
#include "tarvelo/services/TextCodec.h"

using namespace tarvelo::host;
using namespace tarvelo::hostcad;

namespace {

const std::filesystem::path kDrawings = TEST_DRAWINGS_DIR;

std::vector<std::string> cp1251(std::initializer_list<const char*> names)
{
    std::vector<std::string> converted;
    for (const char* name : names)
        converted.push_back(tarvelo::text::utf8ToCp1251(name));
    return converted;
}

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::unique_ptr<DxfDrawing> openOrFail(const std::filesystem::path& path)
{
    std::string error;
    std::unique_ptr<DxfDrawing> drawing = DxfDrawing::open(path, error);
    EXPECT_TRUE(drawing) << error;
    EXPECT_TRUE(error.empty());
    return drawing;
}

struct GoodDrawing {
    const char* file;
    const char* charset;
};

void PrintTo(const GoodDrawing& drawing, std::ostream* out)
{
    *out << drawing.file;
}

class DxfDrawingEncodings : public testing::TestWithParam<GoodDrawing> {};

}  // namespace

// Whatever the drawing's format and code page, the module sees the same Cyrillic names in file order.
TEST_P(DxfDrawingEncodings, namesReachTheModuleAsCodePage1251InFileOrder)
{
    const std::unique_ptr<DxfDrawing> drawing = openOrFail(kDrawings / GetParam().file);
    ASSERT_TRUE(drawing);
    EXPECT_EQ(drawing->charset(), GetParam().charset);

    const TableNames layers = readTableNames(drawing.get(), TableKind::Layers, FailedRecords::Skip);
    EXPECT_EQ(layers.names, cp1251({"0", "Defpoints", "Стены", "Оси", "Размеры", "Окна и двери"}));
    EXPECT_TRUE(layers.failure.empty());

    const TableNames linetypes = readTableNames(drawing.get(), TableKind::Linetypes, FailedRecords::ReadAnyway);
    ASSERT_GE(linetypes.names.size(), 2u);
    const std::vector<std::string> lastTwo(linetypes.names.end() - 2, linetypes.names.end());
    EXPECT_EQ(lastTwo, cp1251({"Штриховая", "Осевая"}));
}

// Each layer keeps its colour number; a switched-off layer keeps its colour too.
TEST_P(DxfDrawingEncodings, layersKeepTheirColours)
{
    const std::unique_ptr<DxfDrawing> drawing = openOrFail(kDrawings / GetParam().file);
    ASSERT_TRUE(drawing);
    std::vector<int> colours;
    std::vector<bool> off;
    for (const DxfLayer& layer : drawing->layers()) {
        colours.push_back(layer.colour);
        off.push_back(layer.off);
    }
    EXPECT_EQ(colours, (std::vector<int>{7, 7, 1, 5, 3, 4}));
    EXPECT_EQ(off, (std::vector<bool>{false, false, false, false, true, false}));
}

INSTANTIATE_TEST_SUITE_P(Formats, DxfDrawingEncodings,
                         testing::Values(GoodDrawing{"r12_cp1251.dxf", "CP1251"},
                                         GoodDrawing{"r12_escapes.dxf", "CP1252"},
                                         GoodDrawing{"r2010_utf8.dxf", "UTF-8"}),
                         [](const testing::TestParamInfo<GoodDrawing>& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

// The plan shipped with the host program opens and offers its Cyrillic layers and line types.
TEST(DxfDrawing, shippedSampleOpens)
{
    const std::unique_ptr<DxfDrawing> drawing = openOrFail(SAMPLE_DRAWING);
    ASSERT_TRUE(drawing);
    const std::vector<std::string> layers =
        readTableNames(drawing.get(), TableKind::Layers, FailedRecords::Skip).names;
    for (const std::string& name : cp1251({"Стены", "Оси", "Размеры", "Тексты", "Штриховка", "Окна", "Двери"}))
        EXPECT_NE(std::find(layers.begin(), layers.end(), name), layers.end()) << name;
    EXPECT_GE(drawing->linetypes().size(), 4u);
}

// Reading stops at the end of the tables: whatever follows them is never looked at.
TEST(DxfDrawing, readingStopsAfterTheTables)
{
    const std::string whole = fileText(kDrawings / "r2010_utf8.dxf");
    const std::size_t tables = whole.find("\nTABLES\n");
    const std::size_t tablesEnd = whole.find("ENDSEC", tables);
    ASSERT_NE(tablesEnd, std::string::npos);
    std::string damaged = whole.substr(0, whole.find('\n', tablesEnd) + 1);
    damaged += "  0\nSECTION\n  2\nENTITIES\n";
    damaged += std::string("\0\1\2\3 not a group", 17);

    std::istringstream in(damaged);
    std::string error;
    const std::unique_ptr<DxfDrawing> drawing = DxfDrawing::read(in, "план.dxf", error);
    ASSERT_TRUE(drawing) << error;
    EXPECT_EQ(drawing->layers().size(), 6u);
}

// A drawing without a header is read in the default code page, 1252.
TEST(DxfDrawing, drawingWithoutHeaderUsesCodePage1252)
{
    std::istringstream in("0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nCaf\xE9\n62\n2\n"
                          "0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n");
    std::string error;
    const std::unique_ptr<DxfDrawing> drawing = DxfDrawing::read(in, "a.dxf", error);
    ASSERT_TRUE(drawing) << error;
    ASSERT_EQ(drawing->layers().size(), 1u);
    EXPECT_EQ(drawing->layers()[0].nameUtf8, "Café");
    EXPECT_EQ(drawing->layers()[0].colour, 2);
}

// Tables hand out read-only records, and a walk leaves nothing open behind it.
TEST(DxfDrawing, tablesOpenForReadingOnly)
{
    const std::unique_ptr<DxfDrawing> drawing = openOrFail(kDrawings / "r2010_utf8.dxf");
    ASSERT_TRUE(drawing);
    ISymbolTable* table = nullptr;
    EXPECT_NE(drawing->database()->getLayerTable(table, OpenMode::ForWrite), eOk);
    EXPECT_EQ(table, nullptr);
    ASSERT_EQ(drawing->database()->getLayerTable(table, OpenMode::ForRead), eOk);
    std::unique_ptr<ISymbolTableIterator> iterator;
    ASSERT_EQ(table->newIterator(iterator, true, true), eOk);
    ISymbolTableRecord* record = nullptr;
    EXPECT_NE(iterator->getRecord(record, OpenMode::ForWrite, false), eOk);
    EXPECT_EQ(record, nullptr);
    table->close();
}

namespace {

struct BadFile {
    const char* file;
    const char* message;
};

void PrintTo(const BadFile& file, std::ostream* out)
{
    *out << file.file;
}

class DxfDrawingBadFiles : public testing::TestWithParam<BadFile> {};

}  // namespace

// A file that is not a readable text DXF drawing is refused with a message naming it, never opened empty.
TEST_P(DxfDrawingBadFiles, areRefusedWithARussianMessage)
{
    const std::filesystem::path path = kDrawings / GetParam().file;
    std::string error;
    const std::unique_ptr<DxfDrawing> drawing = DxfDrawing::open(path, error);
    EXPECT_FALSE(drawing);
    std::string expected = GetParam().message;
    expected.replace(expected.find("%1"), 2, "«" + path.string() + "»");
    EXPECT_EQ(error, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DxfDrawingBadFiles,
    testing::Values(
        BadFile{"missing.dxf", "Файл чертежа %1 не найден."},
        BadFile{"not_a_drawing.dxf", "Файл %1 не является чертежом DXF."},
        BadFile{"truncated.dxf",
                "Чертёж %1 обрывается до конца раздела таблиц (TABLES): файл повреждён или записан не полностью."},
        BadFile{"garbage.dxf", "Файл %1 не является чертежом DXF."},
        BadFile{"empty.dxf", "Файл %1 пуст: это не чертёж DXF."},
        BadFile{"binary.dxf", "Файл %1 — двоичный DXF. Откройте чертёж, сохранённый в текстовом формате DXF."}),
    [](const testing::TestParamInfo<BadFile>& info) {
        std::string name = info.param.file;
        return name.substr(0, name.find('.'));
    });

// Damaged structure is told apart from a file that is not DXF at all, with the line where it breaks.
TEST(DxfDrawing, damagedStructureIsReported)
{
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n", "В чертеже «a.dxf» нет раздела таблиц (TABLES) со слоями."},
        {"0\nSECTION\n2\nHEADER\n0\nENDSEC\n0\nEOF\n", "В чертеже «a.dxf» нет раздела таблиц (TABLES) со слоями."},
        {"0\nSECTION\n2\nTABLES\n0\nSECTION\n", "Чертёж «a.dxf» повреждён: раздел TABLES не закрыт."},
        {"0\nSECTION\n2\nTABLES\nx\nLAYER\n",
         "Чертёж «a.dxf» повреждён: строка 5 не похожа на запись DXF."},
        {"0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nENDTAB\n0\nENDSEC\n",
         "В чертеже «a.dxf» нет ни одного слоя."},
    };
    for (const Case& test : cases) {
        std::istringstream in(test.text);
        std::string error;
        EXPECT_FALSE(DxfDrawing::read(in, "a.dxf", error)) << test.text;
        EXPECT_EQ(error, test.message) << test.text;
    }
}
