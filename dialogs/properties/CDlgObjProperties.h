// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

#include "HostSupportSession.h"
#include "ObjPropertiesTemplate.h"

class QTreeWidgetItem;

namespace tarvelo::controls {
class CellEditor;
}

namespace GEOTYPE_DEFINITION {
class IGeoBlock;
}

namespace tarvelo::hostcad {
class IDrawingDatabase;
}

namespace tarvelo::services {
class IServiceEnvironment;
}

namespace tarvelo::dialogs {

/// The object properties dialog (template 12107, "Свойства объекта") that
/// every symbol dialog opens from its properties button. It edits a block's
/// numeric parameters (page "Геометрия", rows and names from the
/// host-support library) and its graphic traits (page "Графика") in place,
/// one value at a time in an editor laid over the value cell. "Сохранить"
/// writes the page on screen back into the block and hands the block to the
/// host-support library; the other page is left as it was.
///
/// Lives for one press of a properties button: construct, EditBlock once, destroy.
class CDlgObjProperties final : public QDialog {
    Q_OBJECT

public:
    /// `parent` is the symbol dialog; the store, the message boxes and the
    /// companion libraries are reached through `environment`. A symbol dialog
    /// lends its `hostSupport` session; without one the dialog keeps its own.
    CDlgObjProperties(QWidget* parent, services::IServiceEnvironment& environment,
                      const HostSupportSession* hostSupport = nullptr);

    /// false for a null block or a block of symbol type 0 (no window); otherwise runs the dialog modally,
    /// true when the user saved.
    bool EditBlock(hostcad::IDrawingDatabase* drawing, GEOTYPE_DEFINITION::IGeoBlock* block);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void InitControls();
    void InitFromBlock();
    void fillGeometryPage();
    void fillGraphicsPage();
    void showScheme();

    void onPageChanged(int page);
    void onRowSelected();
    void onValueTyped(int row, const QString& text);
    void onChoiceConfirmed(int entry);
    void onSave();
    void onSettings();

    void hideEditors();
    void placeValueEdit(QTreeWidgetItem& row);
    void placeChoices(QTreeWidgetItem& row);
    void prepareChoices(int row);
    void fillDrawingLineTypes(const QString& currentText);
    void fitColumns();
    [[nodiscard]] std::uint32_t decimals();

    services::IServiceEnvironment& m_environment;
    std::optional<HostSupportSession> m_ownHostSupport;
    const HostSupportSession& m_hostSupport;
    ObjPropertiesControls m_controls;
    controls::CellEditor* m_valueEditor = nullptr;
    hostcad::IDrawingDatabase* m_drawing = nullptr;
    GEOTYPE_DEFINITION::IGeoBlock* m_block = nullptr;
    int m_page = 0;
    int m_editedRow = -1;
};

}  // namespace tarvelo::dialogs
