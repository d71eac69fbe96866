// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CDialogNote.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "CComboLayers.h"
#include "CellEditor.h"
#include "Choice.h"
#include "HostDefaultsLoader.h"
#include "NoteRules.h"
#include "RenderPicture.h"
#include "tarvelo/geometry/ForEachEntry.h"
#include "tarvelo/geometry/IExtData.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/TGeoItemCollection.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/QtText.h"

namespace tarvelo::dialogs {

namespace {

constexpr const char* kEndingValueName = "NoteEndline";
constexpr const char* kAngleValueName = "NoteDefaultAngle";

void fillList(QComboBox& list, std::span<const controls::Choice> choices)
{
    controls::fillChoices(list, choices, [](int picture) { return QIcon(renderPicture(resources::bitmapPath(picture))); });
    list.setCurrentIndex(0);
}

// Selects the entry with this value, or the first one; the block is not touched.
void selectOrFirst(QComboBox& list, std::uint32_t value)
{
    if (!controls::selectChoice(list, value))
        list.setCurrentIndex(0);
}

void showAll(std::initializer_list<QWidget*> widgets, bool visible)
{
    for (QWidget* widget : widgets)
        widget->setVisible(visible);
}

}  // namespace

CDialogNote::CDialogNote(QWidget* parent, services::IServiceEnvironment& environment)
    : CSymbolDialog(parent, environment, kNoteFrame), m_controls(buildNoteTemplate(*this, frame()))
{
    connect(m_controls.type, &QComboBox::activated, this,
            [this] { ArrangeNoteControls(controls::chosenValue(*m_controls.type)); });
    connect(m_controls.ending, &QComboBox::activated, this, [this] {
        if (m_block != nullptr)
            m_block->SetSymbolVariant(controls::chosenValue(*m_controls.ending));
    });
    connect(m_controls.angle, &QComboBox::activated, this, [this] {
        if (m_block != nullptr)
            m_block->SetAngle(double(controls::chosenValue(*m_controls.angle)));
    });
    connect(m_controls.upperText, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_block != nullptr && m_block->GetExtData() != nullptr)
            m_block->GetExtData()->SetMainText(text::qStringToCp1251(text));
    });
    connect(m_controls.lowerText, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_block != nullptr && m_block->GetExtData() != nullptr)
            m_block->GetExtData()->SetSubText(text::qStringToCp1251(text));
    });
    connect(m_controls.multiPoint, &QCheckBox::clicked, this, &CDialogNote::onMultiPointClicked);
}

CDialogNote::~CDialogNote() = default;

void CDialogNote::InitControls()
{
    fillList(*m_controls.type, kNoteTypeChoices);
    fillList(*m_controls.ending, kNoteEndingChoices);
    fillList(*m_controls.angle, kNoteAngleChoices);
    CSymbolDialog::InitControls();
}

void CDialogNote::makeRecords()
{
    if (m_controls.records != nullptr)
        return;
    buildNoteRecords(*this, m_controls);
    for (int record = 1; record <= kNoteInitialRecords; ++record)
        m_controls.records->addItem(QString::number(record));
    m_tips.AddTool(m_controls.addRecord, QString::fromUtf8(kAddRecordTip));
    m_tips.AddTool(m_controls.removeRecord, QString::fromUtf8(kRemoveRecordTip));
    connect(m_controls.addRecord, &QPushButton::clicked, this, &CDialogNote::addRecord);
    connect(m_controls.removeRecord, &QPushButton::clicked, this, &CDialogNote::removeRecord);
    connect(m_controls.records, &QListWidget::itemSelectionChanged, this, &CDialogNote::openRecordEditor);
    m_recordEditor = new controls::CellEditor(*m_controls.recordEditor, *m_controls.records,
                                              controls::CellEditor::Commit::OnLeave);
    connect(m_recordEditor, &controls::CellEditor::committed, this, &CDialogNote::commitRecord);
    // The block follows each keystroke, so that the preview shows the record as it is typed.
    connect(m_controls.recordEditor, &QLineEdit::textEdited, this, &CDialogNote::writeRecords);
    for (QWidget* control : std::initializer_list<QWidget*>{m_controls.records, m_controls.addRecord,
                                                            m_controls.removeRecord, m_controls.recordEditor})
        followLateControl(*control);
}

void CDialogNote::initNewSymbol()
{
    loadHostDefaults(hostSupport(), m_block);
    // A new leader the host gave points to keeps them.
    if (!m_block->IsEmpty())
        return;
    // A new leader's texts are what its empty fields show until the user types.
    if (auto* extData = m_block->GetExtData()) {
        extData->SetMainText("");
        extData->SetSubText("");
    }
    SetNoteType(kPositionLeader, kNoteEndingChoices.front().value, false);
    services::CSysHub hub(environment());
    const std::uint32_t ending = hub.GetDwordParams("", kEndingValueName);
    const std::uint32_t angle = hub.GetDwordParams("", kAngleValueName);
    // A remembered value that no entry carries changes neither the list nor the block.
    if (controls::selectChoice(*m_controls.angle, angle))
        m_block->SetAngle(double(angle));
    if (controls::selectChoice(*m_controls.ending, ending))
        m_block->SetSymbolVariant(ending);
}

bool CDialogNote::takesStoredScale() const
{
    return m_block->IsEmpty();
}

void CDialogNote::initExistingSymbol()
{
    // An existing leader, even one without points, is shown, not rebuilt.
    const std::uint32_t type = m_block->GetSymbolType();
    selectOrFirst(*m_controls.type, type);
    ArrangeNoteControls(type);
    ShowNoteTexts(*m_block);
    selectOrFirst(*m_controls.ending, m_block->GetSymbolVariant());
}

void CDialogNote::SetNoteType(std::uint32_t symbolType, std::uint32_t /*ending*/, bool multiPoint)
{
    if (m_block == nullptr)
        return;
    m_block->SetSymbolType(symbolType);
    if (auto* scopePoints = m_block->GetScopePoints())
        rebuildNoteScopePoints(*scopePoints, symbolType, multiPoint);
    ApplySymbolType(hostSupport(), symbolType, m_block);
    if (symbolType == kMultilayerLeader)
        writeRecords();
    else
        restoreItemsBeforeRecords();
}

void CDialogNote::ArrangeNoteControls(std::uint32_t symbolType)
{
    bool multiPoint = false;
    if (const auto layout = noteControlsLayout(symbolType, !isNewSymbol())) {
        if (layout->endingToFirst)
            m_controls.ending->setCurrentIndex(0);
        m_controls.ending->setEnabled(layout->endingEnabled);
        showAll({m_controls.upperText, m_controls.shelf, m_controls.lowerText}, layout->textsShown);
        showAll({m_controls.angleLabel, m_controls.angle, m_controls.multiPoint}, layout->angleGroupShown);
        if (layout->angleToFirst)
            m_controls.angle->setCurrentIndex(0);
        m_controls.angle->setEnabled(layout->angleEnabled);
        m_controls.multiPoint->setEnabled(layout->multiPointEnabled);
        m_controls.multiPoint->setChecked(layout->multiPointTicked);
        if (layout->recordsShown)
            makeRecords();
        if (m_controls.records != nullptr)
            showAll({m_controls.records, m_controls.addRecord, m_controls.removeRecord}, layout->recordsShown);
        multiPoint = layout->multiPoint;
    }
    if (!isNewSymbol()) {
        m_controls.type->setEnabled(false);
    } else {
        SetNoteType(symbolType, controls::chosenValue(*m_controls.ending), multiPoint);
    }
}

void CDialogNote::ShowNoteTexts(GEOTYPE_DEFINITION::IGeoBlock& block)
{
    switch (block.GetSymbolType()) {
    case kPositionLeader:
    case kCombLeader:
        if (const auto* extData = block.GetExtData()) {
            // Showing the texts must not write them back as if they had been typed.
            const QSignalBlocker quietUpper(m_controls.upperText);
            const QSignalBlocker quietLower(m_controls.lowerText);
            m_controls.upperText->setText(text::cp1251ToQString(extData->GetMainText()));
            m_controls.lowerText->setText(text::cp1251ToQString(extData->GetSubText()));
        }
        selectOrFirst(*m_controls.ending, block.GetSymbolVariant());
        break;
    case kMultilayerLeader:
        selectOrFirst(*m_controls.ending, block.GetSymbolVariant());
        LoadNoteRecords(block);
        break;
    default:
        break;
    }
}

void CDialogNote::LoadNoteRecords(GEOTYPE_DEFINITION::IGeoBlock& block)
{
    makeRecords();
    const QSignalBlocker quiet(m_controls.records);
    m_controls.records->clear();
    for (const std::string& record : readNoteRecords(block))
        m_controls.records->addItem(text::cp1251ToQString(record));
}

void CDialogNote::accept()
{
    // Enter in the editor accepts without leaving it: its text counts as entered.
    if (m_recordEditor != nullptr)
        m_recordEditor->commit();
    writeRecords();
    CSymbolDialog::accept();
}

void CDialogNote::afterCancel()
{
    restoreItemsBeforeRecords();
}

void CDialogNote::saveDefaults()
{
    services::CSysHub hub(environment());
    hub.SetDwordParam("", kEndingValueName, m_block->GetSymbolVariant());
    hub.SetDwordParam("", kAngleValueName, storedAngleStep(m_block->GetAngle()));
}

void CDialogNote::onMultiPointClicked()
{
    const bool multiPoint = m_controls.multiPoint->isChecked();
    if (multiPoint) {
        controls::selectChoice(*m_controls.angle, kNoteAngleChoices.front().value);
        if (m_block != nullptr)
            m_block->SetAngle(0.0);
    }
    m_controls.angle->setEnabled(!multiPoint);
    SetNoteType(controls::chosenValue(*m_controls.type), controls::chosenValue(*m_controls.ending), multiPoint);
}

void CDialogNote::addRecord()
{
    const int count = m_controls.records->count();
    m_controls.records->insertItem(count, QString::number(count + 1));
    writeRecords();
}

void CDialogNote::removeRecord()
{
    m_recordEditor->close();
    // The row stays: a second click removes the record that moved up into its place.
    const int row = m_recordEditor->row();
    if (row < 0 || row >= m_controls.records->count())
        return;
    const QSignalBlocker quiet(m_controls.records);
    delete m_controls.records->takeItem(row);
    forgetRecordSelection();
    writeRecords();
}

void CDialogNote::openRecordEditor()
{
    const QList<QListWidgetItem*> selected = m_controls.records->selectedItems();
    if (selected.isEmpty())
        return;
    QListWidgetItem* record = selected.front();
    m_recordEditor->open(m_controls.records->row(record), m_controls.records->visualItemRect(record), record->text());
}

void CDialogNote::commitRecord(int row, const QString& text)
{
    if (row < 0 || row >= m_controls.records->count())
        return;
    {
        const QSignalBlocker quiet(m_controls.records);
        delete m_controls.records->takeItem(row);
        m_controls.records->insertItem(row, text);
        forgetRecordSelection();
    }
    writeRecords();
    blockChanged();
}

void CDialogNote::forgetRecordSelection()
{
    // A replaced or removed record leaves nothing selected, so choosing any record opens the editor again.
    m_controls.records->clearSelection();
    m_controls.records->setCurrentRow(-1);
}

std::vector<std::string> CDialogNote::shownRecords() const
{
    std::vector<std::string> records;
    records.reserve(std::size_t(m_controls.records->count()));
    for (int row = 0; row < m_controls.records->count(); ++row) {
        const bool edited = m_recordEditor->isOpen() && row == m_recordEditor->row();
        const QString text = edited ? m_controls.recordEditor->text() : m_controls.records->item(row)->text();
        records.push_back(text::qStringToCp1251(text));
    }
    return records;
}

void CDialogNote::writeRecords()
{
    if (m_block == nullptr || m_block->GetSymbolType() != kMultilayerLeader)
        return;
    makeRecords();
    const std::vector<std::string> records = shownRecords();
    // An empty list, or the records the block came with, leave its items as they were: keys, styles and all.
    if (m_itemsBeforeRecords != nullptr && (records.empty() || records == m_recordsBefore)) {
        restoreItemsBeforeRecords();
        return;
    }
    if (records.empty() || records == readNoteRecords(*m_block))
        return;
    if (m_itemsBeforeRecords == nullptr) {
        m_recordsBefore = readNoteRecords(*m_block);
        m_itemsBeforeRecords = std::make_unique<GEOTYPE_DEFINITION::TGeoItemCollection>();
        GEOTYPE_DEFINITION::forEachItem(m_block->GetItems(), [this](std::uint32_t key, auto& item) {
            m_itemsBeforeRecords->SetItemCopy(key, &item);
        });
    }
    writeNoteRecords(*m_block, records);
}

void CDialogNote::restoreItemsBeforeRecords()
{
    // Records belong to the multilayer leader only: another type gets back what the block held.
    if (m_itemsBeforeRecords == nullptr || m_block == nullptr)
        return;
    m_block->SetItems(m_itemsBeforeRecords.get());
    m_itemsBeforeRecords.reset();
}

}  // namespace tarvelo::dialogs
