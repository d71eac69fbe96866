// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QDialog>
#include <string>

#include "ScaleDialogTemplate.h"
#include "ScaleNotation.h"

namespace tarvelo::services {
class IServiceEnvironment;
}

namespace tarvelo::controls {

/// The scale dialog (template 12041, "Масштаб объекта"): the user picks a
/// ratio from a list of numerator terms and a list of denominator terms,
/// or types either term, and may keep the result as the default scale of
/// new symbols ("SymScl" in the store).
///
/// Picking a term completes the ratio with "1" on the other side, so "100"
/// in the numerator list gives 100 : 1 and "100" in the denominator list
/// gives 1 : 100. While one list has the keyboard focus the other one is
/// disabled, until a term has been picked or typed.
///
/// Lives for one press of a scale button: construct, Run once, destroy.
class CDialogScale final : public QDialog {
    Q_OBJECT

public:
    /// `parent` is the symbol dialog; the store and the error reports are
    /// reached through `environment`.
    CDialogScale(QWidget* parent, services::IServiceEnvironment& environment);

    /// Shows the dialog for `currentScale` and returns the chosen factor when
    /// the user accepts, `currentScale` when the user cancels or accepts
    /// without choosing a term. A ratio that is not a positive finite number
    /// (a zero denominator, a term that is no number) is not accepted: the
    /// dialog says why in Russian and stays open. Accepting a ratio with
    /// "Сохранить по умолчанию" ticked stores it as "SymScl".
    double Run(double currentScale);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prepareStart(const std::string& currentScaleLabel);
    void takeTerm(QComboBox* list);
    void onAccept();
    static QString ratioProblemText(RatioProblem problem);
    void saveDefault(double factor);

    services::IServiceEnvironment& m_environment;
    ScaleDialogControls m_controls;
    // The terms of the ratio as last picked or typed; empty until then.
    std::string m_numerator;
    std::string m_denominator;
};

}  // namespace tarvelo::controls
