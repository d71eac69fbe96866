// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CellGrid.h"

#include "CellGridAccessible.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

namespace tarvelo::controls {

namespace {

// Rows as tall as the text with room around it, as the item views had them.
constexpr int kRowPadding = 8;

}  // namespace

CellGrid::CellGrid(const QStringList& captions, QWidget* parent) : QFrame(parent), m_captions(captions)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    CellGridAccessible::gridMade();
}

CellGrid::~CellGrid()
{
    CellGridAccessible::gridGone(this);
}

const CellGrid::Cell* CellGrid::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return &m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

CellGrid::Cell* CellGrid::cellAt(int row, int column)
{
    return const_cast<Cell*>(std::as_const(*this).cellAt(row, column));
}

QString CellGrid::text(int row, int column) const
{
    const Cell* cell = cellAt(row, column);
    return cell != nullptr ? cell->text : QString();
}

QVariant CellGrid::value(int row, int column) const
{
    const Cell* cell = cellAt(row, column);
    return cell != nullptr ? cell->value : QVariant();
}

void CellGrid::setRows(std::vector<Row> rows)
{
    for (Row& row : rows)
        row.resize(static_cast<std::size_t>(columnCount()));
    m_rows = std::move(rows);
    m_current = -1;
    // Told before the rows move, so that an editor over a row that went closes without committing.
    emit rowsRemoved();
    updateScrollBar();
    scrollTo(0);
    update();
    CellGridAccessible::cellsChanged(this);
}

void CellGrid::appendRow(Row row)
{
    row.resize(static_cast<std::size_t>(columnCount()));
    m_rows.push_back(std::move(row));
    updateScrollBar();
    update();
    CellGridAccessible::cellsChanged(this);
}

void CellGrid::removeRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    m_rows.erase(m_rows.begin() + row);
    if (m_current == row)
        m_current = -1;
    else if (m_current > row)
        --m_current;
    emit rowsRemoved();
    updateScrollBar();
    update();
    CellGridAccessible::cellsChanged(this);
}

void CellGrid::setText(int row, int column, const QString& text)
{
    Cell* cell = cellAt(row, column);
    if (cell == nullptr || cell->text == text)
        return;
    cell->text = text;
    update(cellRect(row, column));
    CellGridAccessible::cellsChanged(this, row, column);
    emit cellChanged(row, column);
}

void CellGrid::setValue(int row, int column, const QVariant& value)
{
    Cell* cell = cellAt(row, column);
    if (cell == nullptr || cell->value == value)
        return;
    cell->value = value;
    emit cellChanged(row, column);
}

void CellGrid::clearSelection()
{
    m_current = -1;
    update();
}

QRect CellGrid::cellRect(int row, int column) const
{
    if (row < m_top || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    const QRect area = rowArea();
    const int top = area.top() + (row - m_top) * rowHeight();
    if (top > area.bottom())
        return {};
    const int left = columnEdge(area, column);
    // The grid line at the right and bottom is the cell's border, not its inside.
    return {left, top, columnEdge(area, column + 1) - left - 1, rowHeight() - 1};
}

QSize CellGrid::sizeHint() const
{
    // What an item view asks for.
    return {256, 192};
}

QRect CellGrid::rowArea() const
{
    QRect area = contentsRect();
    area.setTop(area.top() + headerHeight());
    if (m_scrollBar != nullptr && m_scrollBar->isVisibleTo(this))
        area.setRight(area.right() - m_scrollBar->width());
    return area;
}

int CellGrid::columnEdge(const QRect& area, int column) const
{
    return area.left() + area.width() * column / columnCount();
}

int CellGrid::headerHeight() const
{
    if (m_headerHeight == 0) {
        QStyleOptionHeader header;
        header.initFrom(this);
        header.text = m_captions.value(0);
        m_headerHeight = style()->sizeFromContents(QStyle::CT_HeaderSection, &header, QSize(), this).height();
    }
    return m_headerHeight;
}

QRect CellGrid::headerRect(int column) const
{
    if (column < 0 || column >= columnCount())
        return {};
    const QRect area = rowArea();
    const int left = columnEdge(area, column);
    return {left, contentsRect().top(), columnEdge(area, column + 1) - left, headerHeight()};
}

int CellGrid::rowHeight() const
{
    return fontMetrics().height() + kRowPadding;
}

int CellGrid::rowsInSight() const
{
    return std::max(1, (contentsRect().height() - headerHeight()) / rowHeight());
}

int CellGrid::rowAt(const QPoint& point) const
{
    const QRect area = rowArea();
    if (!area.contains(point))
        return -1;
    const int row = m_top + (point.y() - area.top()) / rowHeight();
    return row < rowCount() ? row : -1;
}

void CellGrid::choose(int row)
{
    // A row chosen below or above the rows in sight comes into sight first, so that an editor laid over it shows.
    if (row < m_top)
        scrollTo(row);
    else if (row >= m_top + rowsInSight())
        scrollTo(row - rowsInSight() + 1);
    m_current = row;
    update();
    CellGridAccessible::rowChosen(this, row);
    emit rowChosen(row);
}

void CellGrid::scrollTo(int top)
{
    if (m_scrollBar != nullptr && m_scrollBar->isVisibleTo(this))
        m_scrollBar->setValue(top);  // clamps, and moves the rows through valueChanged
}

void CellGrid::updateScrollBar()
{
    // Before the grid is first shown it has no size of its own yet: showing it measures again.
    if (m_scrollBar == nullptr && !isVisible())
        return;
    const int hidden = rowCount() - rowsInSight();
    if (hidden <= 0) {
        if (m_scrollBar != nullptr) {
            m_scrollBar->setValue(0);
            m_scrollBar->hide();
        }
        if (m_top != 0) {
            m_top = 0;
            update();
            emit scrolled();
        }
        return;
    }
    if (m_scrollBar == nullptr) {
        m_scrollBar = new QScrollBar(Qt::Vertical, this);
        connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int top) {
            if (top == m_top)
                return;
            m_top = top;
            update();
            emit scrolled();
        });
    }
    const QRect contents = contentsRect();
    const int width = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scrollBar);
    m_scrollBar->setGeometry(contents.right() + 1 - width, contents.top() + headerHeight(), width,
                             contents.height() - headerHeight());
    m_scrollBar->setRange(0, hidden);
    m_scrollBar->setPageStep(rowsInSight());
    m_scrollBar->show();
}

void CellGrid::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect contents = contentsRect();
    const QRect area = rowArea();
    painter.fillRect(contents, palette().brush(QPalette::Window));
    painter.fillRect(area, palette().brush(QPalette::Base));

    QStyleOptionHeader header;
    header.initFrom(this);
    header.state |= QStyle::State_Raised;
    header.orientation = Qt::Horizontal;
    header.textAlignment = Qt::AlignCenter;
    for (int column = 0; column < columnCount(); ++column) {
        header.section = column;
        header.rect = headerRect(column);
        header.text = m_captions[column];
        if (columnCount() == 1)
            header.position = QStyleOptionHeader::OnlyOneSection;
        else if (column == 0)
            header.position = QStyleOptionHeader::Beginning;
        else
            header.position = column + 1 == columnCount() ? QStyleOptionHeader::End : QStyleOptionHeader::Middle;
        style()->drawControl(QStyle::CE_Header, &header, &painter, this);
    }

    painter.setClipRect(area);
    const auto gridHint = static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &header, this));
    const QColor grid = QColor::fromRgba(gridHint);
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int last = std::min(rowCount(), m_top + rowsInSight() + 1);
    for (int row = m_top; row < last; ++row) {
        const bool chosen = row == m_current;
        const QRect first = cellRect(row, 0);
        if (first.isEmpty())
            break;
        const QRect line(area.left(), first.top(), area.width(), first.height());
        if (chosen)
            painter.fillRect(line, palette().brush(QPalette::Highlight));
        for (int column = 0; column < columnCount(); ++column) {
            const QRect cell = cellRect(row, column);
            painter.setPen(palette().color(chosen ? QPalette::HighlightedText : QPalette::Text));
            const QRect inside = cell.adjusted(margin, 0, -margin, 0);
            painter.drawText(inside, Qt::AlignCenter,
                             fontMetrics().elidedText(text(row, column), Qt::ElideRight, inside.width()));
            painter.setPen(grid);
            painter.drawLine(cell.right() + 1, cell.top(), cell.right() + 1, cell.bottom() + 1);
            painter.drawLine(cell.left(), cell.bottom() + 1, cell.right() + 1, cell.bottom() + 1);
        }
        if (chosen && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = line;
            focus.backgroundColor = palette().color(QPalette::Highlight);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
}

void CellGrid::mousePressEvent(QMouseEvent* event)
{
    const int row = event->button() == Qt::LeftButton ? rowAt(event->position().toPoint()) : -1;
    if (row >= 0)
        choose(row);
    else
        QFrame::mousePressEvent(event);
}

void CellGrid::keyPressEvent(QKeyEvent* event)
{
    if (rowCount() == 0) {
        QFrame::keyPressEvent(event);
        return;
    }
    const int from = m_current >= 0 ? m_current : m_top - 1;
    int row = 0;
    switch (event->key()) {
    case Qt::Key_Up:
        row = m_current >= 0 ? m_current - 1 : m_top;
        break;
    case Qt::Key_Down:
        row = from + 1;
        break;
    case Qt::Key_PageUp:
        row = from - rowsInSight();
        break;
    case Qt::Key_PageDown:
        row = from + rowsInSight();
        break;
    case Qt::Key_Home:
        row = 0;
        break;
    case Qt::Key_End:
        row = rowCount() - 1;
        break;
    default:
        // Enter and Esc go on to the dialog.
        QFrame::keyPressEvent(event);
        return;
    }
    choose(std::clamp(row, 0, rowCount() - 1));
}

void CellGrid::wheelEvent(QWheelEvent* event)
{
    if (m_scrollBar == nullptr || !m_scrollBar->isVisibleTo(this)) {
        event->ignore();
        return;
    }
    const int notches = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    scrollTo(m_top - notches * QApplication::wheelScrollLines());
    event->accept();
}

void CellGrid::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    updateScrollBar();
}

void CellGrid::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    updateScrollBar();
}

void CellGrid::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_headerHeight = 0;
        updateScrollBar();
        update();
    }
    QFrame::changeEvent(event);
}

}  // namespace tarvelo::controls
