// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <string>

#include "CSymbolDialog.h"
#include "LevelMarkTemplate.h"

namespace tarvelo::dialogs {

/// The level mark dialog: a level mark (301) with a note, or a level mark on
/// a plan (302) with or without extension lines; the level value, an attach
/// toggle, the layer and the scale. A typed level and a chosen kind go into
/// the block at once; the note and the attach flag on acceptance. An
/// existing mark shows its kind, extension lines and attachment but keeps
/// them. A cancelled dialog empties the block.
class CDlgLevelMark final : public CSymbolDialog {
    Q_OBJECT
public:
    CDlgLevelMark(QWidget* parent, services::IServiceEnvironment& environment);

    /// Gives the block the kind and shows the controls of that kind (the note
    /// for 301, the extension lines for 302), then recomputes the scope points.
    void SetLevelType(std::uint32_t variant);
    /// Shows the level with the store's "RoundzLevel" decimals; the field's
    /// change then writes the main text.
    void SetLevelText(double level);
    /// The scope points for what the kind and extension-line lists show.
    void UpdateLevelGeometry();

protected:
    void InitControls() override;
    void initNewSymbol() override;
    void initExistingSymbol() override;
    void writeBackOnAccept() override;
    void saveDefaults() override;
    void afterCancel() override;
    void OnPropertiesButton() override;

private:
    /// The level and the note as the block has them.
    void showTexts();
    /// Shows the controls of a kind (note or extension lines) without touching the block.
    void showLevelControls(std::uint32_t variant);
    void onKindChosen(std::uint32_t variant);
    void onLevelEdited(const QString& text);
    void onAttachClicked();
    void loadAttachImages();

    LevelMarkControls m_controls;
    std::string m_note;
    bool m_attached = false;
};

}  // namespace tarvelo::dialogs
