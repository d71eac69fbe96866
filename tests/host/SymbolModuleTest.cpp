// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include "FakeModuleLog.h"
#include "InMemoryDrawing.h"
#include "SymbolModule.h"

using namespace tarvelo::host;
using tarvelo::host::testing::FakeModuleLog;
using tarvelo::host::testing::kFakeModule;
using tarvelo::host::testing::kFakeModuleWithoutWeld;

namespace {

std::filesystem::path toPath(const QString& path)
{
    return std::filesystem::path(path.toStdString());
}

}  // namespace

// Every entry point of the module is reached under its own name, gets the
// host's drawing, and every block it hands out goes back to its FreeBlock.
TEST(SymbolModule, callsEachEntryPointAndFreesEveryBlock)
{
    FakeModuleLog log;
    tarvelo::hostcad::InMemoryDrawing drawing;
    drawing.layers = {{"0"}, {"Стены"}};
    std::string error;
    std::unique_ptr<SymbolModule> module = SymbolModule::load(toPath(kFakeModule), error);
    ASSERT_TRUE(module) << error;
    EXPECT_EQ(module->apiVersion(), 0u);

    std::vector<std::uint32_t> types;
    for (std::size_t kind = 0; kind < tarvelo::module::kSymbolKinds.size(); ++kind) {
        BlockPtr block = module->edit(kind, 0, &drawing, nullptr);
        ASSERT_TRUE(block);
        types.push_back(block->GetSymbolType());
    }
    EXPECT_EQ(types, (std::vector<std::uint32_t>{101, 201, 301, 401, 501, 801, 701, 601}));
    EXPECT_EQ(log.calls(), QStringList({"SectionSymbol parent 0 layers 2 incoming none",
                                        "DivisionSymbol parent 0 layers 2 incoming none",
                                        "LvlMrkSymbol parent 0 layers 2 incoming none",
                                        "MrkCmmSymbol parent 0 layers 2 incoming none",
                                        "JpntSymbol parent 0 layers 2 incoming none",
                                        "CoordLineSymbol parent 0 layers 2 incoming none",
                                        "WeldSymbol parent 0 layers 2 incoming none",
                                        "BoundHatchSymbol parent 0 layers 2 incoming none"}));
    EXPECT_EQ(log.made().size(), 8);
    EXPECT_TRUE(log.allFreed());
}

// A module without one of the eleven exports is refused before any call,
// naming what it lacks; so are a missing file and a file that is no library.
TEST(SymbolModule, refusesModulesItCannotUse)
{
    std::string error;
    EXPECT_FALSE(SymbolModule::load(toPath(kFakeModuleWithoutWeld), error));
    EXPECT_EQ(error, "Модуль «" + kFakeModuleWithoutWeld.toStdString() +
                         "» не годится как модуль символов: в нём нет функций «WeldSymbol».");

    EXPECT_FALSE(SymbolModule::load("/nowhere/libtarvelo_symbols.so", error));
    EXPECT_EQ(error, "Модуль символов «/nowhere/libtarvelo_symbols.so» не найден. Путь к модулю можно указать в "
                     "--module.");

    FakeModuleLog folder;
    const QString notALibrary = folder.folder() + "/plain.so";
    QFile file(notALibrary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a library");
    file.close();
    EXPECT_FALSE(SymbolModule::load(toPath(notALibrary), error));
    EXPECT_EQ(error.rfind("Не удалось загрузить модуль символов «" + notALibrary.toStdString() + "»: ", 0), 0u)
        << error;
}

// A block read from a file is edited with the entry point of the dialog that
// makes its symbol type; types no dialog makes name none.
TEST(SymbolModule, findsTheKindOfASymbolType)
{
    const std::pair<std::uint32_t, const char*> known[] = {
        {101, "section"}, {204, "break"}, {302, "level"}, {407, "note"},
        {501, "node"},    {605, "hatch"}, {734, "weld"},  {802, "axes"},
    };
    for (const auto& [type, shortName] : known) {
        const std::optional<std::size_t> kind = symbolKindOfType(type);
        ASSERT_TRUE(kind) << type;
        EXPECT_STREQ(tarvelo::module::kSymbolKinds[*kind].shortName, shortName) << type;
    }
    EXPECT_FALSE(symbolKindOfType(0));
    EXPECT_FALSE(symbolKindOfType(99));
    EXPECT_FALSE(symbolKindOfType(901));
}
