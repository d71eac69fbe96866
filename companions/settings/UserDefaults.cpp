// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "UserDefaults.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <charconv>
#include <cctype>
#include <cmath>
#include <limits>

#include "tarvelo/services/QtText.h"

namespace tarvelo::cfgkit {

namespace {

using services::CSysHub;

// The names the symbol dialogs give their types.
constexpr std::array kBreakTypes{
    TypeChoice{201, "Обрыв прямолинейный"},
    TypeChoice{202, "Разрыв прямолинейный"},
    TypeChoice{203, "Обрыв криволинейный"},
    TypeChoice{204, "Разрыв криволинейный"},
};

constexpr std::array kLevelTypes{
    TypeChoice{301, "Отметка уровня"},
    TypeChoice{302, "Отметка уровня на плане"},
};

constexpr std::array kWeldTypes{
    TypeChoice{701, "Угловые заводские - сплошные видимые"},
    TypeChoice{702, "Угловые заводские - сплошные невидимые"},
    TypeChoice{703, "Угловые заводские - прерывистые видимые"},
    TypeChoice{704, "Угловые заводские - прерывистые невидимые"},
    TypeChoice{711, "Стыковые заводские - сплошные видимые"},
    TypeChoice{712, "Стыковые заводские - сплошные невидимые"},
    TypeChoice{713, "Стыковые заводские - прерывистые видимые"},
    TypeChoice{714, "Стыковые заводские - прерывистые невидимые"},
    TypeChoice{721, "Угловые монтажные - сплошные видимые"},
    TypeChoice{722, "Угловые монтажные - сплошные невидимые"},
    TypeChoice{723, "Угловые монтажные - прерывистые видимые"},
    TypeChoice{724, "Угловые монтажные - прерывистые невидимые"},
    TypeChoice{731, "Стыковые монтажные - сплошные видимые"},
    TypeChoice{732, "Стыковые монтажные - сплошные невидимые"},
    TypeChoice{733, "Стыковые монтажные - прерывистые видимые"},
    TypeChoice{734, "Стыковые монтажные - прерывистые невидимые"},
};

bool hasCode(std::span<const TypeChoice> choices, std::uint32_t code)
{
    return std::any_of(choices.begin(), choices.end(), [code](const TypeChoice& c) { return c.code == code; });
}

}  // namespace

std::span<const TypeChoice> breakTypes() { return kBreakTypes; }
std::span<const TypeChoice> levelTypes() { return kLevelTypes; }
std::span<const TypeChoice> weldTypes() { return kWeldTypes; }

double scaleFromStored(std::string_view text)
{
    // Like atof: leading blanks and trailing garbage are tolerated, but never the user's locale.
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const std::from_chars_result parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    if (parsed.ec != std::errc() || !std::isfinite(value) || value <= 0)
        return 1.0;
    return value;
}

std::string scaleToStored(double scale)
{
    char text[400];
    const auto [end, error] = std::to_chars(text, text + sizeof text, scale, std::chars_format::fixed, 6);
    return error == std::errc() ? std::string(text, end) : std::string("1.000000");
}

QString scaleToText(double scale)
{
    return QString::number(scale, 'g', 15);
}

std::optional<double> parseScale(const QString& text)
{
    QString normal = text.trimmed();
    normal.replace(QLatin1Char(','), QLatin1Char('.'));
    const std::string bytes = normal.toStdString();
    double value = 0;
    const char* last = bytes.data() + bytes.size();
    const auto [end, error] = std::from_chars(bytes.data(), last, value);
    if (bytes.empty() || error != std::errc() || end != last || !std::isfinite(value) || value <= 0)
        return std::nullopt;
    return value;
}

std::optional<std::uint32_t> parseWholeNumber(const QString& text)
{
    const std::string bytes = text.trimmed().toStdString();
    std::uint32_t value = 0;
    const char* last = bytes.data() + bytes.size();
    const auto [end, error] = std::from_chars(bytes.data(), last, value);
    // The dialogs keep these numbers in signed fields, so stay within their range.
    if (bytes.empty() || error != std::errc() || end != last ||
        value > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return value;
}

std::uint32_t typeFromStored(std::span<const TypeChoice> choices, std::uint32_t stored)
{
    return hasCode(choices, stored) ? stored : choices.front().code;
}

std::uint32_t decimalsFromStored(std::uint32_t stored)
{
    return std::min<std::uint32_t>(stored, kMaxDecimals);
}

std::optional<UserDefaults> checkEntered(const EnteredDefaults& entered, QString& problem)
{
    const auto refuse = [&problem](const QString& why) {
        problem = why;
        return std::nullopt;
    };
    UserDefaults values;
    const std::optional<double> scale = parseScale(entered.scale);
    if (!scale)
        return refuse(QStringLiteral("Масштаб по умолчанию должен быть числом больше нуля, например 1 или 100."));
    values.scale = *scale;
    if (entered.decimals < 0 || entered.decimals > kMaxDecimals || entered.levelDecimals < 0 ||
        entered.levelDecimals > kMaxDecimals)
        return refuse(QStringLiteral("Число знаков после запятой должно быть от 0 до %1.").arg(kMaxDecimals));
    values.decimals = static_cast<std::uint32_t>(entered.decimals);
    values.levelDecimals = static_cast<std::uint32_t>(entered.levelDecimals);
    if (!hasCode(breakTypes(), entered.breakType) || !hasCode(levelTypes(), entered.levelType) ||
        !hasCode(weldTypes(), entered.weldType))
        return refuse(QStringLiteral("Выберите тип из списка."));
    values.breakType = entered.breakType;
    values.levelType = entered.levelType;
    values.weldType = entered.weldType;
    const std::optional<std::uint32_t> angle = parseWholeNumber(entered.noteAngle);
    if (!angle)
        return refuse(QStringLiteral("Угол выноски по умолчанию должен быть целым числом не меньше нуля."));
    values.noteAngle = *angle;
    const std::optional<std::uint32_t> ending = parseWholeNumber(entered.noteEnding);
    if (!ending)
        return refuse(QStringLiteral("Окончание линии выноски должно быть целым числом не меньше нуля."));
    values.noteEnding = *ending;
    return values;
}

UserDefaults readUserDefaults(CSysHub& hub)
{
    UserDefaults values;
    values.scale = scaleFromStored(hub.GetStringParams(CSysHub::kParamsKey, "SymScl", "", false));
    // Shown as the draughtsman's when absent, so that OK never stores "no decimals" unasked.
    if (hub.IsParamStored("", "Roundz"))
        values.decimals = decimalsFromStored(hub.GetDwordParams("", "Roundz"));
    if (hub.IsParamStored("", "RoundzLevel"))
        values.levelDecimals = decimalsFromStored(hub.GetDwordParams("", "RoundzLevel"));
    values.breakType = typeFromStored(breakTypes(), hub.GetDwordParams("", "DivType"));
    values.levelType = typeFromStored(levelTypes(), hub.GetDwordParams("", "LevelDefaultType"));
    values.weldType = typeFromStored(weldTypes(), hub.GetDwordParams("", "WeldDefultType"));
    values.noteAngle = hub.GetDwordParams("", "NoteDefaultAngle");
    values.noteEnding = hub.GetDwordParams("", "NoteEndline");
    return values;
}

void writeUserDefaults(CSysHub& hub, const UserDefaults& values)
{
    hub.SetStringParams(CSysHub::kParamsKey, "SymScl", scaleToStored(values.scale), false);
    hub.SetDwordParam("", "Roundz", values.decimals);
    hub.SetDwordParam("", "RoundzLevel", values.levelDecimals);
    hub.SetDwordParam("", "DivType", values.breakType);
    hub.SetDwordParam("", "LevelDefaultType", values.levelType);
    hub.SetDwordParam("", "WeldDefultType", values.weldType);
    hub.SetDwordParam("", "NoteDefaultAngle", values.noteAngle);
    hub.SetDwordParam("", "NoteEndline", values.noteEnding);
}

std::vector<WrittenValue> storeMissingDecimals(CSysHub& hub)
{
    std::vector<WrittenValue> written;
    for (const WrittenValue candidate :
         {WrittenValue{"Roundz", kDraughtsmanDecimals}, WrittenValue{"RoundzLevel", kDraughtsmanLevelDecimals}}) {
        if (hub.IsParamStored("", candidate.name))
            continue;
        hub.SetDwordParam("", candidate.name, candidate.value);
        written.push_back(candidate);
    }
    return written;
}

QString readLibraryPath(CSysHub& hub, const char* valueName)
{
    return text::cp1251ToQString(hub.GetStringParams(CSysHub::kModulesKey, valueName, "", false));
}

void writeLibraryPath(CSysHub& hub, const char* valueName, const QString& path)
{
    hub.SetStringParams(CSysHub::kModulesKey, valueName, text::qStringToCp1251(path), false);
}

QString libraryPathNote(const QString& path)
{
    if (path.trimmed().isEmpty())
        return QStringLiteral("Путь не указан.");
    const QFileInfo file(path);
    if (!file.exists())
        return QStringLiteral("Файл не найден.");
    if (!file.isFile())
        return QStringLiteral("Это не файл.");
    return {};
}

}  // namespace tarvelo::cfgkit
