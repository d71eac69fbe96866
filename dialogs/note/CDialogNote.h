// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CSymbolDialog.h"
#include "NoteTemplate.h"

class QComboBox;

namespace GEOTYPE_DEFINITION {
class TGeoItemCollection;
}

namespace tarvelo::controls {
class CellEditor;
}

namespace tarvelo::dialogs {

/// The leader note dialog: a position leader with texts above and below its
/// shelf, a comb leader, or a leader for multilayer constructions with its
/// list of layer records; the end mark, the angle step, layer and scale.
///
/// Every choice goes into the block at once, the records of a multilayer
/// leader too (so the preview shows them as typed); the layer waits for
/// acceptance, and only then are the end mark ("NoteEndline") and the
/// angle step ("NoteDefaultAngle") remembered for the next new leader.
class CDialogNote final : public CSymbolDialog {
    Q_OBJECT
public:
    CDialogNote(QWidget* parent, services::IServiceEnvironment& environment);
    ~CDialogNote() override;

    /// Gives the block the leader type and its starting shape, then that
    /// type's host defaults. The ending is not used; callers pass the chosen one.
    void SetNoteType(std::uint32_t symbolType, std::uint32_t ending, bool multiPoint);
    /// Shows, hides, enables and presets the controls that depend on the
    /// type; a new leader then gets the type by SetNoteType, while an existing
    /// one keeps its shape and its type list and layer are locked.
    void ArrangeNoteControls(std::uint32_t symbolType);
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
    /// A new leader the host gave points to keeps its scale with them.
    [[nodiscard]] bool takesStoredScale() const override;
    void saveDefaults() override;
    /// The records typed go out of the block again.
    void afterCancel() override;

private:
    void onMultiPointClicked();
    /// Makes the record list and its controls the first time a multilayer leader needs them.
    void makeRecords();
    void addRecord();
    void removeRecord();
    void openRecordEditor();
    void commitRecord(int row, const QString& text);
    void forgetRecordSelection();
    /// The records as the list shows them, the one being edited with the editor's text.
    [[nodiscard]] std::vector<std::string> shownRecords() const;
    /// Puts the shown records into a multilayer leader's block, keeping the
    /// items they replace so that another type, a cancel, an emptied list or
    /// the records the block came with get them back.
    void writeRecords();
    void restoreItemsBeforeRecords();

    NoteControls m_controls;
    /// Its row is the record last selected in the list, the one "-" removes; null until the records are made.
    controls::CellEditor* m_recordEditor = nullptr;
    /// The block's items before the records first replaced them; null while they have not.
    std::unique_ptr<GEOTYPE_DEFINITION::TGeoItemCollection> m_itemsBeforeRecords;
    /// The records those items held.
    std::vector<std::string> m_recordsBefore;
};

}  // namespace tarvelo::dialogs
