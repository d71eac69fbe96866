// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CComboLayers.h"

#include <QApplication>
#include <QCompleter>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QStyleOptionComboBox>
#include <QtMath>
#include <algorithm>
#include <exception>

#include "LayerNameModel.h"
#include "TableWalk.h"
#include "tarvelo/services/IMessageService.h"
#include "tarvelo/services/QtText.h"

namespace tarvelo::controls {

namespace {

// Wide enough for the usual layer names without measuring any of them.
constexpr int kShownNameLength = 20;

// A completer that only keeps setLineEdit from making one over the model. It is lent to each
// new field and taken back at once, and made once: building one connects its proxy model by
// signature strings, which costs two thirds of what the rest of the combo does.
QCompleter* placeholderCompleter()
{
    static QPointer<QCompleter> completer;
    if (completer.isNull())
        completer = new QCompleter(QCoreApplication::instance());
    return completer;
}

}  // namespace

CComboLayers::CComboLayers(services::IMessageService& messages, QWidget* parent)
    : QComboBox(parent), m_messages(messages), m_names(new LayerNameModel(this))
{
    // setEditable would build the drop-down at once and a completer over the
    // model, which together cost more than the rest of the combo. The field
    // brings the placeholder instead, so that the combo makes none of its own.
    auto* field = new QLineEdit(this);
    field->setPalette(palette());
    field->setCompleter(placeholderCompleter());
    setLineEdit(field);
    setInsertPolicy(QComboBox::NoInsert);
    // Completion would add to what the user types and search every name on each key.
    setCompleter(nullptr);
    setModel(m_names);

    connect(this, &QComboBox::activated, this, &CComboLayers::copyToTarget);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_edited = true; });
    connect(lineEdit(), &QLineEdit::returnPressed, this, &CComboLayers::copyToTarget);
}

void CComboLayers::FillLayers(hostcad::IDrawingDatabase* drawing, std::string* target)
{
    m_target = target;
    m_copied.clear();
    if (drawing == nullptr)
        return;
    LayerNameModel::Names names;
    const std::string failure = hostcad::walkTableNames(
        drawing, hostcad::TableKind::Layers, hostcad::FailedRecords::Skip,
        [&names](const hostcad::HostText& name) { names.append(name.utf8()); });
    if (!failure.empty())
        m_messages.show("Системное окружение", "Ошибка при считывании слоев", services::MessageIcon::Error);
    if (names.empty())
        return;
    try {
        const std::string_view front = names.at(0);
        const QString first = QString::fromUtf8(front.data(), static_cast<qsizetype>(front.size()));
        m_names->setNames(std::move(names));
        setEditText(first);
    } catch (const std::exception& failure) {
        m_messages.show("", failure.what(), services::MessageIcon::Warning);
    }
}

void CComboLayers::setLayerName(const std::string& name)
{
    m_copied.clear();
    setEditText(text::cp1251ToQString(name));
}

void CComboLayers::pickFirstLayer()
{
    if (count() == 0)
        return;
    setEditText(itemText(0));
    copyToTarget();
}

QString CComboLayers::unwritableLayerName() const
{
    return text::fitsCp1251(m_copied) ? QString() : m_copied;
}

std::string CComboLayers::layerName() const
{
    return text::qStringToCp1251(currentText());
}

QSize CComboLayers::minimumSizeHint() const
{
    return sizeHint();
}

// The size QComboBox gives under AdjustToMinimumContentsLengthWithIcon. Setting
// that policy would build the drop-down at once; left at its default, the box
// would measure every name on first showing it.
QSize CComboLayers::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const QSize icon = iconSize();
    const int textHeight = std::max(qCeil(QFontMetricsF(metrics).height()), 14) + 2;
    const QSize text(kShownNameLength * metrics.horizontalAdvance(QLatin1Char('X')) + icon.width() + 4,
                     std::max(textHeight, icon.height() + 2));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this);
}

void CComboLayers::showPopup()
{
    // Set on opening, not in the constructor: asking for the view builds the
    // drop-down, which most dialogs close without ever showing. Uniform rows
    // spare measuring every one of thousands of names.
    if (auto* list = qobject_cast<QListView*>(view()))
        list->setUniformItemSizes(true);
    QComboBox::showPopup();
}

void CComboLayers::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    // Leaving the field ends an edit; opening its drop-down list does not.
    if (m_edited && event->reason() != Qt::PopupFocusReason && QApplication::activePopupWidget() == nullptr)
        copyToTarget();
}

void CComboLayers::copyToTarget()
{
    m_edited = false;
    if (m_target == nullptr)
        return;
    m_copied = currentText();
    *m_target = text::qStringToCp1251(m_copied);
}

}  // namespace tarvelo::controls
