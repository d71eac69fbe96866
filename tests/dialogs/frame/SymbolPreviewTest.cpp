// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QImage>

#include "SymbolBlocks.h"
#include "SymbolPreview.h"

using namespace tarvelo;
using namespace tarvelo::render::testing;

namespace {

// Pixels of the pane, inside its frame, that are not the white sheet.
int inkedPixels(dialogs::SymbolPreview& preview)
{
    const QImage image = preview.grab().toImage();
    int count = 0;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < image.width() - 2; ++x)
            count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return count;
}

}  // namespace

// The pane, found by its name, shows every kind of symbol as its dialog starts it, at 1:1 and at 1:100.
TEST(SymbolPreviewTest, showsEveryKindOfSymbol)
{
    for (const double scale : {1.0, 100.0}) {
        for (const std::uint32_t type : kOneTypePerKind) {
            SCOPED_TRACE(::testing::Message() << type << " at " << scale);
            auto block = newSymbol(type, scale);
            dialogs::SymbolPreview preview;
            preview.resize(preview.sizeHint());
            preview.setBlock(block.get());
            EXPECT_EQ(preview.objectName(), QStringLiteral("preview"));
            EXPECT_GT(inkedPixels(preview), 150);
        }
    }
}

// The pane draws the block as it was at the last refresh: a changed level shows once the pane is refreshed;
// without a block it is an empty sheet.
TEST(SymbolPreviewTest, refreshShowsTheChangedBlock)
{
    auto block = newSymbol(301, 100.0);
    block->GetExtData()->SetMainText("3.250000*3");
    dialogs::SymbolPreview preview;
    preview.resize(preview.sizeHint());
    preview.setBlock(block.get());
    auto shows = [&](const char* text) {
        for (const auto& primitive : preview.drawing().primitives) {
            const auto* shown = std::get_if<render::TextPrimitive>(&primitive.shape);
            if (shown != nullptr && shown->text == QString::fromUtf8(text))
                return true;
        }
        return false;
    };
    EXPECT_TRUE(shows("+3,250"));
    const QImage before = preview.grab().toImage();
    block->GetExtData()->SetMainText("-12.500000*3");
    EXPECT_TRUE(shows("+3,250"));
    preview.refresh();
    EXPECT_TRUE(shows("−12,500"));
    EXPECT_NE(preview.grab().toImage(), before);

    preview.setBlock(nullptr);
    EXPECT_TRUE(preview.drawing().isEmpty());
    EXPECT_EQ(inkedPixels(preview), 0) << "an empty sheet without a block";
}
