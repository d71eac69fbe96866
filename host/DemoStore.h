// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QByteArray>
#include <QTemporaryDir>

namespace tarvelo::host {

/// The store the demonstration runs in: a temporary one of its own, so that
/// what the dialogs remember on acceptance never reaches the user's store.
/// It holds what a draughtsman working on the sample plan would have: the
/// companion libraries as the current store names them, the decimals the
/// install step writes (or the user's own), and new symbols at 100 : 1, the
/// factor that draws symbols at their sheet size on a 1 : 100 plan. While it
/// lives the process's store is this one; afterwards the previous one again.
class DemoStore {
public:
    /// The scale factor new symbols of the demonstration start with.
    static constexpr double kSymbolScale = 100.0;

    DemoStore();
    ~DemoStore();
    DemoStore(const DemoStore&) = delete;
    DemoStore& operator=(const DemoStore&) = delete;

    /// False when no temporary folder could be made; the demonstration then
    /// runs in the current store, as before.
    [[nodiscard]] bool isActive() const { return m_active; }

private:
    QTemporaryDir m_folder;
    bool m_active = false;
    bool m_hadLocation = false;
    QByteArray m_previousLocation;
};

}  // namespace tarvelo::host
