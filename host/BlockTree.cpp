// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "BlockTree.h"

#include <QTreeWidget>
#include <charconv>
#include <map>
#include <nlohmann/json.hpp>
#include <string_view>

#include "tarvelo/geometry/TraitField.h"

namespace tarvelo::host {

namespace {

using nlohmann::ordered_json;

// Field names of the JSON form and how the tree calls them; the traits' own come with their list.
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
    static const std::map<std::string_view, const char*> captions{{"params", "Параметр"},
                                                                  {"values", "Значение"},
                                                                  {"items", "Элемент"},
                                                                  {"scopePoints", "Точка области"},
                                                                  {"points", "Точка"}};
    const auto found = captions.find(branch);
    return found != captions.end() ? found->second : nullptr;
}

QString fieldCaption(std::string_view name, std::string_view branch)
{
    const QString asWritten = QString::fromUtf8(name.data(), qsizetype(name.size()));
    if (const char* entry = entryCaption(branch))
        return QString::fromUtf8(entry) + QLatin1Char(' ') + asWritten;
    QString caption = asWritten;
    if (branch == "traits") {
        GEOTYPE_DEFINITION::forEachTraitField([&](const auto& field) {
            if (name == field.name)
                caption = QString::fromUtf8(field.caption);
        });
    } else if (const auto known = fieldCaptions().find(name); known != fieldCaptions().end()) {
        caption = QString::fromUtf8(known->second);
    }
    return caption;
}

QString valueText(const ordered_json& value)
{
    switch (value.type()) {
    case ordered_json::value_t::null: return QStringLiteral("—");
    case ordered_json::value_t::boolean: return value.get<bool>() ? QStringLiteral("да") : QStringLiteral("нет");
    case ordered_json::value_t::number_float: {
        // The shortest form that reads back the same, without the JSON's ".0".
        char digits[32];
        const auto written = std::to_chars(digits, digits + sizeof digits, value.get<double>());
        return QString::fromLatin1(digits, written.ptr - digits);
    }
    case ordered_json::value_t::number_integer:
    case ordered_json::value_t::number_unsigned: return QString::fromStdString(value.dump());
    case ordered_json::value_t::string: return QString::fromStdString(value.get_ref<const std::string&>());
    case ordered_json::value_t::array:
        return value.empty() ? QStringLiteral("нет") : QString::number(value.size());
    case ordered_json::value_t::object: return value.empty() ? QStringLiteral("нет") : QString();
    default: return {};
    }
}

void addEntry(QTreeWidget& tree, QTreeWidgetItem* parent, const QString& caption, const ordered_json& value,
              std::string_view name);

void addChildren(QTreeWidget& tree, QTreeWidgetItem* parent, const ordered_json& value, std::string_view branch)
{
    if (value.is_object()) {
        for (const auto& [name, member] : value.get_ref<const ordered_json::object_t&>())
            addEntry(tree, parent, fieldCaption(name, branch), member, name);
    } else if (value.is_array()) {
        const char* entry = entryCaption(branch);
        for (std::size_t i = 0; i < value.size(); ++i) {
            const ordered_json& element = value[i];
            const auto key = element.find("key");
            const QString caption = entry != nullptr && key != element.end()
                                        ? QString::fromUtf8(entry) + QLatin1Char(' ') + valueText(*key)
                                        : QString::number(i + 1);
            addEntry(tree, parent, caption, element, {});
        }
    }
}

void addEntry(QTreeWidget& tree, QTreeWidgetItem* parent, const QString& caption, const ordered_json& value,
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

void fillBlockTree(QTreeWidget& tree, const nlohmann::ordered_json& block)
{
    tree.clear();
    addChildren(tree, nullptr, block, {});
}

}  // namespace tarvelo::host
