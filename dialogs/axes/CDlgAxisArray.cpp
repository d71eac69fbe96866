// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CDlgAxisArray.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "CComboLayers.h"
#include "CellEditor.h"
#include "CellGrid.h"
#include "CFxAxisPreview.h"
#include "CNumEdit.h"
#include "HostDefaultsLoader.h"
#include "NumberText.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/IScopePointBlock.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/QtText.h"

namespace tarvelo::dialogs {

using GEOTYPE_DEFINITION::IGeoBlock;

namespace {

constexpr int kNameColumn = 0;
constexpr int kStepColumn = 1;

// A step cell shows the step with the store's decimals and keeps the exact
// value until the user types another: what is only shown is not rounded.
controls::CellGrid::Row axisRow(const QString& name, const QString& step, const QVariant& exactStep)
{
    return {{name, {}}, {step, exactStep}};
}

double numberIn(const QLineEdit& edit)
{
    return controls::parseLeadingNumber(edit.text().toStdString());
}

/// A number as shown in a field: exact as it came unless the user typed it.
double shownNumber(const QLineEdit& edit, const std::optional<double>& exact)
{
    return exact.has_value() ? *exact : numberIn(edit);
}

}  // namespace

CDlgAxisArray::CDlgAxisArray(QWidget* parent, services::IServiceEnvironment& environment)
    : CSymbolDialog(parent, environment, kAxisArrayFrame), m_controls(buildAxisArrayTemplate(*this, frame()))
{
    // A typed field drops the exact value it showed.
    const auto dropExactOnEdit = [this](QLineEdit* field, std::optional<double>& exact, bool& touched) {
        connect(field, &QLineEdit::textEdited, this, [&exact, &touched] {
            exact.reset();
            touched = true;
        });
    };
    connect(m_controls.type, &QComboBox::activated, this, &CDlgAxisArray::OnTypeChosen);
    connect(m_controls.insertionGiven, &QCheckBox::clicked, this, [this](bool ticked) {
        m_controls.insertionX->setEnabled(ticked);
        m_controls.insertionY->setEnabled(ticked);
        m_insertionTouched = true;
    });
    dropExactOnEdit(m_controls.insertionX, m_insertionX, m_insertionTouched);
    dropExactOnEdit(m_controls.insertionY, m_insertionY, m_insertionTouched);
    connect(m_controls.angleGiven, &QCheckBox::clicked, this, [this](bool ticked) {
        m_controls.angle->setEnabled(ticked);
        m_angleTouched = true;
    });
    dropExactOnEdit(m_controls.angle, m_angle, m_angleTouched);
    connect(m_controls.letters.placement, &QComboBox::activated, this,
            [this](int entry) { m_letterPlacement = m_controls.letters.placement->itemData(entry).toUInt(); });
    connect(m_controls.numbers.placement, &QComboBox::activated, this,
            [this](int entry) { m_numberPlacement = m_controls.numbers.placement->itemData(entry).toUInt(); });
    connectTable(m_letters);
    connectTable(m_numbers);
}

void CDlgAxisArray::connectTable(AxisTable& table)
{
    AxisTableControls& controls = *table.controls;
    connect(controls.add, &QPushButton::clicked, this, [this, &table] { AddAxis(table); });
    connect(controls.remove, &QPushButton::clicked, this, [this, &table] { RemoveAxis(table); });
    connect(controls.table, &controls::CellGrid::rowChosen, this, [this, &table](int row) { OpenEditors(table, row); });
}

void CDlgAxisArray::makeEditors(AxisTable& table)
{
    if (table.nameEditor != nullptr)
        return;
    AxisTableControls& controls = *table.controls;
    buildAxisEditors(controls);
    using controls::CellEditor;
    table.nameEditor = new CellEditor(*controls.name, *controls.table, CellEditor::Commit::WhileTyping);
    table.stepEditor = new CellEditor(*controls.step, *controls.table, CellEditor::Commit::WhileTyping);
    connect(table.nameEditor, &CellEditor::edited, this, [&table](int row, const QString& text) {
        if (holdsRow(table))
            table.controls->table->setText(row, kNameColumn, text);
    });
    connect(table.stepEditor, &CellEditor::edited, this,
            [this, &table](int, const QString& text) { CopyStep(table, text); });
    followLateControl(*controls.name);
    followLateControl(*controls.step);
}

void CDlgAxisArray::InitControls()
{
    m_tips.AddTool(m_controls.letters.add, QStringLiteral("Добавить буквенную ось"));
    m_tips.AddTool(m_controls.letters.remove, QStringLiteral("Удалить буквенную ось"));
    m_tips.AddTool(m_controls.numbers.add, QStringLiteral("Добавить цифровую ось"));
    m_tips.AddTool(m_controls.numbers.remove, QStringLiteral("Удалить цифровую ось"));
    controls::fillChoices(*m_controls.type, kAxisTypeChoices);
    m_controls.type->setCurrentIndex(0);
    CSymbolDialog::InitControls();
}

void CDlgAxisArray::initNewSymbol()
{
    // A block without axes becomes the default array, which brings its type's defaults with it;
    // fetching them again would ask the library for the same parameters twice.
    auto* items = m_block->GetItems();
    if (items != nullptr && items->IsEmpty()) {
        m_block->SetSymbolType(axes::kOrthogonalArray);
        m_block->SetSymbolVariant(0);
        ApplySymbolType(hostSupport(), axes::kOrthogonalArray, m_block);
        axes::loadDefaultAxes(hostSupport(), *m_block, axes::kOrthogonalArray);
    } else {
        loadHostDefaults(hostSupport(), m_block);
    }
    showArray();
}

void CDlgAxisArray::initExistingSymbol()
{
    // The host defaults are a new array's; an existing one keeps its own parameters and layer, and its axes.
    showArray();
}

void CDlgAxisArray::showArray()
{
    ShowAxes(m_block);
    FillPlacementLists();
    ShowPlacements(m_block);
}

void CDlgAxisArray::ShowAxes(IGeoBlock* block)
{
    if (block == nullptr || block->IsEmpty()) {
        m_controls.letters.table->setRows({});
        m_controls.numbers.table->setRows({});
        return;
    }
    // Read once for all the numbers shown: each read opens the store, and an array may have hundreds of axes.
    const std::uint32_t places = decimals();
    const auto format = [places](double value) { return formatNumber(value, places); };

    // All rows at once, without a change signal for every cell.
    const auto show = [&format](controls::CellGrid& table, const std::vector<axes::AxisRow>& axes) {
        std::vector<controls::CellGrid::Row> rows;
        rows.reserve(axes.size());
        for (const auto& axis : axes)
            rows.push_back(axisRow(text::cp1251ToQString(axis.name), format(axis.step), axis.step));
        table.setRows(std::move(rows));
    };
    const axes::AxisRows rows = axes::readAxes(*block);
    show(*m_controls.letters.table, rows.letters);
    show(*m_controls.numbers.table, rows.numbers);

    SelectAxisType(block->GetSymbolType());

    const axes::InsertionPoint insertion = axes::readInsertionPoint(*block);
    m_insertionTouched = false;
    if (insertion.state != axes::InsertionPoint::State::Unknown) {
        const bool given = insertion.state == axes::InsertionPoint::State::Given;
        m_controls.insertionGiven->setChecked(given);
        m_controls.insertionX->setText(given ? format(insertion.x) : QStringLiteral("0.000"));
        m_controls.insertionY->setText(given ? format(insertion.y) : QStringLiteral("0.000"));
        m_controls.insertionX->setEnabled(given);
        m_controls.insertionY->setEnabled(given);
        m_insertionX = insertion.x;
        m_insertionY = insertion.y;
    }

    // An existing array given an angle shows it as given; a new block's angle mode is only its default.
    const bool rotated = block->GetEditMode() != 0 && block->GetAngleMode() != 0;
    m_controls.angleGiven->setChecked(rotated);
    m_controls.angle->setEnabled(rotated);
    m_controls.angle->setText(format(block->GetAngle()));
    m_angle = block->GetAngle();
    m_angleTouched = false;

    m_controls.dimensionChain->setChecked(block->GetParam(axes::kDimensionChainParam) > 0.0);
    m_controls.overallDimension->setChecked(block->GetParam(axes::kOverallDimensionParam) > 0.0);

    if (block->GetEditMode() != 0) {
        // Where an existing array stands and on which layer is not this dialog's to change.
        m_controls.insertionGiven->setEnabled(false);
        m_controls.insertionX->setEnabled(false);
        m_controls.insertionY->setEnabled(false);
    }
}

void CDlgAxisArray::SelectAxisType(std::uint32_t symbolType)
{
    controls::selectChoice(*m_controls.type, symbolType);
    m_controls.preview->SetAxisType(m_controls.type->currentData().toUInt());
}

void CDlgAxisArray::FillPlacementLists()
{
    QComboBox& letters = *m_controls.letters.placement;
    QComboBox& numbers = *m_controls.numbers.placement;
    letters.clear();
    numbers.clear();
    const std::uint32_t type = m_controls.type->currentIndex() == 1 ? axes::kPolarArray : axes::kOrthogonalArray;
    controls::fillChoices(letters, axes::placementChoices(axes::AxisFamily::Letters, type));
    controls::fillChoices(numbers, axes::placementChoices(axes::AxisFamily::Numbers, type));
    letters.setCurrentIndex(-1);
    numbers.setCurrentIndex(-1);
}

void CDlgAxisArray::ShowPlacements(IGeoBlock* block)
{
    m_letterPlacement = axes::placementFromParam(block->GetParam(axes::kLetterPlacementParam));
    m_numberPlacement = axes::placementFromParam(block->GetParam(axes::kNumberPlacementParam));
    // Without a stored choice the box starts ticked.
    const auto& params = block->GetParamMap();
    const auto primitives = params.find(axes::kAsPrimitivesParam);
    m_controls.asPrimitives->setChecked(primitives == params.end() || primitives->second != 0.0);
    m_shownOptions = currentOptions();
    // A value without an entry stays in the member and goes back unchanged on acceptance.
    const auto show = [](QComboBox& list, axes::AxisFamily family, std::uint32_t placement) {
        if (!axes::placementInRange(family, placement) || !controls::selectChoice(list, placement))
            list.setCurrentIndex(-1);
    };
    show(*m_controls.letters.placement, axes::AxisFamily::Letters, m_letterPlacement);
    show(*m_controls.numbers.placement, axes::AxisFamily::Numbers, m_numberPlacement);
}

void CDlgAxisArray::OnTypeChosen(int entry)
{
    const std::uint32_t type = m_controls.type->itemData(entry).toUInt();
    m_block->SetSymbolType(type);
    m_controls.preview->SetAxisType(type);
    update();
    // A chosen type brings its own parameters, placements among them, but not its layer.
    ApplyChosenSymbolType(hostSupport(), type, m_block);
    axes::loadDefaultAxes(hostSupport(), *m_block, type);
    showArray();
    // A new array starts the chosen type at the stored scale again; on opening, the frame has done this.
    if (isNewSymbol())
        applyNewSymbolScale();
    UpdateScaleCaption(m_block->GetScale());
    // The tables are refilled without a signal per cell, so the pane is told here.
    blockChanged();
}

void CDlgAxisArray::AddAxis(AxisTable& table)
{
    controls::CellGrid& rows = *table.controls->table;
    const int count = rows.rowCount();
    // A new axis repeats the step of the one before it: grids are mostly regular.
    rows.appendRow(axisRow(axes::newAxisName(table.family, count), rows.text(count - 1, kStepColumn),
                           rows.value(count - 1, kStepColumn)));
}

void CDlgAxisArray::RemoveAxis(AxisTable& table)
{
    if (!holdsRow(table))
        return;
    // No row is left chosen, rather than a neighbour the user did not pick.
    table.controls->table->removeRow(table.nameEditor->row());
    table.controls->table->clearSelection();
}

bool CDlgAxisArray::holdsRow(const AxisTable& table)
{
    if (table.nameEditor == nullptr)
        return false;
    const int row = table.nameEditor->row();
    return row >= 0 && row < table.controls->table->rowCount();
}

void CDlgAxisArray::OpenEditors(AxisTable& table, int row)
{
    makeEditors(table);
    const controls::CellGrid& rows = *table.controls->table;
    const QRect area = rows.cellRect(row, kNameColumn).united(rows.cellRect(row, kStepColumn));
    const int half = (area.width() + 1) / 2;
    const int height = area.height() + 2;
    // The name editor opens last: it takes the focus.
    table.stepEditor->open(row, QRect(area.right() + 1 - half, area.top(), half, height), rows.text(row, kStepColumn));
    table.nameEditor->open(row, QRect(area.left(), area.top(), half, height), rows.text(row, kNameColumn));
}

void CDlgAxisArray::CopyStep(AxisTable& table, const QString& text)
{
    if (!holdsRow(table))
        return;
    controls::CellGrid& rows = *table.controls->table;
    const int row = table.stepEditor->row();
    rows.setText(row, kStepColumn, formatNumber(controls::parseLeadingNumber(text.toStdString()), decimals()));
    // A typed step is taken as the cell shows it.
    rows.setValue(row, kStepColumn, QVariant());
}

std::vector<axes::AxisRow> CDlgAxisArray::rowsOf(const AxisTable& table) const
{
    const controls::CellGrid& rows = *table.controls->table;
    std::vector<axes::AxisRow> result;
    result.reserve(static_cast<std::size_t>(rows.rowCount()));
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QVariant exact = rows.value(row, kStepColumn);
        result.push_back({text::qStringToCp1251(rows.text(row, kNameColumn)),
                          exact.isValid() ? exact.toDouble()
                                          : controls::parseLeadingNumber(rows.text(row, kStepColumn).toStdString())});
    }
    return result;
}

std::uint32_t CDlgAxisArray::decimals() const
{
    return services::CSysHub(environment()).GetDwordParams("", "Roundz");
}

QString CDlgAxisArray::formatNumber(double value, std::uint32_t decimals)
{
    return QString::fromStdString(controls::formatWithDecimals(decimals, value));
}

void CDlgAxisArray::WriteAxes()
{
    // What the user left as shown stays as the block has it, exactly.
    auto* scope = m_block->GetScopePoints();
    const bool hasInsertion = scope != nullptr && scope->FindPoint(axes::kInsertionScopePoint) != nullptr;
    if (m_insertionTouched || (isNewSymbol() && !hasInsertion)) {
        if (m_controls.insertionGiven->isChecked())
            axes::writeInsertionPoint(*m_block, true, shownNumber(*m_controls.insertionX, m_insertionX),
                                      shownNumber(*m_controls.insertionY, m_insertionY));
        else
            axes::writeInsertionPoint(*m_block, false);
    }
    const axes::AxisRows rows{rowsOf(m_letters), rowsOf(m_numbers)};
    if (rows != axes::readAxes(*m_block))
        axes::writeAxes(*m_block, rows);
    if (m_angleTouched || isNewSymbol()) {
        if (m_controls.angleGiven->isChecked()) {
            m_block->SetAngle(shownNumber(*m_controls.angle, m_angle));
            m_block->SetAngleMode(1);
        } else {
            m_block->SetAngleMode(0);
        }
    }
}

void CDlgAxisArray::accept()
{
    if (m_block != nullptr)
        WriteAxes();
    CSymbolDialog::accept();
}

void CDlgAxisArray::writeBackOnAccept()
{
    axes::saveDefaultAxes(hostSupport(), *m_block);
    // The block has its type's defaults since it was opened or its type chosen;
    // loading them again would undo the user's placements and properties.
    CSymbolDialog::writeBackOnAccept();
    // A new array gets all five options; an existing one only those the user changed.
    const axes::AxisOptions options = currentOptions();
    const bool all = isNewSymbol();
    if (all || options.letterPlacement != m_shownOptions.letterPlacement)
        m_block->SetParam(axes::kLetterPlacementParam, static_cast<double>(options.letterPlacement));
    if (all || options.numberPlacement != m_shownOptions.numberPlacement)
        m_block->SetParam(axes::kNumberPlacementParam, static_cast<double>(options.numberPlacement));
    if (all || options.dimensionChain != m_shownOptions.dimensionChain)
        m_block->SetParam(axes::kDimensionChainParam, options.dimensionChain);
    if (all || options.overallDimension != m_shownOptions.overallDimension)
        m_block->SetParam(axes::kOverallDimensionParam, options.overallDimension);
    if (all || options.asPrimitives != m_shownOptions.asPrimitives)
        m_block->SetParam(axes::kAsPrimitivesParam, options.asPrimitives);
}

axes::AxisOptions CDlgAxisArray::currentOptions() const
{
    const auto ticked = [](const QCheckBox* box) { return box->isChecked() ? 1.0 : 0.0; };
    return {m_letterPlacement, m_numberPlacement, ticked(m_controls.dimensionChain),
            ticked(m_controls.overallDimension), ticked(m_controls.asPrimitives)};
}

}  // namespace tarvelo::dialogs
