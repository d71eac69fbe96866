// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QString>
#include <ostream>
#include <vector>

#include "SymbolModule.h"

namespace tarvelo::host {

/// The demonstration that runs without anyone at the screen: each entry
/// point in turn opens its dialog, which is photographed into the folder
/// (`<short name>.png`) and accepted with its button "1"; the block it
/// returns is printed as JSON and given back. Message boxes the module
/// shows on the way are written to the log and dismissed. It runs in a
/// temporary store of its own (DemoStore), never in the user's.
class DialogDemo {
public:
    /// @p out receives the blocks' JSON, @p log the progress (UTF-8).
    DialogDemo(SymbolModule& module, hostcad::IDrawingDatabase* drawing, std::ostream& out, std::ostream& log);

    /// Keeps the blocks the dialogs return, to be taken after the run, instead of giving them back at once.
    void keepBlocks(bool keep) { m_keepBlocks = keep; }
    /// The blocks kept, in the order of the kinds run.
    [[nodiscard]] std::vector<BlockPtr> takeBlocks() { return std::move(m_blocks); }

    /// Runs the kinds (indexes into module::kSymbolKinds) with @p incoming as
    /// the existing symbol (null for new ones). True when every dialog
    /// opened, was photographed and closed on its accept button.
    bool run(const QString& folder, const std::vector<std::size_t>& kinds,
             GEOTYPE_DEFINITION::IGeoBlock* incoming = nullptr);

private:
    bool runOne(const QString& folder, std::size_t kind, GEOTYPE_DEFINITION::IGeoBlock* incoming);

    SymbolModule& m_module;
    hostcad::IDrawingDatabase* m_drawing;
    std::ostream& m_out;
    std::ostream& m_log;
    /// How long to wait for a dialog to open, and to close once accepted.
    int m_timeoutMs = 10000;
    bool m_keepBlocks = false;
    std::vector<BlockPtr> m_blocks;
};

}  // namespace tarvelo::host
