// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "BlockJson.h"
#include "tarvelo/services/TextCodec.h"

using namespace GEOTYPE_DEFINITION;
using tarvelo::host::blockFromJson;
using tarvelo::host::blockToJson;
using tarvelo::text::utf8ToCp1251;

namespace {

// Every field off its default, so that a field the reader drops shows up.
void fillTraits(IGeoItemTraits& traits, const char* layerUtf8)
{
    traits.SetColorName(utf8ToCp1251("Красный"));
    traits.SetColorIndex(3);
    traits.SetLayerName(utf8ToCp1251(layerUtf8));
    traits.SetLayerIndex(4);
    traits.SetMainLineType(utf8ToCp1251("Штриховая"));
    traits.SetMainLineTypeIndex(5);
    traits.SetMainLineCode(6);
    traits.SetMainLineCode2(0xFFFFFFFFu);
    traits.SetMainLineWeight("0.35");
    traits.SetMainLineWeightIndex(7);
    traits.SetMainLineValue(0.1);
    traits.SetThickLineType(utf8ToCp1251("Сплошная"));
    traits.SetThickLineTypeIndex(8);
    traits.SetThickLineCode(9);
    traits.SetThickLineCode2(10);
    traits.SetThickLineWeight("0.70");
    traits.SetThickLineWeightIndex(11);
    traits.SetThickLineValue(-2.5e-300);
    traits.SetTextStyle(utf8ToCp1251("ГОСТ тип А"));
    traits.SetTextStyleIndex(12);
    traits.SetTextValue1(3.5);
    traits.SetTextValue2(1.0 / 3.0);
    traits.SetTextValue3(15.0);
    traits.SetTextValue4(1e300);
    traits.SetTextCode1(13);
    traits.SetTextCode2(14);
    traits.SetCodeA(15);
    traits.SetCodeB(16);
    traits.SetCodeC(17);
    traits.SetTriple(18, 19, 20);
    traits.SetFactor(0.8);
    traits.SetRealValue(2.0 / 7.0);
    traits.SetChanged(1);
}

std::unique_ptr<TGeoBlock> filledBlock()
{
    auto block = std::make_unique<TGeoBlock>();
    block->SetSymbolType(301);
    block->SetSymbolVariant(302);
    block->SetScale(0.01);
    block->SetAngle(-std::numbers::pi / 7);
    block->SetAngleMode(0);
    block->SetEditMode(1);
    block->SetNumber(4000000000u);
    block->SetStateByte(255);
    block->SetCode(77);
    block->SetTag(65535);
    block->SetParam(1, 0.1 + 0.2);
    block->SetParam(42, -0.0);
    block->SetParam(4294967295u, 123456789.125);
    block->GetExtData()->SetDataId(9);
    block->GetExtData()->SetMainText(utf8ToCp1251("+0.000 «Пол» \"1\"\\"));
    block->GetExtData()->SetSubText(utf8ToCp1251("строка 1\nстрока 2\tё\x01"));
    block->GetExtData()->SetFlags(0x80000001u);
    fillTraits(*block->GetTraits(), "Отметки");
    const ValueMap values{{1, 2}, {3, 4294967295u}};
    block->AddItem(kTextItemKind, 5, &values, utf8ToCp1251("Выноска"), 2);
    block->AddItem(4, 2, nullptr, utf8ToCp1251("А"), 0);
    block->GetItems()->FindItem(5)->SetLength(99);
    fillTraits(*block->GetItems()->FindItem(5)->GetTraits(), "Тексты");
    block->GetScopePoints()->AddScopePoint(11, 1, 2, -1500.5, 0.25, 3.0, 4, 5, 6, 7);
    block->GetScopePoints()->AddScopePoint(0, 7, 0, 1e-9, -1e9, 0.0, 0, 0, 0, 0);
    block->GetScopePoints()->FindPoint(7)->SetPointFlag(3);
    block->GetPoints()->SetPoint(3, 1, 2, 500.0, 0.1, -0.1);
    block->GetPoints()->FindPoint(3)->SetPointTag(8);
    return block;
}

std::unique_ptr<TGeoBlock> readOrFail(const std::string& json)
{
    std::string error;
    std::unique_ptr<TGeoBlock> block = blockFromJson(json, error);
    EXPECT_TRUE(block) << error;
    EXPECT_EQ(error, "");
    return block;
}

}  // namespace

// A block with Cyrillic texts and every field set comes back from its JSON
// with the same JSON, and its texts are code page 1251 again.
TEST(BlockJson, roundTripsEveryFieldOfAFilledBlock)
{
    const std::unique_ptr<TGeoBlock> original = filledBlock();
    const std::string json = blockToJson(*original);

    const std::unique_ptr<TGeoBlock> copy = readOrFail(json);
    ASSERT_TRUE(copy);
    EXPECT_EQ(blockToJson(*copy), json);
    EXPECT_EQ(copy->GetExtData()->GetMainText(), original->GetExtData()->GetMainText());
    EXPECT_EQ(copy->GetItems()->FindItem(5)->GetText(), utf8ToCp1251("Выноска"));
    EXPECT_EQ(copy->GetItems()->FindItem(5)->GetTraits()->GetFactor(), 0.8);
    EXPECT_EQ(copy->GetPoints()->FindPoint(3)->GetPointFlag(), 2);
}

// Values JSON cannot write as numbers travel as names and come back.
TEST(BlockJson, roundTripsValuesThatAreNotFinite)
{
    TGeoBlock original;
    original.SetAngle(std::numeric_limits<double>::quiet_NaN());
    original.SetParam(1, std::numeric_limits<double>::infinity());
    original.SetParam(2, -std::numeric_limits<double>::infinity());

    const std::unique_ptr<TGeoBlock> copy = readOrFail(blockToJson(original));
    ASSERT_TRUE(copy);
    EXPECT_TRUE(std::isnan(copy->GetAngle()));
    EXPECT_EQ(copy->GetParam(1), std::numeric_limits<double>::infinity());
    EXPECT_EQ(copy->GetParam(2), -std::numeric_limits<double>::infinity());
}

// Every double, subnormals and the largest included, comes back bit for bit,
// and so does the largest DWORD.
TEST(BlockJson, numbersComeBackBitForBit)
{
    std::vector<double> values{std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
                               std::numeric_limits<double>::max(), -0.0, 0.1, 1.0 / 3.0, 9007199254740993.0, 1e23};
    std::mt19937_64 random(2026);
    while (values.size() < 5000) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value))
            values.push_back(value);
    }
    TGeoBlock original;
    for (std::uint32_t key = 0; key < values.size(); ++key)
        original.SetParam(key, values[key]);
    original.SetNumber(4294967295u);

    const std::unique_ptr<TGeoBlock> copy = readOrFail(blockToJson(original));
    ASSERT_TRUE(copy);
    for (std::uint32_t key = 0; key < values.size(); ++key)
        ASSERT_EQ(std::bit_cast<std::uint64_t>(copy->GetParam(key)), std::bit_cast<std::uint64_t>(values[key]))
            << values[key];
    EXPECT_EQ(copy->GetNumber(), 4294967295u);
}

// A document written by hand may leave members out, escape characters and
// use a character code page 1251 lacks.
TEST(BlockJson, readsAHandWrittenDocument)
{
    TGeoBlock fresh;
    const std::unique_ptr<TGeoBlock> empty = readOrFail("  {}\n");
    ASSERT_TRUE(empty);
    EXPECT_EQ(blockToJson(*empty), blockToJson(fresh));

    const std::unique_ptr<TGeoBlock> block =
        readOrFail(R"({"extData": {"mainText": "\u0410\u0431 \ud83d\ude00\/"}, "params": {"7": 2.5e1}})");
    ASSERT_TRUE(block);
    EXPECT_EQ(block->GetExtData()->GetMainText(), utf8ToCp1251("Аб ?/"));
    EXPECT_EQ(block->GetParam(7), 25.0);
}

struct Malformed {
    const char* json;
    const char* message;
};

void PrintTo(const Malformed& malformed, std::ostream* out)
{
    *out << malformed.json;
}

class BlockJsonRefuses : public testing::TestWithParam<Malformed> {};

// Broken syntax and well-formed JSON that is no block are refused with a
// message that says where, and nothing is returned.
TEST_P(BlockJsonRefuses, malformedInputWithAMessage)
{
    std::string error;
    EXPECT_FALSE(blockFromJson(GetParam().json, error));
    EXPECT_EQ(error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, BlockJsonRefuses,
    testing::Values(
        Malformed{"", "Ошибка в записи JSON, строка 1, позиция 1: текст кончился, а значение не найдено."},
        Malformed{"{\"scale\": 1,}",
                  "Ошибка в записи JSON, строка 1, позиция 13: ожидалось имя поля в кавычках."},
        Malformed{"{\n  \"params\": {\n    \"1\": 2\n",
                  "Ошибка в записи JSON, строка 4, позиция 1: ожидалась «,» или «}»."},
        Malformed{"{\"angle\": 01}", "Ошибка в записи JSON, строка 1, позиция 12: недопустимое число."},
        Malformed{"{\"Ё\": 1, \"Ё\": 2}", "Ошибка в записи JSON, строка 1, позиция 10: поле «Ё» повторяется."},
        Malformed{"{\"extData\": {\"mainText\": \"\xC0\xAF\"}}",
                  "Ошибка в записи JSON, строка 1, позиция 27: текст не в кодировке UTF-8."},
        Malformed{"{\"extData\": {\"mainText\": \"\\ud800x\"}}",
                  "Ошибка в записи JSON, строка 1, позиция 33: первая половина суррогатной пары без второй."},
        Malformed{"{} {}", "Ошибка в записи JSON, строка 1, позиция 4: после значения идёт лишний текст."},
        Malformed{"{\"scale\": 1\n \"angle\": 2}",
                  "Ошибка в записи JSON, строка 2, позиция 2: ожидалась «,» или «}»."},
        Malformed{"[1 2]", "Ошибка в записи JSON, строка 1, позиция 4: ожидалась «,» или «]»."},
        Malformed{"{\"scale\" 1}", "Ошибка в записи JSON, строка 1, позиция 10: после имени поля ожидалось «:»."},
        Malformed{"[1.]", "Ошибка в записи JSON, строка 1, позиция 4: недопустимое число: после точки нет цифр."},
        Malformed{"{\"items\": [{\"key\": 1, \"k\\\"\\\\\": 2, \"k\\\"\\\\\": 3}]}",
                  "Ошибка в записи JSON, строка 1, позиция 35: поле «k\"\\» повторяется."},
        Malformed{"[\"\\udc00\"]",
                  "Ошибка в записи JSON, строка 1, позиция 8: вторая половина суррогатной пары без первой."},
        Malformed{"[\"a\tb\"]", "Ошибка в записи JSON, строка 1, позиция 4: управляющий символ внутри текста; "
                                "его нужно записать как «\\u00XX»."},
        Malformed{"{\"extData\": {\"mainText\": \"А", "Ошибка в записи JSON, строка 1, позиция 28: текст в кавычках не закрыт."},
        Malformed{"[1, 2]", "Блок должен быть записан как объект JSON в фигурных скобках."}));

INSTANTIATE_TEST_SUITE_P(
    Content, BlockJsonRefuses,
    testing::Values(
        Malformed{"{\"scale\": \"1\"}", "Поле «scale»: ожидалось число."},
        Malformed{"{\"angle\": 1e999}", "Поле «angle»: число 1e999 выходит за пределы чисел двойной точности."},
        Malformed{"{\"points\": [{\"key\": 1}, {\"key\": 2, \"x\": -1e400}]}",
                  "Поле «points[1].x»: число -1e400 выходит за пределы чисел двойной точности."},
        Malformed{"{\"editMode\": 256}", "Поле «editMode»: ожидалось целое число от 0 до 255."},
        Malformed{"{\"tag\": -1}", "Поле «tag»: ожидалось целое число от 0 до 65535."},
        Malformed{"{\"params\": {\"x\": 1}}", "Поле «params.x»: имя должно быть целым числом от 0 до 4294967295."},
        Malformed{"{\"traits\": {\"colour\": 1}}", "Поле «traits.colour»: неизвестное поле."},
        Malformed{"{\"traits\": {\"triple\": [1, 2]}}",
                  "Поле «traits.triple»: ожидался массив из трёх целых чисел."},
        Malformed{"{\"extData\": {\"mainText\": 5}}", "Поле «extData.mainText»: ожидался текст в кавычках."},
        Malformed{"{\"items\": [{\"kind\": 7}]}", "Поле «items[0]»: нет поля «key»."},
        Malformed{"{\"items\": [{\"key\": 1, \"traits\": {\"factor\": null}}]}",
                  "Поле «items[0].traits.factor»: ожидалось число."},
        Malformed{"{\"points\": [{\"key\": 2}, {\"key\": 2}]}", "Поле «points[1].key»: ключ 2 уже встречался."},
        Malformed{"{\"points\": [{\"key\": 1, \"scopeKey\": 2}]}", "Поле «points[0].scopeKey»: неизвестное поле."},
        Malformed{"{\"scopePoints\": [3]}", "Поле «scopePoints[0]»: ожидался объект."}));

// Nesting far deeper than any block is refused instead of exhausting the stack.
TEST(BlockJson, refusesDeepNestingWithoutCrashing)
{
    std::string error;
    EXPECT_FALSE(blockFromJson(std::string(100000, '['), error));
    EXPECT_EQ(error, "Ошибка в записи JSON, строка 1, позиция 65: слишком глубокая вложенность.");
}
