// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "BlockTree.h"

#include <QTreeWidget>
#include <map>
#include <string_view>

#include "JsonValue.h"

namespace tarvelo::host {

namespace {

// Field names of the JSON form and how the tree calls them.
const std::map<std::string_view, const char*>& fieldCaptions()
{
    static const std::map<std::string_view, const char*> captions{
        {"symbolType", "Тип символа"},
        {"symbolVariant", "Вариант символа"},
        {"scale", "Масштаб"},
        {"angle", "Угол"},
        {"angleMode", "Режим угла"},
        {"editMode", "Режим правки"},
        {"number", "Номер"},
        {"stateByte", "Байт состояния"},
        {"code", "Код"},
        {"tag", "Метка"},
        {"params", "Параметры"},
        {"extData", "Расширенные данные"},
        {"dataId", "Идентификатор данных"},
        {"mainText", "Основной текст"},
        {"subText", "Дополнительный текст"},
        {"flags", "Флаги"},
        {"traits", "Графические свойства"},
        {"colorName", "Цвет"},
        {"colorIndex", "Цвет, номер в списке"},
        {"layerName", "Слой"},
        {"layerIndex", "Слой, номер в списке"},
        {"mainLineType", "Тип основных линий"},
        {"mainLineTypeIndex", "Тип основных линий, номер в списке"},
        {"mainLineCode", "Код основных линий"},
        {"mainLineCode2", "Второй код основных линий"},
        {"mainLineWeight", "Толщина основных линий"},
        {"mainLineWeightIndex", "Толщина основных линий, номер в списке"},
        {"mainLineValue", "Величина основных линий"},
        {"thickLineType", "Тип утолщённых линий"},
        {"thickLineTypeIndex", "Тип утолщённых линий, номер в списке"},
        {"thickLineCode", "Код утолщённых линий"},
        {"thickLineCode2", "Второй код утолщённых линий"},
        {"thickLineWeight", "Толщина утолщённых линий"},
        {"thickLineWeightIndex", "Толщина утолщённых линий, номер в списке"},
        {"thickLineValue", "Величина утолщённых линий"},
        {"textStyle", "Стиль текста"},
        {"textStyleIndex", "Стиль текста, номер в списке"},
        {"textValue1", "Величина текста 1"},
        {"textValue2", "Величина текста 2"},
        {"textValue3", "Величина текста 3"},
        {"textValue4", "Величина текста 4"},
        {"textCode1", "Код текста 1"},
        {"textCode2", "Код текста 2"},
        {"codeA", "Код A"},
        {"codeB", "Код B"},
        {"codeC", "Код C"},
        {"triple", "Тройка кодов"},
        {"factor", "Коэффициент"},
        {"realValue", "Вещественная величина"},
        {"changed", "Изменены"},
        {"items", "Элементы"},
        {"key", "Ключ"},
        {"kind", "Вид"},
        {"id", "Идентификатор"},
        {"text", "Текст"},
        {"length", "Длина"},
        {"style", "Стиль"},
        {"values", "Значения"},
        {"scopePoints", "Точки области"},
        {"points", "Точки"},
        {"x", "X"},
        {"y", "Y"},
        {"z", "Z"},
        {"pointType", "Тип точки"},
        {"pointFlag", "Признак точки"},
        {"pointTag", "Метка точки"},
        {"scopeKey", "Ключ области"},
        {"scopeKind", "Вид области"},
        {"scopeValue1", "Величина области 1"},
        {"scopeValue2", "Величина области 2"},
    };
    return captions;
}

// What the entries of a keyed branch are called, followed by their key.
const char* entryCaption(std::string_view branch)
{
    if (branch == "params")
        return "Параметр";
    if (branch == "values")
        return "Значение";
    if (branch == "items")
        return "Элемент";
    if (branch == "scopePoints")
        return "Точка области";
    if (branch == "points")
        return "Точка";
    return nullptr;
}

QString fieldCaption(std::string_view name, std::string_view branch)
{
    if (const char* entry = entryCaption(branch))
        return QString::fromUtf8(entry) + QLatin1Char(' ') + QString::fromUtf8(name.data(), qsizetype(name.size()));
    const auto known = fieldCaptions().find(name);
    return known != fieldCaptions().end() ? QString::fromUtf8(known->second)
                                          : QString::fromUtf8(name.data(), qsizetype(name.size()));
}

QString valueText(const JsonValue& value)
{
    switch (value.type()) {
    case JsonValue::Type::Null: return QStringLiteral("—");
    case JsonValue::Type::Boolean: return value.boolean() ? QStringLiteral("да") : QStringLiteral("нет");
    case JsonValue::Type::Number:
    case JsonValue::Type::String: return QString::fromStdString(value.text());
    case JsonValue::Type::Array:
        return value.elements().empty() ? QStringLiteral("нет") : QString::number(value.elements().size());
    case JsonValue::Type::Object:
        return value.members().empty() ? QStringLiteral("нет") : QString();
    }
    return {};
}

void addEntry(QTreeWidget& tree, QTreeWidgetItem* parent, const QString& caption, const JsonValue& value,
              std::string_view name);

void addChildren(QTreeWidget& tree, QTreeWidgetItem* parent, const JsonValue& value, std::string_view branch)
{
    if (value.isObject()) {
        for (const auto& [name, member] : value.members())
            addEntry(tree, parent, fieldCaption(name, branch), member, name);
    } else if (value.isArray()) {
        const char* entry = entryCaption(branch);
        for (std::size_t i = 0; i < value.elements().size(); ++i) {
            const JsonValue& element = value.elements()[i];
            const JsonValue* key = element.find("key");
            const QString caption = entry != nullptr && key != nullptr
                                        ? QString::fromUtf8(entry) + QLatin1Char(' ') + valueText(*key)
                                        : QString::number(i + 1);
            addEntry(tree, parent, caption, element, {});
        }
    }
}

void addEntry(QTreeWidget& tree, QTreeWidgetItem* parent, const QString& caption, const JsonValue& value,
              std::string_view name)
{
    auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(&tree);
    item->setText(0, caption);
    item->setText(1, valueText(value));
    addChildren(tree, item, value, name);
    // The thirty-odd traits would push everything else out of sight.
    if (parent == nullptr && name != "traits")
        item->setExpanded(true);
}

}  // namespace

void fillBlockTree(QTreeWidget& tree, const JsonValue& block)
{
    tree.clear();
    addChildren(tree, nullptr, block, {});
}

}  // namespace tarvelo::host
