// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// A host program without Qt of its own, as a CAD program is: it loads the
// module, which brings its own application, and calls it without a drawing.
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "EnvironmentGuard.h"
#include "SymbolModuleApi.h"
#include "TemporaryFolder.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/services/SharedLibrary.h"

using namespace tarvelo::module;
using GEOTYPE_DEFINITION::IGeoBlock;
using tarvelo::services::SharedLibrary;

namespace {

class ModuleWithoutQt : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_module = SharedLibrary(SYMBOLS_MODULE);
        ASSERT_TRUE(m_module.isLoaded()) << m_module.systemMessage();
    }
    void TearDown() override { m_module.release(); }
    template <typename Export>
    typename Export::Function find(const Export& entry = Export{})
    {
        const auto function = m_module.find(entry);
        EXPECT_NE(function, nullptr) << entry.exportName;
        return function;
    }

    tarvelo::testing::TemporaryFolder m_store;
    const tarvelo::testing::EnvironmentGuard m_storeLocation{"TARVELO_STORE_DIR", m_store.path().string()};
    SharedLibrary m_module;
};

bool qtIsLoaded()
{
    FILE* maps = std::fopen("/proc/self/maps", "r");
    std::array<char, 1024> line{};
    bool found = false;
    while (maps != nullptr && std::fgets(line.data(), line.size(), maps) != nullptr)
        found = found || std::strstr(line.data(), "libQt6Core") != nullptr;
    if (maps != nullptr)
        std::fclose(maps);
    return found;
}

}  // namespace

// The test stands for a host without Qt: none is loaded before the module is.
TEST(ModuleHost, hasNoQtOfItsOwn)
{
    EXPECT_FALSE(qtIsLoaded());
}

// Without a drawing no window opens: the section mark gives null, the others an emptied block.
// The version query is checked here too: a load that only asked it would unload Qt without
// starting it, and the leak checker would then count Qt's own one-time allocations.
TEST_F(ModuleWithoutQt, editorsWithoutDrawingShowNothingAndVersionIsZero)
{
    auto freeBlock = find<FreeBlock>();
    GEOTYPE_DEFINITION::TGeoBlock incoming;
    incoming.GetPoints()->AddPoint(0, 0, 1.0, 2.0, 3.0);
    for (const auto& kind : kSymbolKinds) {
        auto editor = find(kind);
        for (IGeoBlock* given : {static_cast<IGeoBlock*>(nullptr), static_cast<IGeoBlock*>(&incoming)}) {
            IGeoBlock* result = editor(0, nullptr, given);
            if (std::strcmp(kind.exportName, "SectionSymbol") == 0) {
                EXPECT_EQ(result, nullptr);
            } else {
                ASSERT_NE(result, nullptr) << kind.exportName;
                EXPECT_TRUE(result->IsEmpty()) << kind.exportName;
                EXPECT_NE(result, given);
            }
            freeBlock(result);
        }
    }
    EXPECT_EQ(incoming.GetPoints()->GetCount(), 1u) << "the caller's block is only read";
    freeBlock(nullptr);
    find<ModuleFreeGeoCollection>()(nullptr);

    // The version query answers 0 and carries the host kit's marked reserved area.
    auto version = find<zcrxGetApiVersion>();
    EXPECT_EQ(version(), 0u);
#if defined(__x86_64__) || defined(__i386__)
    const auto* code = reinterpret_cast<const unsigned char*>(version);
    const void* start = memmem(code, 32, "ECAD", 4);
    ASSERT_NE(start, nullptr);
    const auto* area = static_cast<const unsigned char*>(start);
    EXPECT_EQ(std::memcmp(area + 132, "DACE", 4), 0);
    for (int i = 4; i < 132; ++i)
        ASSERT_EQ(area[i], 0) << i;
#endif
}

// Unloading and loading again leaves a working module, any number of times.
TEST_F(ModuleWithoutQt, reloadsAndWorksAgain)
{
    for (int round = 0; round < 3; ++round) {
        auto division = find(kSymbolKinds[1]);  // the break line
        IGeoBlock* block = division(0, nullptr, nullptr);
        ASSERT_NE(block, nullptr);
        find<FreeBlock>()(block);
        ASSERT_TRUE(m_module.release());
        m_module = SharedLibrary(SYMBOLS_MODULE);
        ASSERT_TRUE(m_module.isLoaded()) << m_module.systemMessage();
    }
}

// The module shows exactly its eleven exports and nothing else of its own.
TEST(ModuleExports, onlyTheElevenExportsAreVisible)
{
    const std::string command = std::string("nm -D --defined-only '") + SYMBOLS_MODULE + "'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> exported;
    std::array<char, 512> line{};
    while (std::fgets(line.data(), line.size(), pipe) != nullptr) {
        char type = 0;
        char name[400] = {};
        // Lower-case kinds are local: an unoptimised sanitizer build keeps some in the table, unseen by callers.
        if (std::sscanf(line.data(), "%*s %c %399s", &type, name) == 2 && type != 'A' &&
            std::isupper(static_cast<unsigned char>(type)))
            exported.insert(name);
    }
    pclose(pipe);
    std::set<std::string> expected{FreeBlock::exportName, ModuleFreeGeoCollection::exportName,
                                   zcrxGetApiVersion::exportName};
    for (const auto& kind : kSymbolKinds)
        expected.insert(kind.exportName);
    EXPECT_EQ(exported, expected);
}
