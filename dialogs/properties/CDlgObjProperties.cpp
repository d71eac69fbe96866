// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CDlgObjProperties.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include "CClrListBox.h"
#include "CellEditor.h"
#include "CColorPickerCB.h"
#include "ColorIndex.h"
#include "HostServices.h"
#include "HostSupportSession.h"
#include "NumberText.h"
#include "ObjPropertiesRules.h"
#include "RenderPicture.h"
#include "ResourceIds.h"
#include "TableWalk.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/CompanionApi.h"
#include "tarvelo/services/MakerLibraries.h"
#include "tarvelo/services/QtText.h"

namespace tarvelo::dialogs {

namespace exports = services::exports;
using GEOTYPE_DEFINITION::IGeoBlock;

namespace {

constexpr int kValueColumn = 1;
// A geometry row's exact value, kept beside the rounded text until the user types over it.
constexpr int kExactValueRole = Qt::UserRole;

}  // namespace

CDlgObjProperties::CDlgObjProperties(QWidget* parent, services::IServiceEnvironment& environment,
                                     const HostSupportSession* hostSupport)
    : QDialog(parent), m_environment(environment),
      m_hostSupport(hostSupport != nullptr ? *hostSupport : m_ownHostSupport.emplace(environment)),
      m_controls(buildObjPropertiesTemplate(*this, environment))
{
    InitControls();
}

bool CDlgObjProperties::EditBlock(hostcad::IDrawingDatabase* drawing, IGeoBlock* block)
{
    if (block == nullptr)
        return false;
    m_drawing = drawing;
    if (block->GetSymbolType() == 0)
        return false;
    m_block = block;
    if (block->GetEditMode() != 0)
        callHostSupport<exports::DescribeAttributes>(m_hostSupport, block);

    InitFromBlock();
    const bool saved = exec() == QDialog::Accepted;
    if (saved)
        callHostSupport<exports::UpdateAttributes>(m_hostSupport, block);
    m_block = nullptr;
    m_drawing = nullptr;
    return saved;
}

void CDlgObjProperties::InitControls()
{
    m_page = m_controls.pages->currentIndex();
    m_controls.list->SetPageMode(static_cast<std::uint32_t>(m_page));
    m_controls.list->viewport()->installEventFilter(this);

    connect(m_controls.pages, &QTabBar::currentChanged, this, &CDlgObjProperties::onPageChanged);
    connect(m_controls.list, &QTreeWidget::itemSelectionChanged, this, &CDlgObjProperties::onRowSelected);
    connect(m_controls.list->header(), &QHeaderView::sectionResized, this, &CDlgObjProperties::hideEditors);
    m_valueEditor = new controls::CellEditor(*m_controls.valueEdit, *m_controls.list,
                                             controls::CellEditor::Commit::WhileTyping);
    connect(m_valueEditor, &controls::CellEditor::edited, this, &CDlgObjProperties::onValueTyped);
    connect(m_controls.choices, &QComboBox::activated, this, &CDlgObjProperties::onChoiceConfirmed);
    connect(m_controls.settings, &QPushButton::clicked, this, &CDlgObjProperties::onSettings);
    connect(m_controls.save, &QPushButton::clicked, this, &CDlgObjProperties::onSave);
    connect(m_controls.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CDlgObjProperties::InitFromBlock()
{
    // A refilled list has none of the rows the editors were laid over.
    m_editedRow = -1;
    m_controls.list->clear();
    // Told before the rows arrive, so the swatch is asked for the graphics page's colour only.
    m_controls.list->SetPageMode(static_cast<std::uint32_t>(m_page));
    if (m_block != nullptr) {
        if (m_page == kGraphicsPage)
            fillGraphicsPage();
        else
            fillGeometryPage();
    }
    showScheme();
}

void CDlgObjProperties::fillGeometryPage()
{
    auto* rows = static_cast<services::IParamRowSink*>(m_controls.list);
    callHostSupport<exports::FillParamRecs>(m_hostSupport, m_block->GetSymbolType(), rows);
    const std::uint32_t places = decimals();
    for (int row = 0; row < m_controls.list->topLevelItemCount(); ++row) {
        const std::uint32_t key = m_controls.list->GetItemData(row);
        QTreeWidgetItem* item = m_controls.list->topLevelItem(row);
        item->setText(kValueColumn, text::cp1251ToQString(controls::formatWithDecimals(places, m_block->GetParam(key))));
        item->setData(kValueColumn, kExactValueRole, m_block->GetParam(key));
    }
}

void CDlgObjProperties::fillGraphicsPage()
{
    if (m_block->GetTraits() == nullptr)
        return;
    for (const PropertyRow& row : readGraphicsRows(*m_block->GetTraits())) {
        m_controls.list->addRow(row.name.c_str(), row.itemData);
        m_controls.list->topLevelItem(m_controls.list->topLevelItemCount() - 1)
            ->setText(kValueColumn, text::cp1251ToQString(row.value));
    }
}

void CDlgObjProperties::showScheme()
{
    const std::uint32_t symbolType = m_block != nullptr ? m_block->GetSymbolType() : 0;
    m_controls.scheme->setPixmap(renderPicture(resources::bitmapPath(schemePictureOf(symbolType))));
}

void CDlgObjProperties::onPageChanged(int page)
{
    hideEditors();
    m_page = page;
    InitFromBlock();
}

void CDlgObjProperties::onRowSelected()
{
    QTreeWidgetItem* current = m_controls.list->currentItem();
    if (current == nullptr || !current->isSelected())
        return;
    const int row = m_controls.list->indexOfTopLevelItem(current);
    m_controls.choices->hide();
    m_editedRow = row;
    if (m_page == kGraphicsPage) {
        prepareChoices(row);
        placeChoices(*current);
    } else {
        placeValueEdit(*current);
    }
}

void CDlgObjProperties::placeValueEdit(QTreeWidgetItem& row)
{
    const QRect cell = m_controls.list->visualItemRect(&row);
    const int width = m_controls.list->columnWidth(kValueColumn);
    m_valueEditor->open(m_editedRow, QRect(cell.right() + 1 - width, cell.top() - 1, width, cell.height() + 2),
                        row.text(kValueColumn));
    m_controls.valueEdit->selectAll();
}

void CDlgObjProperties::placeChoices(QTreeWidgetItem& row)
{
    const QRect cell = m_controls.list->visualItemRect(&row);
    const int left = m_controls.list->header()->sectionViewportPosition(kValueColumn);
    const QPoint topLeft = m_controls.list->viewport()->mapTo(this, QPoint(left, cell.top() - 3));
    m_controls.choices->setGeometry(topLeft.x(), topLeft.y(), m_controls.list->columnWidth(kValueColumn),
                                    m_controls.choices->sizeHint().height());
    m_controls.choices->show();
    m_controls.choices->raise();
}

void CDlgObjProperties::prepareChoices(int row)
{
    controls::CColorPickerCB& choices = *m_controls.choices;
    choices.clear();
    const ChoiceRequest request = choicesForItemData(m_controls.list->GetItemData(row));
    if (request.source == ChoiceSource::DrawingLineTypes) {
        fillDrawingLineTypes(m_controls.list->topLevelItem(row)->text(kValueColumn));
        return;
    }
    callHostSupport<exports::FillComboBox>(m_hostSupport, row, request.listCode,
                                           static_cast<services::IChoiceSink*>(&choices));
    // The list opens on the row's own value when the library offers it.
    choices.setCurrentIndex(choices.findData(request.listCode));
}

void CDlgObjProperties::fillDrawingLineTypes(const QString& currentText)
{
    controls::CColorPickerCB& choices = *m_controls.choices;
    const hostcad::TableNames lineTypes =
        hostcad::readTableNames(m_drawing, hostcad::TableKind::Linetypes, hostcad::FailedRecords::ReadAnyway);
    std::uint32_t position = 0;
    for (const std::string& name : lineTypes.names)
        choices.addChoice(name.c_str(), ++position);
    const int current = choices.findText(currentText, Qt::MatchExactly);
    choices.setCurrentIndex(current >= 0 ? current : (choices.count() > 0 ? 0 : -1));
    choices.setPresentationMode(controls::CColorPickerCB::kTextMode);
}

void CDlgObjProperties::onValueTyped(int edited, const QString& text)
{
    QTreeWidgetItem* row = m_controls.list->topLevelItem(edited);
    if (row == nullptr)
        return;
    row->setText(kValueColumn, text::cp1251ToQString(valueTextOfTyped(text::qStringToCp1251(text), decimals())));
    row->setData(kValueColumn, kExactValueRole, QVariant());
}

void CDlgObjProperties::onChoiceConfirmed(int entry)
{
    QTreeWidgetItem* row = m_controls.list->topLevelItem(m_editedRow);
    if (row == nullptr || entry < 0)
        return;
    const QString text = m_controls.choices->itemText(entry);
    const std::uint32_t entryItemData = m_controls.choices->itemData(entry).toUInt();

    ChoiceServices services;
    services.pickColor = [](int startNumber) -> std::optional<int> {
        int colorNumber = startNumber;
        if (!hostcad::zcedSetColorDialog(colorNumber, true, 0))
            return std::nullopt;
        return colorNumber;
    };
    services.screenColor = hostcad::zcedGetRGB;
    services.appendColor = [this](int number, const std::string& name, std::uint16_t red, std::uint16_t green,
                                  std::uint16_t blue) {
        return callHostSupport<exports::AppendColorDb>(m_hostSupport, std::int32_t{number},
                                                       name.c_str(), red, green, blue);
    };
    services.appendLineType = [this](const std::string& name) {
        return callHostSupport<exports::AppendLineTypeDb>(m_hostSupport, name.c_str());
    };

    const std::uint32_t itemData = itemDataAfterChoice(m_controls.list->GetItemData(m_editedRow), entryItemData,
                                                       text::qStringToCp1251(text), services);
    m_controls.list->SetItemData(m_editedRow, itemData);
    row->setText(kValueColumn, text);
}

void CDlgObjProperties::onSave()
{
    auto* traits = m_block != nullptr ? m_block->GetTraits() : nullptr;
    if (m_block != nullptr && m_page == kGeometryPage) {
        std::vector<GeometryRowValue> values;
        for (int row = 0; row < m_controls.list->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = m_controls.list->topLevelItem(row);
            const QVariant exact = item->data(kValueColumn, kExactValueRole);
            values.push_back({text::qStringToCp1251(item->text(kValueColumn)),
                              exact.isValid() ? std::optional<double>(exact.toDouble()) : std::nullopt});
        }
        writeGeometryValues(values, *m_block);
        if (traits != nullptr)
            traits->SetChanged(0);
        callHostSupport<exports::UpdateAttributes>(m_hostSupport, m_block);
    } else if (m_block != nullptr && traits != nullptr) {
        std::vector<PropertyRow> rows;
        for (int row = 0; row < m_controls.list->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = m_controls.list->topLevelItem(row);
            rows.push_back({text::qStringToCp1251(item->text(0)), text::qStringToCp1251(item->text(kValueColumn)),
                            m_controls.list->GetItemData(row)});
        }
        writeGraphicsRows(rows, *traits);
        traits->SetChanged(1);
        callHostSupport<exports::UpdateAttributes>(m_hostSupport, m_block);

        const auto readTraits = m_hostSupport.find<exports::ReadTraits>();
        if (const BorrowedBlock stored = m_hostSupport.borrow(readTraits != nullptr ? readTraits(m_block->GetSymbolType()) : nullptr))
            traits->CopyFrom(stored->GetTraits());
    }
    accept();
}

void CDlgObjProperties::onSettings()
{
    const QWidget* owner = parentWidget();
    const std::uintptr_t ownerHandle = owner != nullptr ? static_cast<std::uintptr_t>(owner->window()->winId()) : 0;
    services::FxSettingsLibraryHolder(m_environment).SettingsDialog(ownerHandle, 0);
}

void CDlgObjProperties::hideEditors()
{
    m_valueEditor->close();
    m_controls.choices->hide();
}

bool CDlgObjProperties::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_controls.list->viewport() && event->type() == QEvent::Resize)
        fitColumns();
    return QDialog::eventFilter(watched, event);
}

void CDlgObjProperties::fitColumns()
{
    const int width = m_controls.list->viewport()->width();
    m_controls.list->setColumnWidth(0, width * kNameColumnShare / 100);
    m_controls.list->setColumnWidth(kValueColumn, width * kValueColumnShare / 100);
}

std::uint32_t CDlgObjProperties::decimals()
{
    return services::CSysHub(m_environment).GetDwordParams("", "Roundz");
}

}  // namespace tarvelo::dialogs
