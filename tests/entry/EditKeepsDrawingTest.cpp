// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "BlockFields.h"
#include "LoadedModuleFixture.h"
#include "UserInput.h"
#include "tarvelo/geometry/TGeoBlock.h"

using GEOTYPE_DEFINITION::IGeoBlock;
using GEOTYPE_DEFINITION::TGeoBlock;
using tarvelo::services::testing::cp1251;
using tarvelo::testing::blockFields;
using tarvelo::testing::control;
using tarvelo::testing::fieldDifferences;
using tarvelo::testing::pickItem;

namespace {

constexpr const char* kLayer = "Узлы и детали";

void addScopePoint(IGeoBlock& block, std::uint32_t key, double x, double y)
{
    // Every field away from what the dialogs would write themselves.
    block.GetScopePoints()->AddScopePoint(key + 10, key, 1, x, y, 0.5 * key, 3, 4, 100 + key, 200 + key);
}

void fillTraits(GEOTYPE_DEFINITION::IGeoItemTraits& traits, const std::string& layer)
{
#define TARVELO_WRITE_FIELD(Stem, value) traits.Set##Stem(contract::value);
    TRAITS_FIELDS(TARVELO_WRITE_FIELD)
#undef TARVELO_WRITE_FIELD
    traits.SetTriple(contract::kTriple1, contract::kTriple2, contract::kTriple3);
    traits.SetChanged(contract::kChanged);
    traits.SetLayerName(layer);
}

/// An existing symbol with a value in every field a caller can read: a Cyrillic layer, scalars the
/// dialogs never write, parameters that no format shows exactly, points, an item of its own.
void makeExisting(TGeoBlock& block, std::uint32_t type, std::uint32_t variant)
{
    block.SetEditMode(1);
    block.SetSymbolType(type);
    block.SetSymbolVariant(variant);
    block.SetTag(7);
    block.SetCode(77);
    block.SetNumber(12);
    block.SetStateByte(3);
    block.SetAngle(12.75);
    block.SetAngleMode(1);
    block.SetScale(0.4);
    fillTraits(*block.GetTraits(), cp1251(kLayer));
    auto& extData = *block.GetExtData();
    extData.SetDataId(41);
    extData.SetFlags(5);
    extData.SetMainText(cp1251("Б-Б"));
    extData.SetSubText(cp1251("по оси 3"));
    block.SetParam(1, 3.5);
    block.SetParam(2, 0.18);
    block.SetParam(3, 12.345678);
    block.SetParam(7, 2.5);
    for (double x : {1.5, -2.25}) {
        const std::uint32_t key = block.GetPoints()->AddPoint(2, 1, x, x * 3.0, 0.125);
        block.GetPoints()->FindPoint(key)->SetPointTag(9);
    }
    const GEOTYPE_DEFINITION::ValueMap values{{1, 5}, {3, 9}};
    block.AddItem(2, 30, &values, cp1251("деталь"), 4);
    fillTraits(*block.GetItems()->FindItem(30)->GetTraits(), cp1251("Детали"));
}

struct Sample {
    std::string name;
    const char* exportName;
    std::uint32_t type;
    std::function<void(TGeoBlock&)> make;
};

void PrintTo(const Sample& sample, std::ostream* out)
{
    *out << sample.name;
}

std::vector<Sample> samplesOf(const char* kind, const char* exportName, std::vector<std::uint32_t> types,
                              const std::function<void(TGeoBlock&, std::uint32_t)>& shape)
{
    std::vector<Sample> samples;
    for (std::uint32_t type : types)
        samples.push_back({std::string(kind) + std::to_string(type), exportName, type,
                           [type, shape](TGeoBlock& block) { shape(block, type); }});
    return samples;
}

std::vector<Sample> allSamples()
{
    std::vector<Sample> all;
    const auto add = [&all](std::vector<Sample> more) { all.insert(all.end(), more.begin(), more.end()); };
    add(samplesOf("section", "SectionSymbol", {101, 102}, [](TGeoBlock& block, std::uint32_t type) {
        makeExisting(block, type, type);
        for (std::uint32_t key = 1; key <= 4; ++key)
            addScopePoint(block, key, key * 7.5, -1.25);
    }));
    add(samplesOf("break", "DivisionSymbol", {201, 202, 203, 204}, [](TGeoBlock& block, std::uint32_t type) {
        makeExisting(block, type, type);
        addScopePoint(block, 1, 0.5, 0.25);
        addScopePoint(block, 2, 0.5, 10.75);
        addScopePoint(block, 3, -4.125, 3.3);
    }));
    const auto levelMark = [](TGeoBlock& block, std::uint32_t kind, bool extensionLines) {
        makeExisting(block, kind, kind);
        block.GetExtData()->SetMainText("12.250000*3");
        block.GetExtData()->SetSubText(cp1251("Чистый пол"));
        block.SetParam(9, 1.0);
        addScopePoint(block, 1, 4.0, 2.0);
        if (extensionLines) {
            addScopePoint(block, 2, 14.0, 2.0);
            addScopePoint(block, 3, 4.0, 12.5);
        }
    };
    add(samplesOf("level", "LvlMrkSymbol", {301, 302},
                  [levelMark](TGeoBlock& block, std::uint32_t kind) { levelMark(block, kind, true); }));
    add(samplesOf("levelWithoutLines", "LvlMrkSymbol", {302},
                  [levelMark](TGeoBlock& block, std::uint32_t kind) { levelMark(block, kind, false); }));
    add(samplesOf("note", "MrkCmmSymbol", {401, 402, 403, 404, 405, 406, 407},
                  [](TGeoBlock& block, std::uint32_t type) {
                      makeExisting(block, type, 3);
                      block.GetExtData()->SetMainText(cp1251("Поз. 1"));
                      block.GetExtData()->SetSubText(cp1251("см. лист 2"));
                      const GEOTYPE_DEFINITION::ValueMap values{{4, 2}};
                      for (std::uint32_t key : {2u, 5u, 9u})
                          block.AddItem(7, key, &values, cp1251("Слой ") + std::to_string(key), 1);
                      for (std::uint32_t key = 1; key <= 3; ++key)
                          addScopePoint(block, key, key * 2.0, key * 3.0);
                  }));
    add(samplesOf("node", "JpntSymbol", {501}, [](TGeoBlock& block, std::uint32_t type) {
        makeExisting(block, type, 0);
        block.GetExtData()->SetMainText("3");
        addScopePoint(block, 1, 40.0, 25.0);
    }));
    add(samplesOf("axes", "CoordLineSymbol", {801, 802}, [](TGeoBlock& block, std::uint32_t type) {
        GEOTYPE_DEFINITION::ValueMap values;
        std::uint32_t id = 0;
        for (double step : {0.0, 6000.0, 7250.5}) {
            values = {{1, block.GetPoints()->AddPoint(0, 0, 0.0, step, 0.0)}};
            ++id;
            block.AddItem(7, id, &values, cp1251("А") + std::to_string(id), 0);
        }
        for (double step : {0.0, 3000.0}) {
            values = {{1, block.GetPoints()->AddPoint(0, 0, step, 0.0, 0.0)}};
            ++id;
            block.AddItem(4, id, &values, std::to_string(id), 0);
        }
        makeExisting(block, type, 0);
        const bool polar = type == 802;
        block.SetParam(11, polar ? 3000.0 : 6000.0);
        block.SetParam(12, polar ? 20.0 : 50.0);
        block.SetParam(13, 1.0);
        block.SetParam(14, 0.0);
        block.SetParam(15, 0.0);
        block.GetScopePoints()->AddScopePoint(1, 1, 1, 1500.25, -20.125, 2.5, 3, 4, 5, 6);
    }));
    std::vector<std::uint32_t> welds;
    for (std::uint32_t group = 0; group < 4; ++group)
        for (std::uint32_t kind = 1; kind <= 4; ++kind)
            welds.push_back(700 + 10 * group + kind);
    add(samplesOf("weld", "WeldSymbol", welds, [](TGeoBlock& block, std::uint32_t type) {
        makeExisting(block, type, type);
        addScopePoint(block, 1, 100.0, 50.0);
        addScopePoint(block, 2, 180.0, 50.0);
    }));
    add(samplesOf("hatch", "BoundHatchSymbol", {601, 602, 603, 604, 605}, [](TGeoBlock& block, std::uint32_t type) {
        makeExisting(block, type, type);
        addScopePoint(block, 1, -3.0, 8.0);
        addScopePoint(block, 2, 250.0, 8.0);
    }));
    // The same symbols as a host may keep them with little more than their type: no layer, no points,
    // no kind or variant, and only parameters.
    std::set<std::pair<std::string, std::uint32_t>> bare;
    for (std::size_t index = 0, full = all.size(); index < full; ++index) {
        const std::string exportName = all[index].exportName;
        const std::uint32_t type = all[index].type;
        if (!bare.insert({exportName, type}).second)
            continue;
        all.push_back({"bare" + exportName + std::to_string(type), all[index].exportName, type,
                       [type](TGeoBlock& block) {
                           block.SetEditMode(1);
                           block.SetSymbolType(type);
                           block.SetAngleMode(0);
                           block.GetTraits()->SetLayerName("");
                           block.GetExtData()->SetMainText("");
                           block.SetParam(1, 3.5);
                           block.SetParam(2, 0.18);
                       }});
    }
    return all;
}

class UntouchedEditTest : public tarvelo::testing::LoadedModuleFixture,
                          public ::testing::WithParamInterface<Sample> {
protected:
    void SetUp() override
    {
        LoadedModuleFixture::SetUp();
        drawing.layers = {{"0"}, {kLayer}, {"Оси"}};
    }
};

/// Symbols made through the module, then reopened as the host reopens them: in edit mode.
class EditKeepsDrawingTest : public tarvelo::testing::LoadedModuleFixture {
protected:
    void SetUp() override
    {
        LoadedModuleFixture::SetUp();
        drawing.layers = {{"0"}, {"Стены"}, {"Оси"}, {"Сварка"}};
    }

    /// Reopens `made` as an existing symbol, lets `look` check the dialog, accepts it and
    /// expects the block back unchanged; the returned block is the caller's to free.
    IGeoBlock* reopenUntouched(const char* exportName, IGeoBlock* made,
                               const std::function<void(QWidget*)>& look = [](QWidget*) {})
    {
        made->SetEditMode(1);
        IGeoBlock* again = edit(exportName, made, [&look](QWidget* dialog) {
            look(dialog);
            press(dialog, "1");
        });
        EXPECT_EQ(fieldDifferences(blockFields(*made), blockFields(*again)), "");
        return again;
    }

    static void replaceText(QWidget* dialog, const char* field, const QString& text)
    {
        auto* edit = control<QLineEdit>(dialog, field);
        edit->setFocus();
        edit->selectAll();
        tarvelo::testing::typeInto(edit, text);
    }
};

bool ticked(QWidget* dialog, const char* box)
{
    return control<QCheckBox>(dialog, box)->isChecked();
}

/// What a list or a field shows, in UTF-8.
std::string shownText(QWidget* dialog, const char* field)
{
    if (auto* list = dialog->findChild<QComboBox*>(QString::fromLatin1(field)))
        return list->currentText().toStdString();
    return control<QLineEdit>(dialog, field)->text().toStdString();
}

}  // namespace

// An existing symbol opened and accepted without a change comes back as it went in, every field of it,
// with no decimals configured for the fields that show its numbers.
TEST_P(UntouchedEditTest, comesBackAsItWentIn)
{
    TGeoBlock incoming;
    GetParam().make(incoming);
    const auto before = blockFields(incoming);
    IGeoBlock* result = edit(GetParam().exportName, &incoming, [](QWidget* dialog) { press(dialog, "1"); });
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(fieldDifferences(before, blockFields(*result)), "");
    EXPECT_EQ(fieldDifferences(before, blockFields(incoming)), "") << "the caller's block is only read";
    freeBlock(result);
}

INSTANTIATE_TEST_SUITE_P(EverySymbolType, UntouchedEditTest, ::testing::ValuesIn(allSamples()),
                         [](const ::testing::TestParamInfo<Sample>& info) { return info.param.name; });

// An axis array set to "Слева" and "Вниз", with a dimension chain but no overall dimension, rotated,
// not as primitives and on layer "Оси" shows all of that when reopened, and keeps it.
TEST_F(EditKeepsDrawingTest, reopenedAxisArrayShowsAndKeepsItsChoices)
{
    IGeoBlock* made = edit("CoordLineSymbol", nullptr, [](QWidget* dialog) {
        pickItem(control<QComboBox>(dialog, "12089"), "Слева");
        pickItem(control<QComboBox>(dialog, "12091"), "Вниз");
        if (!ticked(dialog, "12094"))
            control<QCheckBox>(dialog, "12094")->click();
        if (ticked(dialog, "12095"))
            control<QCheckBox>(dialog, "12095")->click();
        control<QCheckBox>(dialog, "12080")->click();
        replaceText(dialog, "12077", "30");
        control<QCheckBox>(dialog, "12115")->click();
        pickItem(control<QComboBox>(dialog, "12002"), "Оси");
        press(dialog, "1");
    });
    EXPECT_EQ(made->GetParamMap().at(11), 6000.0);
    EXPECT_EQ(made->GetParamMap().at(12), 50.0);
    EXPECT_EQ(made->GetParamMap().at(13), 1.0);
    EXPECT_EQ(made->GetParamMap().at(14), 0.0);
    EXPECT_EQ(made->GetParamMap().at(15), 0.0);
    EXPECT_EQ(made->GetAngleMode(), 1u);
    EXPECT_EQ(made->GetTraits()->GetLayerName(), cp1251("Оси"));
    IGeoBlock* again = reopenUntouched("CoordLineSymbol", made, [](QWidget* dialog) {
        EXPECT_EQ(shownText(dialog, "12089"), "Слева");
        EXPECT_EQ(shownText(dialog, "12091"), "Вниз");
        EXPECT_TRUE(ticked(dialog, "12094"));
        EXPECT_FALSE(ticked(dialog, "12095"));
        EXPECT_TRUE(ticked(dialog, "12080"));
        EXPECT_EQ(shownText(dialog, "12077"), "30");
        EXPECT_FALSE(ticked(dialog, "12115"));
        EXPECT_EQ(shownText(dialog, "12002"), "Оси");
    });
    freeBlock(again);
    freeBlock(made);
}

// A weld put on layer "Сварка" and placed by the host stays on its layer and in its place.
TEST_F(EditKeepsDrawingTest, reopenedWeldStaysOnItsLayer)
{
    IGeoBlock* made = edit("WeldSymbol", nullptr, [](QWidget* dialog) {
        pickItem(control<QComboBox>(dialog, "12002"), "Сварка");
        press(dialog, "1");
    });
    made->GetScopePoints()->MovePoint(1, 100.0, 50.0, 0.0);
    made->GetScopePoints()->MovePoint(2, 180.0, 50.0, 0.0);
    freeBlock(reopenUntouched("WeldSymbol", made, [](QWidget* dialog) {
        EXPECT_EQ(shownText(dialog, "12002"), "Сварка");
    }));
    freeBlock(made);
}

// A fixed 10 x 4 break reopens showing 10 and 4 and keeps its points; given another type it keeps its layer.
TEST_F(EditKeepsDrawingTest, reopenedFixedBreakKeepsItsPointsAndLayer)
{
    IGeoBlock* made = edit("DivisionSymbol", nullptr, [](QWidget* dialog) {
        pickItem(control<QComboBox>(dialog, "12013"), "Стены");
        press(dialog, "12109");
        replaceText(dialog, "12030", "10");
        replaceText(dialog, "12029", "4");
        press(dialog, "1");
    });
    freeBlock(reopenUntouched("DivisionSymbol", made, [](QWidget* dialog) {
        EXPECT_EQ(shownText(dialog, "12030"), "10.0000");
        EXPECT_EQ(shownText(dialog, "12029"), "4.0000");
    }));

    IGeoBlock* retyped = edit("DivisionSymbol", made, [](QWidget* dialog) {
        press(dialog, "12026");
        press(dialog, "1");
    });
    EXPECT_EQ(retyped->GetSymbolType(), 204u);
    EXPECT_EQ(retyped->GetTraits()->GetLayerName(), cp1251("Стены"));
    EXPECT_EQ(retyped->GetScopePoints()->FindPoint(3)->GetX(), 4.0);
    freeBlock(retyped);
    freeBlock(made);
}

// An attached level mark stays attached; a plan mark with extension lines shows them and keeps its three points.
TEST_F(EditKeepsDrawingTest, reopenedLevelMarksKeepAttachmentAndExtensionLines)
{
    IGeoBlock* attached = edit("LvlMrkSymbol", nullptr, [](QWidget* dialog) {
        press(dialog, "12038");
        press(dialog, "1");
    });
    EXPECT_EQ(attached->GetParam(9), 1.0);
    freeBlock(reopenUntouched("LvlMrkSymbol", attached));

    IGeoBlock* plan = edit("LvlMrkSymbol", nullptr, [](QWidget* dialog) {
        pickItem(control<QComboBox>(dialog, "12002"), "Отметка уровня на плане");
        pickItem(control<QComboBox>(dialog, "12041"), "С выносными линиями");
        press(dialog, "1");
    });
    EXPECT_EQ(plan->GetScopePoints()->GetCount(), 3u);
    freeBlock(reopenUntouched("LvlMrkSymbol", plan, [](QWidget* dialog) {
        EXPECT_EQ(shownText(dialog, "12041"), "С выносными линиями");
    }));
    freeBlock(attached);
    freeBlock(plan);
}

// On a new hatch the layer the user chose stays chosen when a type is clicked afterwards.
TEST_F(EditKeepsDrawingTest, newHatchKeepsTheChosenLayerAcrossATypeClick)
{
    IGeoBlock* made = edit("BoundHatchSymbol", nullptr, [](QWidget* dialog) {
        pickItem(control<QComboBox>(dialog, "12013"), "Стены");
        press(dialog, "12101");
        EXPECT_EQ(shownText(dialog, "12013"), "Стены");
        press(dialog, "1");
    });
    EXPECT_EQ(made->GetSymbolType(), 602u);
    EXPECT_EQ(made->GetTraits()->GetLayerName(), cp1251("Стены"));
    freeBlock(made);
}

// A new node designation is numbered 1, and a new leader whose texts stay empty carries no text.
TEST_F(EditKeepsDrawingTest, newSymbolsCarryOnlyTheUsersTexts)
{
    IGeoBlock* node = edit("JpntSymbol", nullptr, [](QWidget* dialog) {
        EXPECT_EQ(shownText(dialog, "12052"), "1");
        press(dialog, "1");
    });
    EXPECT_EQ(node->GetExtData()->GetMainText(), "1");
    IGeoBlock* note = edit("MrkCmmSymbol", nullptr, [](QWidget* dialog) { press(dialog, "1"); });
    EXPECT_EQ(note->GetExtData()->GetMainText(), "");
    EXPECT_EQ(note->GetExtData()->GetSubText(), "");
    freeBlock(node);
    freeBlock(note);
}

// The keypad of a Russian keyboard types a comma: "12,25" is the level 12.25.
TEST_F(EditKeepsDrawingTest, levelTypedWithADecimalComma)
{
    IGeoBlock* made = edit("LvlMrkSymbol", nullptr, [](QWidget* dialog) {
        replaceText(dialog, "12034", "12,25");
        EXPECT_EQ(shownText(dialog, "12034"), "12.25");
        press(dialog, "1");
    });
    EXPECT_EQ(made->GetExtData()->GetMainText(), "12.250000*3");
    freeBlock(made);
}
