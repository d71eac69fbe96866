// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tarvelo/services/CSysHub.h"

/// @file
/// The user defaults that the settings dialog edits: how they read from and
/// write to the store, what the user may enter and what the defaults are.
/// No widgets here, so that the rules can be checked without a dialog.

namespace tarvelo::cfgkit {

/// Highest number of decimal places a length or level field may show.
inline constexpr int kMaxDecimals = 8;

/// Decimals of lengths ("Roundz") that a draughtsman starts with: every
/// standard size, 2.5 and 3.5 mm letters and 0.18 mm lines among them,
/// survives being shown and saved.
inline constexpr std::uint32_t kDraughtsmanDecimals = 2;
/// Decimals of levels ("RoundzLevel"): levels are given in metres to the millimetre.
inline constexpr std::uint32_t kDraughtsmanLevelDecimals = 3;

/// The user defaults of the Params key, already brought into their valid ranges.
struct UserDefaults {
    double scale = 1.0;
    std::uint32_t decimals = kDraughtsmanDecimals;
    std::uint32_t levelDecimals = kDraughtsmanLevelDecimals;
    std::uint32_t breakType = 201;
    std::uint32_t levelType = 301;
    std::uint32_t weldType = 701;
    std::uint32_t noteAngle = 0;
    std::uint32_t noteEnding = 0;
    bool operator==(const UserDefaults&) const = default;
};

/// What the dialog's fields hold when the user presses OK.
struct EnteredDefaults {
    QString scale;
    int decimals = 0;
    int levelDecimals = 0;
    std::uint32_t breakType = 0;
    std::uint32_t levelType = 0;
    std::uint32_t weldType = 0;
    QString noteAngle;
    QString noteEnding;
};

/// One entry of a type list: the stored code and its caption.
struct TypeChoice {
    std::uint32_t code;
    const char* caption;
};

/// The break types, level mark types and weld seam types, first one being the default.
std::span<const TypeChoice> breakTypes();
std::span<const TypeChoice> levelTypes();
std::span<const TypeChoice> weldTypes();

/// The stored scale text read as the symbol dialogs read it: anything not
/// greater than 0 (empty, unparsable, zero, negative) means 1.
double scaleFromStored(std::string_view text);
/// The scale as the store keeps it: fixed notation with six decimals and a
/// point whatever the user's locale ("100.000000").
std::string scaleToStored(double scale);
/// The scale for display, without trailing zeros ("100", "0.5").
QString scaleToText(double scale);
/// A scale the user typed; a decimal comma is accepted. Nothing unless a finite number greater than 0.
std::optional<double> parseScale(const QString& text);
/// A whole number >= 0 the user typed; nothing otherwise.
std::optional<std::uint32_t> parseWholeNumber(const QString& text);

/// The stored code when the list has it, or else the list's first code.
std::uint32_t typeFromStored(std::span<const TypeChoice> choices, std::uint32_t stored);
/// At most kMaxDecimals.
std::uint32_t decimalsFromStored(std::uint32_t stored);

/// Checks the entered fields; on a problem gives nothing and sets `problem` to the message for the user.
std::optional<UserDefaults> checkEntered(const EnteredDefaults& entered, QString& problem);

/// Reads every user default from the Params key; decimals that are not
/// stored read as the draughtsman's.
UserDefaults readUserDefaults(services::CSysHub& hub);

/// One value written to the store.
struct WrittenValue {
    const char* name;
    std::uint32_t value;
};

/// Writes the draughtsman's decimals as "Roundz" and "RoundzLevel" where the
/// store has none, as the install step does; values the user stored stay.
/// What was written.
std::vector<WrittenValue> storeMissingDecimals(services::CSysHub& hub);
/// Writes every user default to the Params key.
void writeUserDefaults(services::CSysHub& hub, const UserDefaults& values);

/// A library path of the modules key (`valueName` is "DHOSTSP" or "CFGKIT.DLL"); empty when absent.
QString readLibraryPath(services::CSysHub& hub, const char* valueName);
void writeLibraryPath(services::CSysHub& hub, const char* valueName, const QString& path);
/// Empty when the file exists, or else a short note saying what is wrong with the path.
QString libraryPathNote(const QString& path);

}  // namespace tarvelo::cfgkit
