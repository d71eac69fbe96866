// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <nlohmann/json_fwd.hpp>

class QTreeWidget;

namespace tarvelo::host {

/// Shows a block's JSON form (as blockToJson writes it) in a two-column tree:
/// Russian field names and values, with parameters, extended data, traits,
/// items and points as branches. Replaces what the tree held.
void fillBlockTree(QTreeWidget& tree, const nlohmann::ordered_json& block);

}  // namespace tarvelo::host
