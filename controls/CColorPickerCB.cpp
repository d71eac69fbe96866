// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CColorPickerCB.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyleOptionFocusRect>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include "ScreenColor.h"
#include "tarvelo/services/QtText.h"

namespace tarvelo::controls {

namespace {

// Hands the popup's items to the picker's own drawing.
class PickerItemDelegate final : public QStyledItemDelegate {
public:
    explicit PickerItemDelegate(CColorPickerCB& picker) : QStyledItemDelegate(&picker), m_picker(picker) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        m_picker.paintItem(*painter, option.rect, index.row(), option.state.testFlag(QStyle::State_Selected),
                           option.state.testFlag(QStyle::State_HasFocus));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QFontMetrics metrics(option.font);
        return {metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 8, metrics.height() + 4};
    }

private:
    CColorPickerCB& m_picker;
};

template <typename Entry>
Entry entryAt(const std::vector<Entry>& entries, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return Entry{};
    return entries[static_cast<std::size_t>(index)];
}

}  // namespace

CColorPickerCB::CColorPickerCB(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new PickerItemDelegate(*this));
    setCurrentIndex(3);
}

void CColorPickerCB::setPresentationMode(int mode)
{
    m_mode = mode;
    update();
}

void CColorPickerCB::setColors(std::vector<std::uint32_t> colors)
{
    m_colors = std::move(colors);
    update();
}

void CColorPickerCB::setLineWidths(std::vector<int> widths)
{
    m_lineWidths = std::move(widths);
    update();
}

std::uint32_t CColorPickerCB::GetColor(int index) const
{
    return entryAt(m_colors, index);
}

int CColorPickerCB::GetLineWidth(int index) const
{
    return entryAt(m_lineWidths, index);
}

void CColorPickerCB::addChoice(const char* text, std::uint32_t itemData)
{
    addItem(text::cp1251ToQString(text != nullptr ? text : ""), itemData);
}

void CColorPickerCB::paintItem(QPainter& painter, const QRect& rect, int index, bool selected, bool focused) const
{
    const QPalette& colors = palette();
    painter.save();
    painter.setClipRect(rect);
    painter.fillRect(rect, colors.color(selected ? QPalette::Highlight : QPalette::Base));
    if (focused) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect;
        frame.backgroundColor = colors.color(selected ? QPalette::Highlight : QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
    painter.setPen(colors.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QString text = itemText(index);
    const int textTop = rect.top() + 2 + painter.fontMetrics().ascent();
    // Any other mode draws the background only.
    if (m_mode == kColorMode) {
        const QRect swatch(rect.left() + 4, rect.top() + 2, rect.width() / 4, rect.height() - 4);
        painter.fillRect(swatch, fromScreenColor(GetColor(index)));
        painter.drawText(QPoint(swatch.right() + 5, textTop), text);
    } else if (m_mode == kLineWidthMode || m_mode == kTextMode) {
        painter.drawText(QPoint(rect.left() + 4, textTop), text);
    }
    if (m_mode == kLineWidthMode) {
        // The sample takes the right half of the item, 5 short of its edge.
        const int sampleLeft = rect.left() + rect.width() / 2;
        const int sampleRight = sampleLeft + rect.width() / 2 - 5;
        const int middle = rect.top() + rect.height() / 2;
        painter.setPen(QPen(Qt::black, GetLineWidth(index), Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(sampleLeft, middle, sampleRight, middle);
    }
    painter.restore();
}

void CColorPickerCB::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() >= 0)
        paintItem(painter, field, currentIndex(), hasFocus(), hasFocus());
}

}  // namespace tarvelo::controls
