// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QDialog>
#include <string>

#include "CToolComment.h"
#include "HostSupportSession.h"
#include "SymbolDialogTemplates.h"

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

/// Modal results of EditBlock.
inline constexpr int kAccepted = 1;
inline constexpr int kCancelled = 2;
inline constexpr int kRefused = 3;

/// The frame that every symbol dialog shares: started by an entry point
/// with a drawing and a block it borrows for one EditBlock, the same
/// initialisation order, scale and properties buttons, layer combo, tips and
/// the user's decision. A dialog states only what differs.
class CSymbolDialog : public QDialog {
    Q_OBJECT
public:
    /// 1 accepted, 2 cancelled, 3 refused (null drawing or block) without a window.
    int EditBlock(hostcad::IDrawingDatabase* drawing, GEOTYPE_DEFINITION::IGeoBlock* block);

    /// Accepts unless the layer name that acceptance writes cannot be held
    /// by the block's code page 1251: the user is told and the dialog stays.
    void accept() override;

protected:
    CSymbolDialog(QWidget* parent, services::IServiceEnvironment& environment, const FrameTemplate& frame);

    /// The properties icon, the layer combo, the tips.
    virtual void InitControls();
    /// Brings a new block, already at the stored scale where it takes it, to a usable state and shows it.
    virtual void initNewSymbol() = 0;
    /// Whether a new block starts at the stored scale; one the host already gave a shape may keep its own.
    [[nodiscard]] virtual bool takesStoredScale() const { return true; }
    /// Shows an existing block; what the user does not change stays as it is.
    virtual void initExistingSymbol() = 0;
    /// After acceptance: the layer by the dialog's rule; dialogs add their own.
    virtual void writeBackOnAccept();
    /// After acceptance: the user defaults a dialog keeps; none by default.
    virtual void saveDefaults() {}
    /// After a cancel: what a dialog undoes itself; nothing by default.
    virtual void afterCancel() {}

    /// Redraws the preview once the handlers of the current change have run;
    /// the frame calls it for every control, a dialog for changes of its own.
    void blockChanged();
    /// A control made after the dialog was shown redraws the preview like the others, its own children too.
    void followLateControl(QWidget& control);

    void UpdateScaleCaption(double scale);
    virtual void OnScaleButton();
    virtual void OnPropertiesButton();
    /// A new symbol's scale: "SymScl" from the store, 1.0 when not above 0.
    void applyNewSymbolScale();
    /// Starts the layer name from the block's traits (for a new symbol
    /// without one, the drawing's first layer) and shows it in the combo.
    void showBlockLayer();
    [[nodiscard]] bool isNewSymbol() const;
    /// True when acceptance writes the dialog's layer name into the block.
    [[nodiscard]] bool writesLayerOnAccept() const;

    [[nodiscard]] services::IServiceEnvironment& environment() const { return m_environment; }
    /// The host-support library of this call, loaded once and released when EditBlock ends.
    [[nodiscard]] const HostSupportSession& hostSupport() const { return m_hostSupport; }
    [[nodiscard]] const FrameControls& frame() const { return m_frame; }

    hostcad::IDrawingDatabase* m_drawing = nullptr;
    GEOTYPE_DEFINITION::IGeoBlock* m_block = nullptr;
    std::string m_layerName;
    controls::CToolComment m_tips;

private:
    /// Every control that can change the block redraws the preview.
    void followBlockChanges();
    void followChangesOf(QWidget& control);

    services::IServiceEnvironment& m_environment;
    HostSupportSession m_hostSupport;
    const FrameTemplate& m_template;
    FrameControls m_frame;
    bool m_followsChanges = false;
    bool m_redrawPending = false;
};

}  // namespace tarvelo::dialogs
