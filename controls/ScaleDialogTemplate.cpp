// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "ScaleDialogTemplate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "tarvelo/services/Named.h"

namespace tarvelo::controls {

namespace {

using Id = ScaleDialogTemplate;

const QStringList kNumeratorTerms = {"1", "2", "2.5", "4", "5", "10", "20", "40", "50", "100"};
const QStringList kDenominatorTerms = {"1",  "2",  "2.5", "4",   "5",   "10",  "15",  "20",  "25",
                                       "40", "50", "75",  "100", "200", "400", "500", "800", "1000"};

// An editable drop-down list of terms whose items carry only their text.
QComboBox* termList(QWidget* parent, int id, const QStringList& terms)
{
    auto* list = named(new QComboBox(parent), id);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    list->addItems(terms);
    list->setCurrentIndex(-1);
    list->setMaxVisibleItems(terms.size());
    list->setMinimumContentsLength(6);
    return list;
}

}  // namespace

ScaleDialogControls buildScaleDialogTemplate(QDialog& dialog)
{
    named(&dialog, Id::kTemplate);
    dialog.setWindowTitle(QStringLiteral("Масштаб объекта"));

    ScaleDialogControls controls;
    auto* currentGroup = named(new QGroupBox(QStringLiteral("Текущий масштаб"), &dialog), Id::kCurrentGroup);
    controls.currentScale = named(new QLabel(QStringLiteral("Текущий масштаб 1 : 1"), currentGroup), Id::kCurrentScale);
    controls.currentScale->setAlignment(Qt::AlignCenter);
    auto* currentLayout = new QHBoxLayout(currentGroup);
    currentLayout->addWidget(controls.currentScale);

    auto* scaleGroup = named(new QGroupBox(QStringLiteral("Масштаб"), &dialog), Id::kScaleGroup);
    controls.numerator = termList(scaleGroup, Id::kNumerator, kNumeratorTerms);
    controls.denominator = termList(scaleGroup, Id::kDenominator, kDenominatorTerms);
    auto* scaleLayout = new QHBoxLayout(scaleGroup);
    scaleLayout->addStretch();
    scaleLayout->addWidget(controls.numerator);
    scaleLayout->addWidget(controls.denominator);
    scaleLayout->addStretch();

    controls.problem = named(new QLabel(&dialog), "scale-problem");
    controls.problem->setWordWrap(true);
    QPalette warning = controls.problem->palette();
    warning.setColor(QPalette::WindowText, QColor(160, 0, 0));
    controls.problem->setPalette(warning);
    controls.problem->hide();

    controls.saveAsDefault =
        named(new QCheckBox(QStringLiteral("Сохранить по умолчанию"), &dialog), Id::kSaveAsDefault);

    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->setCenterButtons(true);
    controls.accept = named(buttons->addButton(QStringLiteral("Применить"), QDialogButtonBox::AcceptRole), Id::kAccept);
    controls.cancel = named(buttons->addButton(QStringLiteral("Отменить"), QDialogButtonBox::RejectRole), Id::kCancel);
    controls.accept->setDefault(true);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(currentGroup);
    layout->addWidget(scaleGroup);
    layout->addWidget(controls.problem);
    layout->addWidget(controls.saveAsDefault);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabChain({controls.numerator, controls.denominator, controls.saveAsDefault, controls.accept, controls.cancel});
    return controls;
}

}  // namespace tarvelo::controls
