// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <filesystem>

/// @file
/// Where the host program finds the module and the sample drawing when the
/// command line names neither. Both need the application object to exist.

namespace tarvelo::host {

/// The symbol module installed beside the program (in its library folder)
/// or, when there is none, the one built with it.
std::filesystem::path defaultModulePath();

/// The sample drawing installed in the data folder or, when there is none,
/// the one in the sources the program was built from.
std::filesystem::path defaultDrawingPath();

}  // namespace tarvelo::host
