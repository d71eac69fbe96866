// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CDialogNote.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "CComboLayers.h"
#include "HostDefaultsLoader.h"
#include "NoteRules.h"
#include "RenderPicture.h"
#include "tarvelo/geometry/IExtData.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/geometry/TGeoItemCollection.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/QtText.h"

namespace tarvelo::dialogs {

namespace {

constexpr const char* kEndingValueName = "NoteEndline";
constexpr const char* kAngleValueName = "NoteDefaultAngle";

template <std::size_t Count>
std::vector<QIcon> loadImages(const std::array<int, Count>& pictures)
{
    std::vector<QIcon> images;
    images.reserve(Count);
    for (int picture : pictures)
        images.emplace_back(renderPicture(resources::bitmapPath(picture)));
    return images;
}

template <std::size_t Count>
void insertChoices(QComboBox& list, const std::array<NoteChoice, Count>& choices, const std::vector<QIcon>& images)
{
    for (const NoteChoice& choice : choices) {
        const QIcon image = choice.image >= 0 && std::size_t(choice.image) < images.size() ? images[choice.image]
                                                                                           : QIcon();
        list.addItem(image, QString::fromUtf8(choice.text), QVariant::fromValue(choice.value));
    }
    list.setCurrentIndex(0);
}

std::uint32_t selectedValue(const QComboBox& list)
{
    return list.currentData().toUInt();
}

/// Selects the first entry whose item data is `value`; false (and no change) when there is none.
bool selectValue(QComboBox& list, std::uint32_t value)
{
    const int entry = list.findData(QVariant::fromValue(value));
    if (entry < 0)
        return false;
    list.setCurrentIndex(entry);
    return true;
}

}  // namespace

CDialogNote::CDialogNote(QWidget* parent, services::IServiceEnvironment& environment)
    : CSymbolDialog(parent, environment, kNoteFrame), m_controls(buildNoteTemplate(*this, frame()))
{
    fillsLayersInInitControls = false;

    connect(m_controls.type, &QComboBox::activated, this,
            [this] { ArrangeNoteControls(selectedValue(*m_controls.type)); });
    connect(m_controls.ending, &QComboBox::activated, this, [this] {
        if (m_block != nullptr)
            m_block->SetSymbolVariant(selectedValue(*m_controls.ending));
    });
    connect(m_controls.angle, &QComboBox::activated, this, [this] {
        if (m_block != nullptr)
            m_block->SetAngle(double(selectedValue(*m_controls.angle)));
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
    connect(m_controls.addRecord, &QPushButton::clicked, this, &CDialogNote::addRecord);
    connect(m_controls.removeRecord, &QPushButton::clicked, this, &CDialogNote::removeRecord);
    connect(m_controls.records, &QListWidget::itemSelectionChanged, this, &CDialogNote::openRecordEditor);
    connect(m_controls.recordEditor, &QLineEdit::textEdited, this, &CDialogNote::writeRecords);
    m_controls.recordEditor->installEventFilter(this);
}

CDialogNote::~CDialogNote() = default;

void CDialogNote::InitControls()
{
    m_typeImages = loadImages(resources::kLeaderTypeImages);
    insertChoices(*m_controls.type, kNoteTypeChoices, m_typeImages);
    m_endingImages = loadImages(resources::kLeaderEndingImages);
    insertChoices(*m_controls.ending, kNoteEndingChoices, m_endingImages);
    insertChoices(*m_controls.angle, kNoteAngleChoices, {});
    for (int record = 1; record <= kNoteInitialRecords; ++record)
        m_controls.records->addItem(QString::number(record));
    // Laid over the list, the editor is placed in the list's own coordinates.
    m_controls.recordEditor->setParent(m_controls.records->viewport());
    m_controls.recordEditor->hide();
    m_tips.AddTool(m_controls.addRecord, QString::fromUtf8(kAddRecordTip));
    m_tips.AddTool(m_controls.removeRecord, QString::fromUtf8(kRemoveRecordTip));
    CSymbolDialog::InitControls();
}

void CDialogNote::InitFromBlock()
{
    fillLayerCombo();
    if (isNewSymbol())
        HostDefaultsLoader(hostSupport()).load(m_block);
    // An existing leader without points is still the user's: it is shown, not rebuilt.
    if (m_block->IsEmpty() && isNewSymbol()) {
        // A new leader's texts are what its empty fields show until the user types.
        if (auto* extData = m_block->GetExtData()) {
            extData->SetMainText("");
            extData->SetSubText("");
        }
        SetNoteType(kPositionLeader, kNoteEndingChoices.front().value, false);
        applyNewSymbolScale();
        services::CSysHub hub(environment());
        const std::uint32_t ending = hub.GetDwordParams("", kEndingValueName);
        const std::uint32_t angle = hub.GetDwordParams("", kAngleValueName);
        // A remembered value that no entry carries changes neither the list nor the block.
        if (selectValue(*m_controls.angle, angle))
            m_block->SetAngle(double(angle));
        if (selectValue(*m_controls.ending, ending))
            m_block->SetSymbolVariant(ending);
    } else if (!isNewSymbol()) {
        const std::uint32_t type = m_block->GetSymbolType();
        SelectNoteType(type);
        ArrangeNoteControls(type);
        ShowNoteTexts(*m_block);
        SelectNoteEnding(m_block->GetSymbolVariant());
    }
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
        for (QWidget* text : {static_cast<QWidget*>(m_controls.upperText), static_cast<QWidget*>(m_controls.shelf),
                              static_cast<QWidget*>(m_controls.lowerText)})
            text->setVisible(layout->textsShown);
        for (QWidget* angle : {static_cast<QWidget*>(m_controls.angleLabel), static_cast<QWidget*>(m_controls.angle),
                               static_cast<QWidget*>(m_controls.multiPoint)})
            angle->setVisible(layout->angleGroupShown);
        if (layout->angleToFirst)
            m_controls.angle->setCurrentIndex(0);
        m_controls.angle->setEnabled(layout->angleEnabled);
        m_controls.multiPoint->setEnabled(layout->multiPointEnabled);
        m_controls.multiPoint->setChecked(layout->multiPointTicked);
        for (QWidget* records :
             {static_cast<QWidget*>(m_controls.records), static_cast<QWidget*>(m_controls.addRecord),
              static_cast<QWidget*>(m_controls.removeRecord)})
            records->setVisible(layout->recordsShown);
        multiPoint = layout->multiPoint;
    }
    if (!isNewSymbol()) {
        frame().layers->setEnabled(false);
        m_controls.type->setEnabled(false);
    } else {
        SetNoteType(symbolType, selectedValue(*m_controls.ending), multiPoint);
    }
}

void CDialogNote::SelectNoteType(std::uint32_t symbolType)
{
    if (!selectValue(*m_controls.type, symbolType))
        m_controls.type->setCurrentIndex(0);
}

void CDialogNote::SelectNoteEnding(std::uint32_t ending)
{
    if (!selectValue(*m_controls.ending, ending))
        m_controls.ending->setCurrentIndex(0);
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
        SelectNoteEnding(block.GetSymbolVariant());
        break;
    case kMultilayerLeader:
        SelectNoteEnding(block.GetSymbolVariant());
        LoadNoteRecords(block);
        break;
    default:
        break;
    }
}

void CDialogNote::LoadNoteRecords(GEOTYPE_DEFINITION::IGeoBlock& block)
{
    const QSignalBlocker quiet(m_controls.records);
    m_controls.records->clear();
    for (const std::string& record : readNoteRecords(block))
        m_controls.records->addItem(text::cp1251ToQString(record));
}

void CDialogNote::accept()
{
    // Enter in the editor accepts without leaving it: its text counts as entered.
    if (m_editorOpen)
        commitRecordEditor();
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

bool CDialogNote::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_controls.recordEditor && event->type() == QEvent::FocusOut && m_editorOpen)
        commitRecordEditor();
    return CSymbolDialog::eventFilter(watched, event);
}

void CDialogNote::onMultiPointClicked()
{
    const bool multiPoint = m_controls.multiPoint->isChecked();
    if (multiPoint) {
        selectValue(*m_controls.angle, kNoteAngleChoices.front().value);
        if (m_block != nullptr)
            m_block->SetAngle(0.0);
    }
    m_controls.angle->setEnabled(!multiPoint);
    SetNoteType(selectedValue(*m_controls.type), selectedValue(*m_controls.ending), multiPoint);
}

void CDialogNote::addRecord()
{
    const int count = m_controls.records->count();
    m_controls.records->insertItem(count, QString::number(count + 1));
    writeRecords();
}

void CDialogNote::removeRecord()
{
    if (m_controls.recordEditor->isVisible()) {
        m_editorOpen = false;
        m_controls.recordEditor->lower();
        m_controls.recordEditor->hide();
    }
    // The index stays: a second click removes the record that moved up into its place.
    if (m_currentRecord < 0 || m_currentRecord >= m_controls.records->count())
        return;
    const QSignalBlocker quiet(m_controls.records);
    delete m_controls.records->takeItem(m_currentRecord);
    forgetRecordSelection();
    writeRecords();
}

void CDialogNote::openRecordEditor()
{
    const QList<QListWidgetItem*> selected = m_controls.records->selectedItems();
    if (selected.isEmpty())
        return;
    QLineEdit& editor = *m_controls.recordEditor;
    m_editorOpen = false;
    editor.hide();
    QListWidgetItem* record = selected.front();
    m_currentRecord = m_controls.records->row(record);
    const QRect place = m_controls.records->visualItemRect(record);
    editor.setGeometry(place);
    editor.raise();
    editor.show();
    editor.setText(record->text());
    editor.setFocus();
    m_editorOpen = true;
}

void CDialogNote::commitRecordEditor()
{
    m_editorOpen = false;
    const QString text = m_controls.recordEditor->text();
    if (m_currentRecord >= 0 && m_currentRecord < m_controls.records->count()) {
        const QSignalBlocker quiet(m_controls.records);
        delete m_controls.records->takeItem(m_currentRecord);
        m_controls.records->insertItem(m_currentRecord, text);
        forgetRecordSelection();
    }
    m_controls.recordEditor->hide();
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
        const bool edited = m_editorOpen && row == m_currentRecord;
        const QString text = edited ? m_controls.recordEditor->text() : m_controls.records->item(row)->text();
        records.push_back(text::qStringToCp1251(text));
    }
    return records;
}

void CDialogNote::writeRecords()
{
    if (m_block == nullptr || m_block->GetSymbolType() != kMultilayerLeader)
        return;
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
        if (auto* items = m_block->GetItems()) {
            const GEOTYPE_DEFINITION::POSITION end = items->GetEndPosition();
            for (GEOTYPE_DEFINITION::POSITION position = items->GetStartPosition(); position != end;) {
                std::uint32_t key = 0;
                GEOTYPE_DEFINITION::IGeoItem* item = nullptr;
                items->GetNextItem(position, key, item);
                if (item == nullptr)
                    break;
                m_itemsBeforeRecords->SetItemCopy(key, item);
            }
        }
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
