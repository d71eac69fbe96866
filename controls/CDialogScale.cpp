// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CDialogScale.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <exception>
#include <optional>

#include "ScaleNotation.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/IServiceEnvironment.h"

namespace tarvelo::controls {

CDialogScale::CDialogScale(QWidget* parent, services::IServiceEnvironment& environment)
    : QDialog(parent), m_environment(environment), m_controls(buildScaleDialogTemplate(*this))
{
    for (QComboBox* list : {m_controls.numerator, m_controls.denominator}) {
        list->installEventFilter(this);
        connect(list, &QComboBox::activated, this, [this, list] { takeTerm(list); });
        connect(list->lineEdit(), &QLineEdit::textEdited, this, [this, list] { takeTerm(list); });
    }
    connect(m_controls.accept, &QPushButton::clicked, this, &CDialogScale::onAccept);
    connect(m_controls.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

double CDialogScale::Run(double currentScale)
{
    prepareStart(currentScaleText(currentScale));
    if (exec() != QDialog::Accepted)
        return currentScale;
    const std::optional<double> chosen = scaleFromTerms(m_numerator, m_denominator);
    if (!chosen)
        return currentScale;
    if (m_controls.saveAsDefault->isChecked())
        saveDefault(*chosen);
    return *chosen;
}

void CDialogScale::prepareStart(const std::string& currentScaleLabel)
{
    m_numerator.clear();
    m_denominator.clear();
    m_controls.problem->hide();
    for (QComboBox* list : {m_controls.numerator, m_controls.denominator}) {
        list->setCurrentIndex(-1);
        list->setEnabled(true);
    }
    m_controls.saveAsDefault->setChecked(true);
    if (!currentScaleLabel.empty())
        m_controls.currentScale->setText(QString::fromStdString(currentScaleLabel));
    // Focus starts on the accept button: a list that held it would disable
    // the other one before the user could reach it with the mouse.
    m_controls.accept->setFocus(Qt::OtherFocusReason);
}

bool CDialogScale::eventFilter(QObject* watched, QEvent* event)
{
    const bool focusIn = event->type() == QEvent::FocusIn;
    if (!focusIn && event->type() != QEvent::FocusOut)
        return QDialog::eventFilter(watched, event);
    // Neither an open drop-down list nor a switch to another window and back
    // moves the user from one list to the other.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason ||
        QApplication::activePopupWidget() != nullptr)
        return false;
    // Only the two lists are watched: the one with the focus locks the other.
    (watched == m_controls.numerator ? m_controls.denominator : m_controls.numerator)->setEnabled(!focusIn);
    return false;
}

void CDialogScale::takeTerm(QComboBox* list)
{
    const bool isNumerator = list == m_controls.numerator;
    QComboBox* other = isNumerator ? m_controls.denominator : m_controls.numerator;
    std::string& term = isNumerator ? m_numerator : m_denominator;
    std::string& otherTerm = isNumerator ? m_denominator : m_numerator;
    // A list disabled by the focus rule is one the user has not been working
    // in: its term becomes 1 unless it already shows the first item, "1".
    if (!other->isEnabled() && other->currentIndex() != 0) {
        other->setCurrentIndex(0);
        otherTerm = other->currentText().toStdString();
    }
    term = list->currentText().toStdString();
    other->setEnabled(true);
    m_controls.problem->hide();
}

void CDialogScale::onAccept()
{
    // With no term chosen the current scale simply stays. A ratio that cannot be used keeps the
    // dialog open and says why, so that nobody believes a scale was applied that was not.
    const QString problem = m_numerator.empty() && m_denominator.empty()
                                ? QString()
                                : ratioProblemText(ratioProblem(m_numerator, m_denominator));
    if (problem.isEmpty())
        return accept();
    m_controls.problem->setText(problem);
    m_controls.problem->show();
}

QString CDialogScale::ratioProblemText(RatioProblem problem)
{
    switch (problem) {
    case RatioProblem::Numerator:
        return QStringLiteral("Масштаб не применён: числитель должен быть числом больше нуля.");
    case RatioProblem::Denominator:
        return QStringLiteral("Масштаб не применён: знаменатель должен быть числом больше нуля.");
    case RatioProblem::OutOfRange:
        return QStringLiteral("Масштаб не применён: отношение слишком велико или слишком мало.");
    case RatioProblem::None:
        break;
    }
    return {};
}

void CDialogScale::saveDefault(double factor)
{
    try {
        services::CSysHub(m_environment)
            .SetStringParams(services::CSysHub::kParamsKey, "SymScl", scaleDefaultText(factor), false);
    } catch (const std::exception& failure) {
        m_environment.messages().show("", failure.what(), services::MessageIcon::Warning);
    }
}

}  // namespace tarvelo::controls
