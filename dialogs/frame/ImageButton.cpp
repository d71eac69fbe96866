// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "ImageButton.h"

#include <QIcon>
#include <QSvgRenderer>

namespace tarvelo::dialogs {

ImageButton::ImageButton(QWidget* parent) : QToolButton(parent)
{
    setCheckable(true);
    setAutoRaise(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ImageButton::LoadBitmaps(const resources::ButtonImages& images)
{
    QIcon icon;
    // The picture's own size, as the button shows bitmaps one to one.
    QSize size = QSvgRenderer(resources::bitmapPath(images.normal)).defaultSize();
    if (!size.isValid() || size.isEmpty())
        size = QSize(64, 40);
    auto add = [&](int number, QIcon::Mode mode, QIcon::State state) {
        if (number != 0)
            icon.addFile(resources::bitmapPath(number), size, mode, state);
    };
    add(images.normal, QIcon::Normal, QIcon::Off);
    add(images.selected, QIcon::Normal, QIcon::On);
    add(images.selected, QIcon::Active, QIcon::On);
    add(images.focused, QIcon::Active, QIcon::Off);
    add(images.disabled, QIcon::Disabled, QIcon::Off);
    add(images.disabled, QIcon::Disabled, QIcon::On);
    setIcon(icon);
    setIconSize(size);
}

void ImageButton::setPushed(bool pushed)
{
    setChecked(pushed);
}

}  // namespace tarvelo::dialogs
