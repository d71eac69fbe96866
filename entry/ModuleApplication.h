// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

/// @file
/// The module runs its dialogs in the host's Qt application. A host without
/// one gets an application made by the module on the first call and removed
/// when the module is unloaded.

namespace tarvelo::module {

/// Makes sure an application exists; uses the offscreen platform when the
/// process has no display, instead of aborting the host.
void ensureApplication();

}  // namespace tarvelo::module
