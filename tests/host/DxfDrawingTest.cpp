// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <cstring>
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

// Text and binary files, and text files as other programs write them: CR or CR LF line ends,
// blanks after values (a version "AC1024 " once made every name mojibake), a UTF-8 byte order mark.
INSTANTIATE_TEST_SUITE_P(Formats, DxfDrawingEncodings,
                         testing::Values(GoodDrawing{"r12_cp1251.dxf", "CP1251"},
                                         GoodDrawing{"r12_escapes.dxf", "CP1252"},
                                         GoodDrawing{"r2010_utf8.dxf", "UTF-8"},
                                         GoodDrawing{"r12_binary.dxf", "CP1251"},
                                         GoodDrawing{"r2010_binary.dxf", "UTF-8"},
                                         GoodDrawing{"r2010_cr.dxf", "UTF-8"},
                                         GoodDrawing{"r2010_crlf.dxf", "UTF-8"},
                                         GoodDrawing{"r2010_trailing_blanks.dxf", "UTF-8"},
                                         GoodDrawing{"r12_utf8_bom.dxf", "UTF-8"}),
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

// The user's code page wins over what the drawing says, or fills in for what it does not say.
TEST(DxfDrawing, codePageOverrideDecidesHowNamesAreRead)
{
    std::string error;
    const auto unmarked = DxfDrawing::open(kDrawings / "r12_no_codepage.dxf", error);
    ASSERT_TRUE(unmarked) << error;
    EXPECT_EQ(unmarked->charsetOrigin(), DxfNameDecoder::Origin::Default);
    EXPECT_EQ(unmarked->layers()[2].nameUtf8, "Ñòåíû");

    const auto russian = DxfDrawing::open(kDrawings / "r12_no_codepage.dxf", error, "CP1251");
    ASSERT_TRUE(russian) << error;
    EXPECT_EQ(russian->charsetOrigin(), DxfNameDecoder::Origin::Override);
    EXPECT_EQ(russian->layers()[2].nameUtf8, "Стены");

    const auto dos = DxfDrawing::open(kDrawings / "r12_cp1251.dxf", error, "CP866");
    ASSERT_TRUE(dos) << error;
    EXPECT_EQ(dos->charset(), "CP866");
    EXPECT_EQ(dos->codePage(), "ANSI_1251");
    EXPECT_NE(dos->layers()[2].nameUtf8, "Стены");
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

// The last layer of a table that lacks its end is kept, whatever follows it.
TEST(DxfDrawing, lastLayerOfAnUnendedTableIsKept)
{
    std::istringstream in("0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nA\n62\n3\n0\nLAYER\n2\nB\n62\n4\n"
                          "0\nTABLE\n2\nSTYLE\n0\nSTYLE\n2\nStandard\n0\nENDTAB\n0\nENDSEC\n");
    std::string error;
    const std::unique_ptr<DxfDrawing> drawing = DxfDrawing::read(in, "a.dxf", error);
    ASSERT_TRUE(drawing) << error;
    ASSERT_EQ(drawing->layers().size(), 2u);
    EXPECT_EQ(drawing->layers()[1].nameUtf8, "B");
    EXPECT_EQ(drawing->layers()[1].colour, 4);
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
        BadFile{"binary_noise.dxf", "Двоичный чертёж %1 повреждён: за меткой формата нет ни одного раздела."},
        BadFile{"binary_truncated.dxf",
                "Чертёж %1 обрывается до конца раздела таблиц (TABLES): файл повреждён или записан не полностью."},
        BadFile{"binary_sent_as_text.dxf",
                "Файл %1 помечен как двоичный DXF, но метка в его начале искажена (так бывает, когда файл "
                "передают как текст). Прочитать такой чертёж нельзя."},
        BadFile{"binary_endless_text.dxf", "Чертёж %1 повреждён: текст по смещению 7721 длиннее 4096 байт."}),
    [](const testing::TestParamInfo<BadFile>& info) {
        std::string name = info.param.file;
        return name.substr(0, name.find('.'));
    });

// Valid drawings without layer records open with the one layer "0", as CAD programs open them:
// entities only, an empty TABLES section, tables without a LAYER table, an empty LAYER table (whatever
// count it claims).
// Whatever follows the end of the file is not read.
TEST(DxfDrawing, drawingsWithoutLayersHaveLayerZero)
{
    using namespace std::string_literals;
    const std::string drawings[] = {
        "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n"s,
        "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nCIRCLE\n8\n"
        "Walls\n40\n1.5\n0\nENDSEC\n0\nEOF\nignore\ninvalid data\n\0\1\2\n"s,
        "0\nSECTION\n2\nTABLES\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n"s,
        "999\nCAM output\n0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLTYPE\n0\nLTYPE\n2\nCONTINUOUS\n70\n64\n0\nENDTAB\n"
        "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n"s,
        "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n2000000000\n0\nENDTAB\n0\nENDSEC\n"s,
    };
    for (const std::string& text : drawings) {
        std::istringstream in(text);
        std::string error;
        const std::unique_ptr<DxfDrawing> drawing = DxfDrawing::read(in, "a.dxf", error);
        ASSERT_TRUE(drawing) << text << error;
        EXPECT_EQ(readTableNames(drawing.get(), TableKind::Layers, FailedRecords::Skip).names,
                  std::vector<std::string>{"0"})
            << text;
    }
}

// Damaged structure is told apart from a file that is not DXF at all, with the place where it breaks.
TEST(DxfDrawing, damagedStructureIsReported)
{
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"0\nSECTION\n2\nTABLES\n0\nSECTION\n", "Чертёж «a.dxf» повреждён: раздел TABLES не закрыт."},
        {"0\nSECTION\n2\nTABLES\nx\nLAYER\n", "Чертёж «a.dxf» повреждён: строка 5 не похожа на запись DXF."},
        // A code is a minus and at most six digits, nothing else.
        {"0\nSECTION\n+2\nTABLES\n", "Чертёж «a.dxf» повреждён: строка 3 не похожа на запись DXF."},
        {"0\nSECTION\n--2\nTABLES\n", "Чертёж «a.dxf» повреждён: строка 3 не похожа на запись DXF."},
        {"0\nSECTION\n 0000002\nTABLES\n", "Чертёж «a.dxf» повреждён: строка 3 не похожа на запись DXF."},
        {"0\nSECTION\n9\nHEADER\n", "Чертёж «a.dxf» повреждён: у раздела в строке 3 нет имени."},
        // Drawings without tables are read to their end, so damage behind the entities shows.
        {"0\nSECTION\n2\nENTITIES\n0\nENDSEC\n9\n$EXTMIN\n0\nENDSEC\n",
         "Чертёж «a.dxf» повреждён: в строке 7 ожидалось начало раздела."},
        {"0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n",
         "Чертёж «a.dxf» обрывается в разделе ENTITIES: файл повреждён или записан не полностью."},
        {"0\nSECTION\n2\nENTITIES\n0\nENDSEC\n",
         "Чертёж «a.dxf» обрывается после раздела ENTITIES: нет метки конца файла (EOF), файл повреждён или "
         "записан не полностью."},
    };
    for (const Case& test : cases) {
        std::istringstream in(test.text);
        std::string error;
        EXPECT_FALSE(DxfDrawing::read(in, "a.dxf", error)) << test.text;
        EXPECT_EQ(error, test.message) << test.text;
    }
}

namespace {

// Writes a binary DXF file group by group, with one-byte codes (255 announcing a two-byte one) or two-byte codes.
class BinaryDxf {
public:
    explicit BinaryDxf(bool twoByteCodes) : m_twoByteCodes(twoByteCodes) { m_bytes = "AutoCAD Binary DXF\r\n\x1a"; m_bytes += '\0'; }

    BinaryDxf& text(int code, std::string_view value)
    {
        writeCode(code);
        m_bytes += value;
        m_bytes += '\0';
        return *this;
    }
    BinaryDxf& number(int code, std::uint64_t value, int bytes)
    {
        writeCode(code);
        writeLittleEndian(value, bytes);
        return *this;
    }
    BinaryDxf& real(int code, double value)
    {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        return number(code, bits, 8);
    }
    BinaryDxf& chunk(int code, std::string_view data)
    {
        writeCode(code);
        m_bytes += static_cast<char>(data.size());
        m_bytes += data;
        return *this;
    }
    [[nodiscard]] const std::string& bytes() const { return m_bytes; }

private:
    void writeLittleEndian(std::uint64_t value, int bytes)
    {
        for (int i = 0; i < bytes; ++i)
            m_bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    void writeCode(int code)
    {
        if (m_twoByteCodes) {
            writeLittleEndian(static_cast<std::uint16_t>(code), 2);
        } else if (code < 255) {
            m_bytes += static_cast<char>(code);
        } else {
            m_bytes += '\xFF';
            writeLittleEndian(static_cast<std::uint16_t>(code), 2);
        }
    }

    bool m_twoByteCodes;
    std::string m_bytes;
};

// A layer table of two layers whose records carry a group of every value type between their names and colours,
// so that a value read with the wrong length shows in the layer that follows it.
std::string layerTableWithEveryValueType(bool twoByteCodes, const char* version)
{
    BinaryDxf dxf(twoByteCodes);
    dxf.text(0, "SECTION").text(2, "HEADER").text(9, "$ACADVER").text(1, version);
    dxf.text(9, "$DWGCODEPAGE").text(3, "ANSI_1251").text(0, "ENDSEC");
    // The record count claims far more than there are: counts in a file are not to be trusted.
    dxf.text(0, "SECTION").text(2, "TABLES").text(0, "TABLE").text(2, "LAYER").number(70, 0x7FFF, 2);
    dxf.text(0, "LAYER").text(2, twoByteCodes ? "Стены" : "\xD1\xF2\xE5\xED\xFB").number(70, 0, 2);
    dxf.real(10, 1.5).number(90, 0xFFFFFFFF, 4).number(160, 1ULL << 40, 8).number(290, 1, 1);
    dxf.chunk(310, std::string("\0\1\2\3", 4)).text(330, "1F").number(370, 25, 2).number(420, 0x123456, 4);
    dxf.number(62, 1, 2);
    dxf.text(1001, "APP").text(1000, "data").real(1040, 2.5).number(1070, 3, 2).number(1071, 7, 4);
    dxf.chunk(1004, "\xFF\xFE");
    dxf.text(0, "LAYER").text(2, "0").number(70, 0, 2).number(62, static_cast<std::uint16_t>(-5), 2);
    dxf.text(0, "ENDTAB").text(0, "ENDSEC").text(0, "EOF");
    return dxf.bytes();
}

}  // namespace

// Every value type of a binary file is read with its own length, with one-byte and with two-byte group codes.
TEST(DxfDrawing, binaryValuesKeepTheirLengths)
{
    for (const bool twoByteCodes : {false, true}) {
        SCOPED_TRACE(twoByteCodes ? "two-byte codes" : "one-byte codes");
        std::istringstream in(layerTableWithEveryValueType(twoByteCodes, twoByteCodes ? "AC1024" : "AC1009"));
        std::string error;
        const std::unique_ptr<DxfDrawing> drawing = DxfDrawing::read(in, "b.dxf", error);
        ASSERT_TRUE(drawing) << error;
        EXPECT_TRUE(drawing->isBinary());
        ASSERT_EQ(drawing->layers().size(), 2u);
        EXPECT_EQ(drawing->layers()[0].nameUtf8, "Стены");
        EXPECT_EQ(drawing->layers()[0].colour, 1);
        EXPECT_EQ(drawing->layers()[1].nameUtf8, "0");
        EXPECT_EQ(drawing->layers()[1].colour, 5);
        EXPECT_TRUE(drawing->layers()[1].off);
    }
}

// A group code that DXF does not define leaves no way to know its value's length: the file is refused.
TEST(DxfDrawing, binaryUnknownGroupCodeIsReported)
{
    BinaryDxf dxf(true);
    dxf.text(0, "SECTION").text(2, "TABLES").number(85, 0, 2);
    std::istringstream in(dxf.bytes());
    std::string error;
    EXPECT_FALSE(DxfDrawing::read(in, "b.dxf", error));
    EXPECT_EQ(error, "Чертёж «b.dxf» повреждён: по смещению 41 стоит код группы 85, которого нет в формате DXF.");
}
