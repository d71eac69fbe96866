// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "DxfBlankDrawing.h"

#include <algorithm>
#include <utility>

#include "DxfGroupWriter.h"

namespace tarvelo::host {

namespace {

// The handles of the blank drawing's objects; new objects start after them.
enum Handle : std::uint64_t {
    kBlockRecordTable = 1,
    kLayerTable,
    kStyleTable,
    kLinetypeTable,
    kViewTable,
    kUcsTable,
    kVportTable,
    kAppidTable,
    kDimstyleTable,
    kRootDictionary,
    kGroupDictionary,
    kLayoutDictionary,
    kActiveVport,
    kLayerZero,
    kLinetypeByBlock,
    kLinetypeByLayer,
    kLinetypeContinuous,
    kStyleStandard,
    kAppidAcad,
    kDimstyleStandard,
    kModelSpaceRecord,
    kPaperSpaceRecord,
    kModelSpaceBlock,
    kModelSpaceEnd,
    kPaperSpaceBlock,
    kPaperSpaceEnd,
    kModelLayout,
    kPaperLayout,
    kFirstFree,
};

class Writer {
public:
    void variable(const char* name) { out.text(9, name); }

    // Groups written in the order given, so that long runs of numbers take a line or two.
    void reals(std::initializer_list<std::pair<int, double>> groups)
    {
        for (const auto& [code, value] : groups)
            out.real(code, value);
    }
    void integers(std::initializer_list<std::pair<int, std::int64_t>> groups)
    {
        for (const auto& [code, value] : groups)
            out.integer(code, value);
    }

    void table(const char* name, Handle handle, int count)
    {
        out.text(0, "TABLE");
        out.text(2, name);
        out.handle(5, handle);
        out.text(330, "0");
        out.text(100, "AcDbSymbolTable");
        out.integer(70, count);
    }

    void record(const char* type, Handle handle, Handle owner, const char* marker, const char* name)
    {
        out.text(0, type);
        out.handle(type == std::string_view("DIMSTYLE") ? 105 : 5, handle);
        out.handle(330, owner);
        out.text(100, "AcDbSymbolTableRecord");
        out.text(100, marker);
        out.text(2, name);
        out.integer(70, 0);
    }

    void linetype(Handle handle, const char* name, const char* description)
    {
        record("LTYPE", handle, kLinetypeTable, "AcDbLinetypeTableRecord", name);
        out.text(3, description);
        out.integer(72, 65);
        out.integer(73, 0);
        out.real(40, 0.0);
    }

    void block(const char* name, Handle record, Handle begin, Handle end, bool paper)
    {
        out.text(0, "BLOCK");
        out.handle(5, begin);
        out.handle(330, record);
        out.text(100, "AcDbEntity");
        if (paper)
            out.integer(67, 1);
        out.text(8, "0");
        out.text(100, "AcDbBlockBegin");
        out.text(2, name);
        out.integer(70, 0);
        out.point(10, 0.0, 0.0);
        out.text(3, name);
        out.text(1, "");
        out.text(0, "ENDBLK");
        out.handle(5, end);
        out.handle(330, record);
        out.text(100, "AcDbEntity");
        if (paper)
            out.integer(67, 1);
        out.text(8, "0");
        out.text(100, "AcDbBlockEnd");
    }

    // The root dictionary, owned by nothing, gives 0 as its owner.
    void dictionary(Handle handle, std::uint64_t owner)
    {
        out.text(0, "DICTIONARY");
        out.handle(5, handle);
        out.handle(330, owner);
        out.text(100, "AcDbDictionary");
        out.integer(281, 1);
    }

    void layout(Handle handle, const char* name, int flags, int order, Handle blockRecord)
    {
        out.text(0, "LAYOUT");
        out.handle(5, handle);
        out.text(102, "{ACAD_REACTORS");
        out.handle(330, kLayoutDictionary);
        out.text(102, "}");
        out.handle(330, kLayoutDictionary);
        out.text(100, "AcDbPlotSettings");
        out.text(1, "");
        out.text(4, "A4");
        out.text(6, "");
        for (int code = 40; code <= 49; ++code)
            out.real(code, 0.0);
        reals({{140, 0.0}, {141, 0.0}, {142, 1.0}, {143, 1.0}});
        integers({{70, 688}, {72, 1}, {73, 0}, {74, 5}});
        out.text(7, "");
        integers({{75, 16}, {76, 0}, {77, 2}, {78, 300}});
        reals({{147, 1.0}, {148, 0.0}, {149, 0.0}});
        out.text(100, "AcDbLayout");
        out.text(1, name);
        integers({{70, flags}, {71, order}});
        out.point(10, 0.0, 0.0);
        out.point(11, 420.0, 297.0);
        out.point(12, 0.0, 0.0);
        out.point(14, 0.0, 0.0);
        out.point(15, 0.0, 0.0);
        out.real(146, 0.0);
        out.point(13, 0.0, 0.0);
        reals({{16, 1.0}, {26, 0.0}, {36, 0.0}, {17, 0.0}, {27, 1.0}, {37, 0.0}});
        out.integer(76, 0);
        out.handle(330, blockRecord);
    }

    DxfGroupWriter out;
};

}  // namespace

std::string DxfBlankDrawing::bytes(const QRectF& extents)
{
    const QRectF shown = extents.isNull() ? QRectF(0.0, 0.0, 420.0, 297.0) : extents;
    Writer w;
    DxfGroupWriter& out = w.out;

    out.text(0, "SECTION");
    out.text(2, "HEADER");
    w.variable("$ACADVER");
    out.text(1, "AC1024");
    w.variable("$ACADMAINTVER");
    out.integer(70, 6);
    // Informs programs that show the drawing on a Russian system; the texts themselves are UTF-8.
    w.variable("$DWGCODEPAGE");
    out.text(3, "ANSI_1251");
    w.variable("$INSBASE");
    out.point(10, 0.0, 0.0);
    w.variable("$EXTMIN");
    out.point(10, shown.left(), shown.top());
    w.variable("$EXTMAX");
    out.point(10, shown.right(), shown.bottom());
    w.variable("$LTSCALE");
    out.real(40, 1.0);
    w.variable("$INSUNITS");
    out.integer(70, 4);
    w.variable("$MEASUREMENT");
    out.integer(70, 1);
    w.variable("$HANDSEED");
    out.handle(5, kFirstFree);
    out.text(0, "ENDSEC");

    out.text(0, "SECTION");
    out.text(2, "CLASSES");
    out.text(0, "ENDSEC");

    out.text(0, "SECTION");
    out.text(2, "TABLES");
    w.table("VPORT", kVportTable, 1);
    w.record("VPORT", kActiveVport, kVportTable, "AcDbViewportTableRecord", "*Active");
    w.reals({{10, 0.0}, {20, 0.0}, {11, 1.0}, {21, 1.0}, {12, shown.center().x()}, {22, shown.center().y()},
             {13, 0.0}, {23, 0.0}, {14, 10.0}, {24, 10.0}, {15, 10.0}, {25, 10.0}});
    out.point(16, 0.0, 0.0);
    out.point(17, 0.0, 0.0);
    // A little more than the symbols' height, so that they open with room around them.
    w.reals({{40, std::max({shown.height(), shown.width() / 1.5, 1.0}) * 1.2}, {41, 1.5}, {42, 50.0}, {43, 0.0},
             {44, 0.0}, {50, 0.0}, {51, 0.0}});
    w.integers({{71, 0}, {72, 1000}, {73, 1}, {74, 3}, {75, 0}, {76, 0}, {77, 0}, {78, 0}});
    out.text(0, "ENDTAB");

    w.table("LTYPE", kLinetypeTable, 3);
    w.linetype(kLinetypeByBlock, "ByBlock", "");
    w.linetype(kLinetypeByLayer, "ByLayer", "");
    w.linetype(kLinetypeContinuous, "Continuous", "Solid line");
    out.text(0, "ENDTAB");

    w.table("LAYER", kLayerTable, 1);
    w.record("LAYER", kLayerZero, kLayerTable, "AcDbLayerTableRecord", "0");
    out.integer(62, 7);
    out.text(6, "Continuous");
    out.integer(370, -3);
    out.text(0, "ENDTAB");

    w.table("STYLE", kStyleTable, 1);
    w.record("STYLE", kStyleStandard, kStyleTable, "AcDbTextStyleTableRecord", "Standard");
    w.reals({{40, 0.0}, {41, 1.0}, {50, 0.0}});
    out.integer(71, 0);
    out.real(42, 2.5);
    out.text(3, "DejaVuSans.ttf");
    out.text(4, "");
    out.text(0, "ENDTAB");

    w.table("VIEW", kViewTable, 0);
    out.text(0, "ENDTAB");
    w.table("UCS", kUcsTable, 0);
    out.text(0, "ENDTAB");

    w.table("APPID", kAppidTable, 1);
    w.record("APPID", kAppidAcad, kAppidTable, "AcDbRegAppTableRecord", "ACAD");
    out.text(0, "ENDTAB");

    w.table("DIMSTYLE", kDimstyleTable, 1);
    out.text(100, "AcDbDimStyleTable");
    out.integer(71, 0);
    w.record("DIMSTYLE", kDimstyleStandard, kDimstyleTable, "AcDbDimStyleTableRecord", "Standard");
    out.text(0, "ENDTAB");

    w.table("BLOCK_RECORD", kBlockRecordTable, 2);
    w.record("BLOCK_RECORD", kModelSpaceRecord, kBlockRecordTable, "AcDbBlockTableRecord", "*Model_Space");
    out.handle(340, kModelLayout);
    w.record("BLOCK_RECORD", kPaperSpaceRecord, kBlockRecordTable, "AcDbBlockTableRecord", "*Paper_Space");
    out.handle(340, kPaperLayout);
    out.text(0, "ENDTAB");
    out.text(0, "ENDSEC");

    out.text(0, "SECTION");
    out.text(2, "BLOCKS");
    w.block("*Model_Space", kModelSpaceRecord, kModelSpaceBlock, kModelSpaceEnd, false);
    w.block("*Paper_Space", kPaperSpaceRecord, kPaperSpaceBlock, kPaperSpaceEnd, true);
    out.text(0, "ENDSEC");

    out.text(0, "SECTION");
    out.text(2, "ENTITIES");
    out.text(0, "ENDSEC");

    out.text(0, "SECTION");
    out.text(2, "OBJECTS");
    w.dictionary(kRootDictionary, 0);
    out.text(3, "ACAD_GROUP");
    out.handle(350, kGroupDictionary);
    out.text(3, "ACAD_LAYOUT");
    out.handle(350, kLayoutDictionary);
    w.dictionary(kGroupDictionary, kRootDictionary);
    w.dictionary(kLayoutDictionary, kRootDictionary);
    out.text(3, "Layout1");
    out.handle(350, kPaperLayout);
    out.text(3, "Model");
    out.handle(350, kModelLayout);
    w.layout(kModelLayout, "Model", 1, 0, kModelSpaceRecord);
    w.layout(kPaperLayout, "Layout1", 1, 1, kPaperSpaceRecord);
    out.text(0, "ENDSEC");
    out.text(0, "EOF");
    return out.take();
}

}  // namespace tarvelo::host
