// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <utility>
#include <vector>

#include "CatalogCache.h"
#include "DefaultsFile.h"
#include "TestEnvironment.h"
#include "UserRegisters.h"
#include "tarvelo/geometry/IGeoItem.h"
#include "tarvelo/geometry/IGeoItemCollection.h"
#include "tarvelo/geometry/IGeoPoint.h"
#include "tarvelo/geometry/IGeoPointsBlock.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/geometry/TraitField.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/CompanionApi.h"
#include "tarvelo/services/MakerLibraries.h"

using namespace tarvelo::services;
using namespace tarvelo::services::testing;
using GEOTYPE_DEFINITION::IGeoBlock;
using GEOTYPE_DEFINITION::IGeoItemTraits;

namespace {

struct Rows final : IParamRowSink {
    void addRow(const char* text, std::uint32_t key) override { rows.emplace_back(text, key); }
    std::vector<std::pair<std::string, std::uint32_t>> rows;
};

struct Choices final : IChoiceSink {
    void addChoice(const char* text, std::uint32_t itemData) override { choices.emplace_back(text, itemData); }
    std::vector<std::pair<std::string, std::uint32_t>> choices;
};

/// Calls the library as the module does: path from the store, loaded for one
/// call, export looked up by name, library freed after.
class HostSupportTest : public ::testing::Test {
protected:
    void SetUp() override { useLibrary(DHOSTSP_LIBRARY); }

    void useLibrary(const std::filesystem::path& library)
    {
        hub.SetStringParams(CSysHub::kModulesKey, kHostSupportLibraryValue, library.string(), false);
    }

    template <typename Export, typename... Arguments>
    auto call(Arguments... arguments)
    {
        const SharedLibrary library = LoadHostLibrary(environment);
        EXPECT_TRUE(library.isLoaded()) << "the library did not load";
        const auto function = library.find<Export>();
        EXPECT_NE(function, nullptr) << "no export " << Export::exportName;
        if constexpr (std::is_void_v<decltype(function(arguments...))>) {
            if (function != nullptr)
                function(arguments...);
        } else {
            decltype(function(arguments...)) result{};
            if (function != nullptr)
                result = function(arguments...);
            return result;
        }
    }

    /// Runs `use` on a block from a block-returning export, then gives it back to "FreeBlock",
    /// all while the library stays loaded, as the module's defaults loader does.
    template <typename Export, typename Use>
    bool withBlock(std::uint32_t symbolType, Use use)
    {
        const SharedLibrary library = LoadHostLibrary(environment);
        const auto get = library.find<Export>();
        const auto release = library.find<exports::FreeBlock>();
        EXPECT_TRUE(get != nullptr && release != nullptr);
        IGeoBlock* block = get != nullptr ? get(symbolType) : nullptr;
        if (block != nullptr) {
            use(*block);
            release(block);
        }
        return block != nullptr;
    }

    std::vector<std::pair<std::string, std::uint32_t>> choicesOfRow(int row)
    {
        Choices sink;
        call<exports::FillComboBox>(row, 0u, static_cast<IChoiceSink*>(&sink));
        return sink.choices;
    }

    TestEnvironment environment;
    const tarvelo::testing::EnvironmentGuard sharedStore = environment.shareStore();
    CSysHub hub{environment};
};

const std::set<std::uint32_t>& allSymbolTypes()
{
    static const std::set<std::uint32_t> types{101, 102, 201, 202, 203, 204, 301, 302, 401, 402, 403, 404, 405, 406,
                                               407, 501, 601, 602, 603, 604, 605, 701, 702, 703, 704, 711, 712, 713,
                                               714, 721, 722, 723, 724, 731, 732, 733, 734, 801, 802};
    return types;
}

double parameterNamed(const tarvelo::hostsupport::SymbolDefaults& symbol, const char* utf8Name)
{
    for (const auto& parameter : symbol.parameters)
        if (parameter.name == cp1251(utf8Name))
            return parameter.value;
    ADD_FAILURE() << "no row " << utf8Name;
    return 0.0;
}

}  // namespace

// The data file that ships has defaults for every symbol type, within the drafting standards' ranges.
TEST(HostSupportData, shippedFileCoversEveryTypeWithinTheStandards)
{
    auto result = tarvelo::hostsupport::readCatalog(DHOSTSP_DATA);
    ASSERT_TRUE(result.catalog) << result.problem;
    const auto& catalog = *result.catalog;
    for (auto type : allSymbolTypes())
        EXPECT_NE(catalog.symbol(type), nullptr) << type;
    EXPECT_EQ(catalog.symbols.size(), allSymbolTypes().size()) << "defaults for a type that does not exist";

    const std::set<double> fontSeries{2.5, 3.5, 5.0, 7.0, 10.0};
    for (const auto& [type, symbol] : catalog.symbols)
        for (const auto& parameter : symbol.parameters) {
            const bool letterHeight = parameter.name.find(cp1251("Высота текста")) == 0 ||
                                      parameter.name.find(cp1251("Высота букв")) == 0 ||
                                      parameter.name.find(cp1251("Высота номера")) == 0;
            if (letterHeight) {
                EXPECT_TRUE(fontSeries.contains(parameter.value))
                    << type << " " << tarvelo::text::cp1251ToUtf8(parameter.name);
            }
        }
    const double stroke = parameterNamed(*catalog.symbol(101), "Длина штриха, мм");
    EXPECT_TRUE(stroke >= 8 && stroke <= 20);
    const double arrow = parameterNamed(*catalog.symbol(301), "Размер стрелки, мм");
    EXPECT_TRUE(arrow >= 2 && arrow <= 4);
    EXPECT_EQ(parameterNamed(*catalog.symbol(301), "Угол стрелки, град"), 45.0);
    const double circle = parameterNamed(*catalog.symbol(801), "Диаметр кружка оси, мм");
    EXPECT_TRUE(circle >= 6 && circle <= 12);
    for (const auto& text : catalog.textStyles)
        EXPECT_TRUE(fontSeries.contains(text.height));

    // Axis letters of the convention never use the letters it excludes.
    const std::string excluded = cp1251("ЁЗЙОХЦЧЩЪЫЬ");
    for (const auto& [type, axes] : catalog.axes)
        for (const auto& axis : axes.letters)
            EXPECT_EQ(axis.name.find_first_of(excluded), std::string::npos) << tarvelo::text::cp1251ToUtf8(axis.name);
}

// A broken data file is refused with the line that breaks it, never read half way.
TEST(HostSupportData, problemsNameTheirLine)
{
    const std::string lists = "[colors]\n256 = ПоСлою\n[lineweights]\n0.25 мм = 0.25\n[textstyles]\nА = 3.5 | 1 | 0\n"
                              "[linetypes]\nContinuous = Сплошная\n";
    const std::string symbol = "[symbol 101]\ntitle = Разрез\nlinetype = Continuous\nthicklinetype = Continuous\n"
                               "weight = 0.25 мм\nthickweight = 0.25 мм\ntextstyle = А\n";
    using tarvelo::hostsupport::parseCatalog;
    EXPECT_TRUE(parseCatalog(lists + symbol + "param 1 = Длина | 12\n").catalog);

    const std::vector<std::pair<std::string, std::string>> broken{
        {lists + symbol + "param 2 = Длина | 12\n", "строка 16"},
        {lists + symbol + "param 1 = Длина | двенадцать\n", "строка 16"},
        {lists + symbol + "weight = 0.30 мм\n", "строка 16"},
        {lists + symbol + symbol, "строка 16: тип символа 101 описан дважды"},
        {lists + "[symbol 101]\ntitle = Разрез\n", "в конце файла"},
        {lists + "[colours]\n", "строка 9"},
        {"", "не должны быть пустыми"},
    };
    for (const auto& [text, where] : broken) {
        auto result = parseCatalog(text);
        EXPECT_FALSE(result.catalog);
        EXPECT_NE(result.problem.find(where), std::string::npos) << result.problem;
    }
}

// The parsed file is shared while the file stays as it was; an edited, broken or mended file is read again.
TEST(HostSupportData, parsedFileIsKeptOnlyWhileTheFileIsUnchanged)
{
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "catalog-cache";
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / "symbol-defaults.txt";
    std::filesystem::copy_file(DHOSTSP_DATA, file, std::filesystem::copy_options::overwrite_existing);
    tarvelo::hostsupport::CatalogCache cache;

    const auto first = cache.read(file);
    ASSERT_TRUE(first.catalog) << first.problem;
    EXPECT_EQ(cache.read(file).catalog, first.catalog);

    std::string text;
    {
        std::ifstream in(file, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::string from = "[colors]\n";
    ASSERT_NE(text.find(from), std::string::npos);
    std::ofstream(file, std::ios::binary) << std::string(text).replace(text.find(from), from.size(),
                                                                        from + "200 = Добавленный\n");
    const auto edited = cache.read(file);
    ASSERT_TRUE(edited.catalog) << edited.problem;
    EXPECT_NE(edited.catalog->color(200), nullptr);
    EXPECT_EQ(first.catalog->color(200), nullptr) << "a catalog handed out stays as it was";

    std::ofstream(file, std::ios::binary) << "[colours]\n";
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto broken = cache.read(file);
        EXPECT_FALSE(broken.catalog);
        EXPECT_NE(broken.problem.find("строка 1"), std::string::npos) << broken.problem;
    }

    std::ofstream(file, std::ios::binary) << text;
    const auto mended = cache.read(file);
    ASSERT_TRUE(mended.catalog) << mended.problem;
    EXPECT_EQ(mended.catalog->color(200), nullptr);
    std::filesystem::remove_all(folder);
}

// Defaults of a type come as a block with its rows' values and resolved traits; unknown types get none.
TEST_F(HostSupportTest, attributesOfATypeAndNoneForUnknownTypes)
{
    EXPECT_TRUE(withBlock<exports::GetAttribs>(301, [](IGeoBlock& block) {
        EXPECT_EQ(block.GetSymbolType(), 301u);
        EXPECT_EQ(block.GetParam(1), 3.0);
        EXPECT_EQ(block.GetParam(2), 45.0);
        auto* traits = block.GetTraits();
        EXPECT_EQ(traits->GetColorName(), cp1251("ПоСлою"));
        EXPECT_EQ(traits->GetColorIndex(), kColorIndexBase + 256);
        EXPECT_EQ(traits->GetMainLineType(), "Continuous");
        EXPECT_EQ(traits->GetMainLineTypeIndex(), kLineTypeIndexBase + 1);
        EXPECT_EQ(traits->GetThickLineWeight(), cp1251("0.50 мм"));
        EXPECT_EQ(traits->GetThickLineValue(), 0.5);
        EXPECT_EQ(traits->GetTextStyle(), cp1251("ГОСТ тип Б"));
        EXPECT_EQ(traits->GetTextValue2(), 0.8);
    }));
    EXPECT_TRUE(withBlock<exports::ReadTraits>(801, [](IGeoBlock& block) {
        EXPECT_EQ(block.GetTraits()->GetMainLineType(), cp1251("Штрихпунктирная"));
        EXPECT_EQ(block.GetParam(11), 2000.0) << "hidden defaults travel with the block";
    }));
    EXPECT_FALSE(withBlock<exports::GetAttribs>(0, [](IGeoBlock&) {}));
    EXPECT_FALSE(withBlock<exports::GetAttribs>(999, [](IGeoBlock&) {}));

    Rows rows;
    call<exports::FillParamRecs>(801u, static_cast<IParamRowSink*>(&rows));
    ASSERT_EQ(rows.rows.size(), 4u);
    for (std::uint32_t i = 0; i < rows.rows.size(); ++i)
        EXPECT_EQ(rows.rows[i].second, i + 1) << "rows are keyed 1, 2, 3 ... in order";
    EXPECT_EQ(rows.rows[0].first, cp1251("Диаметр кружка оси, мм"));
    Rows none;
    call<exports::FillParamRecs>(999u, static_cast<IParamRowSink*>(&none));
    EXPECT_TRUE(none.rows.empty());
}

// Each graphics row gets its own list; the colour list ends with the entry that asks for another colour.
TEST_F(HostSupportTest, choicesOfTheGraphicsRows)
{
    auto colors = choicesOfRow(kColorRow);
    ASSERT_GE(colors.size(), 3u);
    EXPECT_EQ(colors.front(), std::pair(cp1251("ПоСлою"), 256u));
    EXPECT_EQ(colors.back(), std::pair(cp1251("Другой цвет..."), kOtherColorChoice));

    auto lineTypes = choicesOfRow(kThickLineTypeRow);
    ASSERT_FALSE(lineTypes.empty());
    EXPECT_EQ(lineTypes.front(), std::pair(std::string("Continuous"), kLineTypeIndexBase + 1));

    auto weights = choicesOfRow(kMainLineWeightRow);
    ASSERT_GE(weights.size(), 7u);
    EXPECT_EQ(weights[6], std::pair(cp1251("0.50 мм"), 7u));
    EXPECT_EQ(choicesOfRow(kTextStyleRow).size(), 4u);
    EXPECT_TRUE(choicesOfRow(kLayerRow).empty()) << "the layer belongs to the symbol dialog";
}

// A colour registered from the host's colour dialog is listed, keeps its screen colour and survives reloading.
TEST_F(HostSupportTest, registeredColorsAndLineTypesPersist)
{
    EXPECT_EQ(call<exports::GetColorFromDB>(std::int32_t{1}), 0x000000FFu) << "palette red";
    EXPECT_EQ(call<exports::AppendColorDb>(std::int32_t{30}, cp1251("Цвет 30").c_str(),
                                           std::uint16_t{255}, std::uint16_t{127}, std::uint16_t{300}),
              30u);
    EXPECT_EQ(call<exports::GetColorFromDB>(std::int32_t{30}), 0x00FF7FFFu)
        << "blue beyond 255 is held at 255";
    auto colors = choicesOfRow(kColorRow);
    EXPECT_NE(std::find(colors.begin(), colors.end(), std::pair(cp1251("Цвет 30"), 30u)), colors.end());
    EXPECT_EQ(call<exports::AppendColorDb>(std::int32_t{-5}, "", std::uint16_t{0}, std::uint16_t{0},
                                           std::uint16_t{0}),
              256u);

    const auto dashed = call<exports::AppendLineTypeDb>(cp1251("Штриховая").c_str());
    EXPECT_EQ(dashed, 2u);
    const auto added = call<exports::AppendLineTypeDb>(cp1251("Осевая тонкая").c_str());
    EXPECT_EQ(added, 6u);
    EXPECT_EQ(call<exports::AppendLineTypeDb>(cp1251("Осевая тонкая").c_str()), added);
    EXPECT_EQ(call<exports::AppendLineTypeDb>(""), 0u);
    EXPECT_EQ(choicesOfRow(kMainLineTypeRow).back(), std::pair(cp1251("Осевая тонкая"), kLineTypeIndexBase + added));
}

// Traits saved for a type come back in a later call as a traits copy carries
// them: every picked name and position, not the record's working values.
TEST_F(HostSupportTest, savedTraitsComeBackAsACopyCarriesThem)
{
    GEOTYPE_DEFINITION::TGeoItemTraits picked;
    picked.SetLayerName(cp1251("Оси\tи отметки"));
    picked.SetThickLineWeight(cp1251("0.70 мм"));
    picked.SetTextValue2(1.0 / 3.0);
    picked.SetMainLineCode2(0xFFFFFFFEu);
    picked.SetTriple(1, 2, 3);
    picked.SetLayerIndex(7);
    picked.SetFactor(0.5);
    picked.SetChanged(1);
    tarvelo::hostsupport::UserRegisters(hub, environment.store()).saveTraits(501, picked);

    GEOTYPE_DEFINITION::TGeoItemTraits loaded;
    ASSERT_TRUE(tarvelo::hostsupport::UserRegisters(hub, environment.store()).loadSavedTraits(501, loaded));
    GEOTYPE_DEFINITION::TGeoItemTraits expected;
    picked.SetLayerName(cp1251("Оси и отметки"));
    expected.CopyFrom(&picked);
    GEOTYPE_DEFINITION::forEachTraitField(
        [&](const auto& field) { EXPECT_EQ(field.get(loaded), field.get(expected)) << field.name; });
}

// Saving the graphics page keeps the traits as the type's defaults; the geometry page keeps the parameters.
TEST_F(HostSupportTest, updatedAttributesBecomeTheTypesDefaults)
{
    GEOTYPE_DEFINITION::TGeoBlock block;
    block.SetSymbolType(501);
    withBlock<exports::GetAttribs>(501, [&](IGeoBlock& defaults) { block.CopyFrom(&defaults); });
    auto* traits = block.GetTraits();
    traits->SetMainLineWeight(cp1251("0.35 мм"));
    traits->SetMainLineWeightIndex(6);
    traits->SetColorName(cp1251("Красный"));
    traits->SetColorIndex(kColorIndexBase + 1);
    traits->SetChanged(1);
    call<exports::UpdateAttributes>(static_cast<IGeoBlock*>(&block));
    EXPECT_EQ(traits->GetMainLineValue(), 0.35) << "values follow the chosen positions";
    std::uint32_t red = 0, green = 0, blue = 0;
    traits->GetTriple(red, green, blue);
    EXPECT_EQ(std::tuple(red, green, blue), std::tuple(255u, 0u, 0u));

    block.SetParam(1, 14.0);
    block.SetParam(77, 5.0);
    traits->SetChanged(0);
    call<exports::UpdateAttributes>(static_cast<IGeoBlock*>(&block));

    withBlock<exports::ReadTraits>(501, [](IGeoBlock& saved) {
        EXPECT_EQ(saved.GetTraits()->GetMainLineWeightIndex(), 6u);
        EXPECT_EQ(saved.GetTraits()->GetColorName(), cp1251("Красный"));
        EXPECT_EQ(saved.GetParam(1), 14.0);
        EXPECT_EQ(saved.GetParamMap().count(77), 0u) << "keys the type does not have are not kept";
    });
    withBlock<exports::GetAttribs>(501, [](IGeoBlock& saved) { EXPECT_EQ(saved.GetParam(1), 14.0); });
    withBlock<exports::GetAttribs>(301, [](IGeoBlock& other) {
        EXPECT_EQ(other.GetTraits()->GetColorName(), cp1251("ПоСлою")) << "other types keep theirs";
    });
}

// A block from a drawing that carries only names gets the list positions, and one with positions gets names.
TEST_F(HostSupportTest, describeFillsPositionsFromNamesAndNamesFromPositions)
{
    GEOTYPE_DEFINITION::TGeoBlock fromNames;
    fromNames.SetSymbolType(101);
    auto* traits = fromNames.GetTraits();
    traits->SetColorName(cp1251("Синий"));
    traits->SetMainLineType(cp1251("Пунктирная"));
    traits->SetThickLineWeight(cp1251("1.00 мм"));
    traits->SetTextStyle(cp1251("ГОСТ тип А"));
    call<exports::DescribeAttributes>(static_cast<IGeoBlock*>(&fromNames));
    EXPECT_EQ(traits->GetColorIndex(), kColorIndexBase + 5);
    EXPECT_EQ(traits->GetMainLineTypeIndex(), kLineTypeIndexBase + 5);
    EXPECT_EQ(traits->GetThickLineWeightIndex(), 9u);
    EXPECT_EQ(traits->GetTextStyleIndex(), 1u);
    EXPECT_EQ(traits->GetMainLineWeight(), cp1251("0.25 мм")) << "an absent weight takes the type's default";

    GEOTYPE_DEFINITION::TGeoBlock fromPositions;
    traits = fromPositions.GetTraits();
    traits->SetColorIndex(kColorIndexBase + 77);
    traits->SetMainLineTypeIndex(kLineTypeIndexBase + 3);
    traits->SetTextStyleIndex(4);
    call<exports::DescribeAttributes>(static_cast<IGeoBlock*>(&fromPositions));
    EXPECT_EQ(traits->GetColorName(), cp1251("Цвет 77"));
    EXPECT_EQ(traits->GetMainLineType(), cp1251("Штрихпунктирная"));
    EXPECT_EQ(traits->GetTextStyle(), cp1251("ГОСТ тип Б наклонный"));
    EXPECT_EQ(traits->GetTextValue3(), 15.0);
}

// Default axes come as the axis dialog stores them; an accepted array becomes the user's default.
TEST_F(HostSupportTest, defaultAxesAndTheSavedOnes)
{
    auto axesOf = [&](std::uint32_t type) {
        std::vector<std::tuple<std::uint32_t, std::uint32_t, std::string, double>> axes;
        withBlock<exports::GetDefaultAxis>(type, [&](IGeoBlock& block) {
            EXPECT_EQ(block.GetSymbolType(), type);
            auto* items = block.GetItems();
            for (auto position = items->GetStartPosition(); position != nullptr;) {
                std::uint32_t key = 0;
                GEOTYPE_DEFINITION::IGeoItem* item = nullptr;
                items->GetNextItem(position, key, item);
                auto* point = block.GetPoints()->FindPoint(item->GetValueMap()[1]);
                ASSERT_NE(point, nullptr);
                axes.emplace_back(key, item->GetKind(), item->GetText(),
                                  item->GetKind() == 7 ? point->GetY() : point->GetX());
            }
        });
        return axes;
    };
    auto orthogonal = axesOf(801);
    ASSERT_EQ(orthogonal.size(), 9u);
    EXPECT_EQ(orthogonal[0], std::tuple(1u, 7u, cp1251("А"), 0.0));
    EXPECT_EQ(orthogonal[1], std::tuple(2u, 7u, cp1251("Б"), 6000.0));
    EXPECT_EQ(orthogonal[4], std::tuple(5u, 4u, std::string("1"), 0.0));
    EXPECT_FALSE(axesOf(802).empty());
    EXPECT_TRUE(axesOf(101).empty());

    GEOTYPE_DEFINITION::TGeoBlock accepted;
    accepted.SetSymbolType(801);
    GEOTYPE_DEFINITION::ValueMap values{{1, accepted.GetPoints()->AddPoint(0, 0, 0.0, 4500.0, 0.0)}};
    accepted.AddItem(7, 1, &values, cp1251("Д"), 0);
    values[1] = accepted.GetPoints()->AddPoint(0, 0, 3000.0, 0.0, 0.0);
    accepted.AddItem(4, 2, &values, "7", 0);
    call<exports::SaveDefaultAxis>(static_cast<IGeoBlock*>(&accepted));
    EXPECT_EQ(axesOf(801), (decltype(orthogonal){{1, 7, cp1251("Д"), 4500.0}, {2, 4, "7", 3000.0}}));
    EXPECT_EQ(axesOf(802).size(), 7u) << "the other array type keeps its defaults";

    GEOTYPE_DEFINITION::TGeoBlock empty;
    empty.SetSymbolType(801);
    call<exports::SaveDefaultAxis>(static_cast<IGeoBlock*>(&empty));
    EXPECT_EQ(axesOf(801).size(), 2u) << "an array without axes does not replace the default";
}

// Only its own blocks are freed by the library; anything else handed to "FreeBlock" is left alone.
TEST_F(HostSupportTest, freeBlockIgnoresForeignBlocks)
{
    GEOTYPE_DEFINITION::TGeoBlock foreign;
    foreign.SetParam(1, 2.0);
    call<exports::FreeBlock>(static_cast<IGeoBlock*>(&foreign));
    call<exports::FreeBlock>(static_cast<IGeoBlock*>(nullptr));
    EXPECT_EQ(foreign.GetParam(1), 2.0);
}

// A library whose data file is broken gives no defaults and says why in the error log.
TEST_F(HostSupportTest, brokenDataFileGivesNoDefaultsAndIsLogged)
{
    const auto folder = environment.root() / "broken";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(DHOSTSP_LIBRARY, folder / "libdhostsp.so");
    std::ofstream(folder / "symbol-defaults.txt") << "[colors]\n256 = ПоСлою\n300 = Чужой\n";
    useLibrary(folder / "libdhostsp.so");

    bool gotBlock = false;
    {
        const tarvelo::testing::EnvironmentGuard home("HOME", environment.root().string());
        const tarvelo::testing::EnvironmentGuard config("XDG_CONFIG_HOME", (environment.root() / "config").string());
        gotBlock = withBlock<exports::GetAttribs>(101, [](IGeoBlock&) {});
    }

    EXPECT_FALSE(gotBlock);
    EXPECT_NE(environment.logText().find(cp1251("файле умолчаний библиотеки поддержки")), std::string::npos);
    EXPECT_NE(environment.logText().find(cp1251("строка 3: номера цветов идут от 0 до 256")), std::string::npos)
        << environment.logText();
}
