// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

class QWidget;

/// @file
/// The host services the module calls by name besides the drawing database:
/// the colour dialog and the removal of typed-ahead characters.

namespace tarvelo::hostcad {

/// Lets the user choose a colour in the modal colour dialog, which starts
/// with `colorNumber` selected. The by-layer (256) and by-block (0) choices
/// are offered only when `allowMetaColors` is set; by layer is shown in
/// `currentLayerColor`. True, with the choice written to `colorNumber`, when
/// the user accepted; false, with `colorNumber` untouched, when cancelled.
bool zcedSetColorDialog(int& colorNumber, bool allowMetaColors, int currentLayerColor);

/// Drops the character input still queued for `edit`: posted key presses
/// that carry text. Key presses without text (arrows, function keys) and
/// every other event stay queued, in their order.
void removePendingCharacters(QWidget* edit);

}  // namespace tarvelo::hostcad
