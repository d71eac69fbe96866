// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <optional>

#include "AxisArrayRules.h"
#include "AxisArrayTemplate.h"
#include "CSymbolDialog.h"

namespace tarvelo::controls {
class CellEditor;
}

namespace tarvelo::dialogs {

/// The axis array dialog: an orthogonal (801) or polar (802) array of grid
/// axes, lettered and numbered, each with its step; where their marks go,
/// the dimension options, the insertion point and the rotation angle.
///
/// The type, and with it the host's default axes, reaches the block at once;
/// the tables, the insertion point and the angle on acceptance; placements,
/// dimension options and "В виде примитивов" after it, as parameters 11 to 15.
/// An existing array gets back only what the user changed: a value shown
/// with fewer decimals than it has is not rounded.
class CDlgAxisArray final : public CSymbolDialog {
    Q_OBJECT
public:
    CDlgAxisArray(QWidget* parent, services::IServiceEnvironment& environment);

public slots:
    /// Writes the axes, the insertion point and the angle, then closes with 1.
    void accept() override;

protected:
    void InitControls() override;
    void initNewSymbol() override;
    void initExistingSymbol() override;
    void writeBackOnAccept() override;

private:
    /// One axis table with its in-place editors; the row they were last opened on is the one "-" removes.
    struct AxisTable {
        AxisTableControls* controls;
        axes::AxisFamily family;
        controls::CellEditor* nameEditor = nullptr;
        controls::CellEditor* stepEditor = nullptr;
    };

    /// The axes, options and placements of the block, after opening or a chosen type.
    void showArray();
    void ShowAxes(GEOTYPE_DEFINITION::IGeoBlock* block);
    void FillPlacementLists();
    void ShowPlacements(GEOTYPE_DEFINITION::IGeoBlock* block);
    void SelectAxisType(std::uint32_t symbolType);
    void WriteAxes();
    void OnTypeChosen(int entry);

    void connectTable(AxisTable& table);
    void makeEditors(AxisTable& table);
    void AddAxis(AxisTable& table);
    void RemoveAxis(AxisTable& table);
    void OpenEditors(AxisTable& table, int row);
    static bool holdsRow(const AxisTable& table);
    void CopyStep(AxisTable& table, const QString& text);
    [[nodiscard]] std::vector<axes::AxisRow> rowsOf(const AxisTable& table) const;
    /// The store's "Roundz": the decimals of every number the dialog shows.
    [[nodiscard]] std::uint32_t decimals() const;
    [[nodiscard]] static QString formatNumber(double value, std::uint32_t decimals);
    /// Parameters 11 to 15 as the dialog now holds them.
    [[nodiscard]] axes::AxisOptions currentOptions() const;

    AxisArrayControls m_controls;
    AxisTable m_letters{&m_controls.letters, axes::AxisFamily::Letters};
    AxisTable m_numbers{&m_controls.numbers, axes::AxisFamily::Numbers};
    std::uint32_t m_letterPlacement = 0;
    std::uint32_t m_numberPlacement = 0;
    // The options as shown from the block, so that an existing array gets back only what the user changed.
    axes::AxisOptions m_shownOptions;
    // Exact values of what the fields show, dropped once the user types over them.
    std::optional<double> m_insertionX;
    std::optional<double> m_insertionY;
    std::optional<double> m_angle;
    bool m_insertionTouched = false;
    bool m_angleTouched = false;
};

}  // namespace tarvelo::dialogs
