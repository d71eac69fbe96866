// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

class QAbstractButton;
class QWidget;

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
}

namespace tarvelo::services {
class IServiceEnvironment;
}

/// @file
/// The scale button that every symbol dialog carries: its caption shows the
/// block's scale factor as a ratio, and a click lets the user choose another.

namespace tarvelo::controls {

/// Sets the button's caption to the notation of `factor` ("100 : 1",
/// "1 : 2.5"); empty for a factor that is not positive.
void setScaleCaption(QAbstractButton& button, double factor);

/// The click of a scale button: runs the scale dialog over `dialog` with the
/// block's scale, gives the block the chosen scale and shows it on the
/// button. Cancelling leaves block and caption as they were.
void chooseBlockScale(QWidget& dialog, services::IServiceEnvironment& environment,
                      GEOTYPE_DEFINITION::IGeoBlock& block, QAbstractButton& button);

}  // namespace tarvelo::controls
