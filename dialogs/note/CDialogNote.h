// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <vector>

#include "CSymbolDialog.h"
#include "NoteTemplate.h"

class QComboBox;

namespace tarvelo::controls {
class CellEditor;
}

namespace tarvelo::dialogs {

/// The leader note dialog: a position leader with texts above and below its
/// shelf, a comb leader, or a leader for multilayer constructions with its
/// list of layer records; the end mark, the angle step, layer and scale.
///
/// Every choice goes into the block at once; the records and the layer wait
/// for acceptance, and only then are the end mark ("NoteEndline") and the
/// angle step ("NoteDefaultAngle") remembered for the next new leader.
class CDialogNote final : public CSymbolDialog {
    Q_OBJECT
public:
    CDialogNote(QWidget* parent, services::IServiceEnvironment& environment);

    /// Gives the block the leader type and its starting shape, then that
    /// type's host defaults. The ending is not used; callers pass the chosen one.
    void SetNoteType(std::uint32_t symbolType, std::uint32_t ending, bool multiPoint);
    /// Shows, hides, enables and presets the controls that depend on the
    /// type; a new leader then gets the type by SetNoteType, while an existing
    /// one keeps its shape and its type list and layer are locked.
    void ArrangeNoteControls(std::uint32_t symbolType);
    /// Selects the type entry with this value, or the first one; the block is not touched.
    void SelectNoteType(std::uint32_t symbolType);
    /// Selects the end mark with this value, or the first one; the block is not touched.
    void SelectNoteEnding(std::uint32_t ending);
    /// Shows the texts (position and comb leaders) or the records (multilayer leaders) of an existing leader.
    void ShowNoteTexts(GEOTYPE_DEFINITION::IGeoBlock& block);
    /// Lists the texts of the block's items in the order of their keys.
    void LoadNoteRecords(GEOTYPE_DEFINITION::IGeoBlock& block);

    /// Acceptance: a multilayer leader's records become its items first.
    void accept() override;

protected:
    void InitControls() override;
    void initNewSymbol() override;
    void initExistingSymbol() override;
    void saveDefaults() override;

private:
    void onMultiPointClicked();
    void addRecord();
    void removeRecord();
    void openRecordEditor();
    void commitRecord(int row, const QString& text);
    void forgetRecordSelection();
    void writeRecords();

    NoteControls m_controls;
    /// Its row is the record last selected in the list, the one "-" removes.
    controls::CellEditor* m_recordEditor = nullptr;
};

}  // namespace tarvelo::dialogs
