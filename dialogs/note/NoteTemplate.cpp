// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "NoteTemplate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

#include "CComboLayers.h"
#include "ChoiceBox.h"
#include "Choice.h"

namespace tarvelo::dialogs {

namespace {

using Id = NoteTemplate;

QComboBox* dropDownList(QWidget* parent, int number)
{
    auto* list = named(new controls::ChoiceBox(parent), number);
    controls::showSmallPictures(*list);
    return list;
}

QPushButton* recordButton(QWidget* parent, int number, const QString& caption)
{
    auto* button = named(new QPushButton(caption, parent), number);
    button->setAutoDefault(false);
    button->hide();
    return button;
}

/// Rows as tall as the record editor, so that the editor covers exactly the record it edits.
class RecordRowDelegate final : public QStyledItemDelegate {
public:
    RecordRowDelegate(int rowHeight, QObject* parent) : QStyledItemDelegate(parent), m_rowHeight(rowHeight) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QSize natural = QStyledItemDelegate::sizeHint(option, index);
        return {natural.width(), std::max(natural.height(), m_rowHeight)};
    }

private:
    int m_rowHeight;
};

}  // namespace

NoteControls buildNoteTemplate(QDialog& dialog, const FrameControls& frame)
{
    NoteControls controls;
    auto* layout = addTemplateColumn(dialog, frame);

    controls.type = dropDownList(&dialog, Id::kType);
    controls.type->setAccessibleName(QStringLiteral("Тип выноски"));
    layout->addWidget(controls.type);

    controls.group = named(new QGroupBox(QStringLiteral("Выноска"), &dialog), Id::kGroup);
    auto* group = new QVBoxLayout(controls.group);
    controls.upperText = named(new QLineEdit(controls.group), Id::kUpperText);
    controls.upperText->setAccessibleName(QStringLiteral("Текст над полкой"));
    controls.shelf = named(new QFrame(controls.group), Id::kShelf);
    controls.shelf->setFrameShape(QFrame::HLine);
    controls.shelf->setFrameShadow(QFrame::Sunken);
    controls.lowerText = named(new QLineEdit(controls.group), Id::kLowerText);
    controls.lowerText->setAccessibleName(QStringLiteral("Текст под полкой"));
    group->addWidget(controls.upperText);
    group->addWidget(controls.shelf);
    group->addWidget(controls.lowerText);

    // The records take the place of the texts; only one of the two is ever shown.
    controls.recordRow = new QHBoxLayout;
    group->addLayout(controls.recordRow);

    controls.multiPoint = named(new QCheckBox(QStringLiteral("Многоточечная"), controls.group), Id::kMultiPoint);
    group->addWidget(controls.multiPoint);

    auto* choices = new QGridLayout;
    controls.angleLabel = named(new QLabel(QStringLiteral("Шаг угла :"), controls.group), Id::kAngleLabel);
    controls.angle = dropDownList(controls.group, Id::kAngle);
    controls.angleLabel->setBuddy(controls.angle);
    auto* endingLabel = named(new QLabel(QStringLiteral("Окончание"), controls.group), Id::kEndingLabel);
    controls.ending = dropDownList(controls.group, Id::kEnding);
    endingLabel->setBuddy(controls.ending);
    choices->addWidget(controls.angleLabel, 0, 0);
    choices->addWidget(controls.angle, 0, 1);
    choices->addWidget(endingLabel, 1, 0);
    choices->addWidget(controls.ending, 1, 1);
    choices->setColumnStretch(1, 1);
    group->addLayout(choices);
    layout->addWidget(controls.group);

    addLayerGroup(*layout, dialog, frame, Id::kLayerGroup, QStringLiteral("Слой для объекта"));

    addButtonRow(*layout, frame);
    dialog.setMinimumWidth(360);
    return controls;
}

void buildNoteRecords(QDialog& dialog, NoteControls& controls)
{
    controls.records = named(new QListWidget(controls.group), Id::kRecords);
    controls.records->setSelectionMode(QAbstractItemView::SingleSelection);
    controls.records->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    controls.records->setMinimumHeight(96);
    controls.records->hide();
    controls.addRecord = recordButton(controls.group, Id::kAddRecord, QStringLiteral("+ запись"));
    controls.removeRecord = recordButton(controls.group, Id::kRemoveRecord, QStringLiteral("- запись"));
    auto* recordButtons = new QVBoxLayout;
    recordButtons->addWidget(controls.addRecord);
    recordButtons->addWidget(controls.removeRecord);
    recordButtons->addStretch(1);
    controls.recordRow->addWidget(controls.records, 1);
    controls.recordRow->addLayout(recordButtons);

    controls.recordEditor = named(new QLineEdit(&dialog), Id::kRecordEditor);
    controls.recordEditor->hide();
    controls.records->setItemDelegate(
        new RecordRowDelegate(controls.recordEditor->minimumSizeHint().height(), controls.records));

    // Made last, they would otherwise be last in the focus order too.
    setTabChain({controls.lowerText, controls.records, controls.addRecord, controls.removeRecord,
                 controls.recordEditor});
}

}  // namespace tarvelo::dialogs
