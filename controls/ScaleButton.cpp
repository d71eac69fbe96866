// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "ScaleButton.h"

#include <QAbstractButton>

#include "CDialogScale.h"
#include "ScaleNotation.h"
#include "tarvelo/geometry/IGeoBlock.h"

namespace tarvelo::controls {

void setScaleCaption(QAbstractButton& button, double factor)
{
    button.setText(QString::fromStdString(scaleCaption(factor)));
}

void chooseBlockScale(QWidget& dialog, services::IServiceEnvironment& environment,
                      GEOTYPE_DEFINITION::IGeoBlock& block, QAbstractButton& button)
{
    const double chosen = CDialogScale(&dialog, environment).Run(block.GetScale());
    // The block's reader never yields an unusable scale, but a block of a
    // caller's own making might hold one; it must not be written back.
    if (!isUsableScale(chosen))
        return;
    block.SetScale(chosen);
    setScaleCaption(button, chosen);
}

}  // namespace tarvelo::controls
