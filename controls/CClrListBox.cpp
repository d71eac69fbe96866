// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CClrListBox.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>

#include "ScreenColor.h"
#include "tarvelo/services/MakerLibraries.h"
#include "tarvelo/services/QtText.h"

namespace tarvelo::controls {

namespace {

// Draws the list's rows cell by cell; the row-wide rules (where the value
// and the swatch go) are worked out from the row's left edge.
class PropertyRowDelegate final : public QStyledItemDelegate {
public:
    explicit PropertyRowDelegate(CClrListBox& list) : QStyledItemDelegate(&list), m_list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QPalette& palette = option.palette;
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QHeaderView* header = m_list.header();
        const int nameWidth = header->sectionSize(0);
        const int valueWidth = header->sectionSize(1);
        const int column = index.column();
        const QRect row(option.rect.left() - header->sectionPosition(column), option.rect.top(),
                        nameWidth + valueWidth, option.rect.height());
        const QString text = index.data(Qt::DisplayRole).toString();

        painter->save();
        painter->setClipRect(option.rect);
        painter->fillRect(option.rect, palette.color(selected ? QPalette::Highlight : QPalette::Base));
        const std::optional<QColor> swatch = index.row() == 0 ? m_list.swatchColor() : std::nullopt;
        if (swatch) {
            // The swatch row is written in the list's ordinary colours, selected or not.
            painter->setPen(palette.color(QPalette::Text));
            painter->setBackground(palette.color(QPalette::Base));
            painter->setBackgroundMode(Qt::OpaqueMode);
            if (column == 0) {
                drawTextAt(*painter, row.left() + 4, row.top() + 2, text);
            } else {
                const QRect box = swatchRect(row, nameWidth, valueWidth);
                if (!box.isEmpty()) {
                    painter->fillRect(box, *swatch);
                    painter->setPen(Qt::black);
                    painter->setBackgroundMode(Qt::TransparentMode);
                    painter->drawRect(box.adjusted(0, 0, -1, -1));
                    painter->setBackgroundMode(Qt::OpaqueMode);
                    painter->setPen(palette.color(QPalette::Text));
                }
                drawTextAt(*painter, row.left() + nameWidth + valueWidth / 4 + 2, row.top() + 2, text);
            }
        } else {
            const QFontMetrics metrics(option.font);
            const int average = metrics.averageCharWidth();
            const int top = row.top() + metrics.leading();
            painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
            if (column == 0)
                drawTextAt(*painter, row.left() + average, top, fitNameToColumn(text, nameWidth, metrics));
            else
                drawTextAt(*painter, row.left() + nameWidth + average, top, text);
        }
        drawGridLines(*painter, option.rect, palette);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return {QFontMetrics(option.font).horizontalAdvance(QLatin1Char('x')) * 8,
                QFontMetrics(option.font).height() + 4};
    }

private:
    static void drawTextAt(QPainter& painter, int left, int top, const QString& text)
    {
        const QFontMetrics metrics = painter.fontMetrics();
        painter.drawText(QPoint(left, top + metrics.ascent()), text);
    }

    static void drawGridLines(QPainter& painter, const QRect& cell, const QPalette& palette)
    {
        painter.setPen(palette.color(QPalette::Midlight));
        painter.drawLine(cell.bottomLeft(), cell.bottomRight());
        painter.drawLine(cell.topRight(), cell.bottomRight());
    }

    CClrListBox& m_list;
};

}  // namespace

CClrListBox::CClrListBox(services::IServiceEnvironment& environment, QWidget* parent)
    : QTreeWidget(parent), m_environment(environment)
{
    setColumnCount(2);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setItemDelegate(new PropertyRowDelegate(*this));

    QAbstractItemModel* rows = model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, &CClrListBox::refreshSwatch);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &CClrListBox::refreshSwatch);
    connect(rows, &QAbstractItemModel::dataChanged, this, &CClrListBox::refreshSwatch);
    connect(rows, &QAbstractItemModel::modelReset, this, &CClrListBox::refreshSwatch);
}

CClrListBox::~CClrListBox()
{
    // The base class empties the rows after this part is gone.
    model()->disconnect(this);
}

void CClrListBox::SetPageMode(std::uint32_t mode)
{
    m_pageMode = mode;
    refreshSwatch();
    viewport()->update();
}

std::uint32_t CClrListBox::GetItemData(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item != nullptr ? item->data(0, Qt::UserRole).toUInt() : 0;
}

void CClrListBox::SetItemData(int row, std::uint32_t data)
{
    if (QTreeWidgetItem* item = topLevelItem(row))
        item->setData(0, Qt::UserRole, data);
}

void CClrListBox::addRow(const char* text, std::uint32_t key)
{
    auto* item = new QTreeWidgetItem(this);
    item->setText(0, text::cp1251ToQString(text != nullptr ? text : ""));
    item->setData(0, Qt::UserRole, key);
}

std::optional<QColor> CClrListBox::swatchColor() const
{
    if (m_pageMode != kGraphicsPage || topLevelItemCount() == 0)
        return std::nullopt;
    return fromScreenColor(m_swatchColor);
}

void CClrListBox::refreshSwatch()
{
    // Asked once the dialog has finished filling its rows (their item data
    // start as row numbers), and never while painting: loading the library
    // may have to tell the user something.
    if (m_swatchQueued)
        return;
    m_swatchQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_swatchQueued = false;
        askSwatchColor();
    });
}

void CClrListBox::askSwatchColor()
{
    if (m_pageMode != kGraphicsPage || topLevelItemCount() == 0)
        return;
    const QVariant data = topLevelItem(0)->data(0, Qt::UserRole);
    if (!data.isValid())
        return;
    const std::int64_t number = data.toLongLong() - services::kColorIndexBase;
    if (m_swatchNumber == number)
        return;
    m_swatchNumber = number;
    m_swatchColor = services::FxHostLibraryHolder(m_environment)
                        .GetColorFromDB(static_cast<std::int32_t>(number))
                        .value_or(kFallbackSwatchColor);
    viewport()->update();
}

QString fitNameToColumn(const QString& name, int columnWidth, const QFontMetrics& metrics)
{
    const int average = metrics.averageCharWidth();
    const int room = columnWidth - 2 * average;
    if (metrics.horizontalAdvance(name) <= room)
        return name;
    const QString ellipsis = QStringLiteral("...");
    qsizetype kept = std::max(average > 0 ? room / average - 7 : 0, 0);
    // Letters wider than the font's average (most Cyrillic ones) can still
    // overrun the column; then fewer are kept, so the "..." ends inside it.
    while (kept > 0 && average + metrics.horizontalAdvance(name.left(kept) + ellipsis) > columnWidth)
        --kept;
    return name.left(kept) + ellipsis;
}

QRect swatchRect(const QRect& row, int nameWidth, int valueWidth)
{
    const int left = row.left() + nameWidth + 7;
    const int right = row.left() + nameWidth + valueWidth / 4 - 5;  // exclusive
    const int top = row.top() + 2;
    const int bottom = row.top() + row.height() - 2;  // exclusive
    if (right <= left || bottom <= top)
        return {};
    return {left, top, right - left, bottom - top};
}

}  // namespace tarvelo::controls
