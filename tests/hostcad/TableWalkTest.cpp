// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include "InMemoryDrawing.h"
#include "TableWalk.h"
#include "tarvelo/services/TextCodec.h"

using namespace tarvelo::hostcad;

namespace {

std::vector<std::string> cp1251(std::initializer_list<const char*> names)
{
    std::vector<std::string> converted;
    for (const char* name : names)
        converted.push_back(tarvelo::text::utf8ToCp1251(name));
    return converted;
}

InMemoryDrawing plan()
{
    InMemoryDrawing drawing;
    drawing.layers = {{"0"}, {"Стены"}, {"Оси", true}, {"Размеры", false, eWasOpenForWrite}, {"Тексты"}};
    drawing.linetypes = {{"Continuous"}, {"ШТРИХОВАЯ", false, eNotOpenForRead}, {"Осевая", true}, {"DASHDOT"}};
    return drawing;
}

}  // namespace

// Layers come in table order, as code page 1251, without erased records or records that fail to open.
TEST(TableWalk, layerWalkSkipsErasedAndFailingRecords)
{
    InMemoryDrawing drawing = plan();
    const TableNames layers = readTableNames(&drawing, TableKind::Layers, FailedRecords::Skip);
    EXPECT_EQ(layers.names, cp1251({"0", "Стены", "Тексты"}));
    EXPECT_TRUE(layers.failure.empty());
    EXPECT_EQ(drawing.openObjects(), 0);
}

// The line type walk does not look at the record's status, but an erased record never comes up.
TEST(TableWalk, linetypeWalkReadsWhatTheIteratorGives)
{
    InMemoryDrawing drawing = plan();
    const TableNames linetypes = readTableNames(&drawing, TableKind::Linetypes, FailedRecords::ReadAnyway);
    // A failed open hands out no record, so there is no name to read.
    EXPECT_EQ(linetypes.names, cp1251({"Continuous", "DASHDOT"}));
    EXPECT_EQ(drawing.openObjects(), 0);
}

// A walk that breaks down half way keeps what it read, says why, and closes the table.
TEST(TableWalk, failureHalfWayKeepsNamesReadSoFar)
{
    InMemoryDrawing drawing = plan();
    drawing.failWalkAt = 3;
    const TableNames layers = readTableNames(&drawing, TableKind::Layers, FailedRecords::Skip);
    EXPECT_EQ(layers.names, cp1251({"0", "Стены"}));
    EXPECT_EQ(layers.failure, "the drawing's table could not be read");
    EXPECT_EQ(drawing.openObjects(), 0);
}

// No drawing, or a table that cannot be iterated, gives an empty list.
TEST(TableWalk, nothingToWalk)
{
    EXPECT_TRUE(readTableNames(nullptr, TableKind::Layers, FailedRecords::Skip).names.empty());
    InMemoryDrawing drawing = plan();
    drawing.iteratorFailure = eFileAccessErr;
    EXPECT_TRUE(readTableNames(&drawing, TableKind::Layers, FailedRecords::Skip).names.empty());
    EXPECT_EQ(drawing.openObjects(), 0);
}

// Names the code page cannot hold arrive with a visible mark rather than vanishing.
TEST(TableWalk, namesOutsideTheCodePageAreMarked)
{
    InMemoryDrawing drawing;
    drawing.layers = {{"Ось Ω"}};
    EXPECT_EQ(readTableNames(&drawing, TableKind::Layers, FailedRecords::Skip).names, cp1251({"Ось ?"}));
}
