// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace tarvelo::host {

/// Exit codes of the host program.
enum ExitCode : int {
    kExitOk = 0,
    /// The dialog was closed without a block to keep (only the section symbol returns none).
    kExitNoBlock = 1,
    kExitBadArguments = 2,
    kExitModuleFailed = 3,
    kExitDrawingFailed = 4,
    kExitBlockFileFailed = 5,
    kExitDemoFailed = 6,
    /// A DXF or SVG file could not be written, or the drawing to add symbols to could not be read.
    kExitExportFailed = 7,
};

/// What the command line asks for.
struct HostOptions {
    QString drawing;
    /// Index into module::kSymbolKinds.
    std::optional<std::size_t> symbolKind;
    QString editFile;
    /// Without a window: run the symbol once and write its block here.
    QString jsonFile;
    QString module;
    QString demoFolder;
    /// The character set that decodes the drawing's names instead of what it says; empty for none.
    std::string charset;
    /// The symbols alone as a DXF drawing.
    QString exportDxf;
    /// The symbols as an SVG picture.
    QString exportSvg;
    /// The drawing with the symbols added.
    QString into;
    /// Where symbols that are not placed yet go; the centre of the drawing's extents when not given.
    std::optional<QPointF> at;
    /// Without a window: print the layer names and stop.
    bool listLayers = false;
    bool help = false;
};

/// True when the options ask for a file of the symbols.
[[nodiscard]] inline bool exportsSymbols(const HostOptions& options)
{
    return !options.exportDxf.isEmpty() || !options.exportSvg.isEmpty() || !options.into.isEmpty();
}

/// Reads the arguments that follow the program name. On a mistake answers
/// nothing and puts a Russian message (UTF-8) into @p errorUtf8.
std::optional<HostOptions> parseHostOptions(const QStringList& arguments, std::string& errorUtf8);

/// The Russian usage text printed by --help.
QString hostUsage();

}  // namespace tarvelo::host
