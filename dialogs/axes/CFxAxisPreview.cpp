// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CFxAxisPreview.h"

#include <QPainter>

#include "RenderPicture.h"
#include "ResourceIds.h"

namespace tarvelo::dialogs {

namespace {

constexpr std::uint32_t kPolarArray = 802;

}  // namespace

CFxAxisPreview::CFxAxisPreview(QWidget* parent)
    : QWidget(parent), m_picture(renderPicture(resources::bitmapPath(pictureOf(m_type))))
{
    // The pictures share one size; the frame line takes one pixel on each side.
    setFixedSize(m_picture.size() + QSize(2, 2));
}

void CFxAxisPreview::SetAxisType(std::uint32_t type)
{
    if (type == m_type)
        return;
    m_type = type;
    m_picture = renderPicture(resources::bitmapPath(pictureOf(type)));
    update();
}

int CFxAxisPreview::pictureOf(std::uint32_t type)
{
    return type == kPolarArray ? resources::kAxisArrayPolar : resources::kAxisArrayOrthogonal;
}

void CFxAxisPreview::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    // A pattern brush, so a control larger than the picture repeats it rather than leaving a gap.
    painter.setBrush(m_picture.isNull() ? palette().base() : QBrush(m_picture));
    painter.setBrushOrigin(1, 1);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tarvelo::dialogs
