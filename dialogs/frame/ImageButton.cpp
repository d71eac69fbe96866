// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "ImageButton.h"

#include <QIcon>
#include "RenderPicture.h"

namespace tarvelo::dialogs {

ImageButton::ImageButton(QWidget* parent) : QToolButton(parent)
{
    setCheckable(true);
    setAutoRaise(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ImageButton::LoadBitmaps(const resources::ButtonImages& images)
{
    // The picture's own size, as the button shows bitmaps one to one.
    QSize size = pictureSize(resources::bitmapPath(images.normal));
    if (!size.isValid() || size.isEmpty())
        size = QSize(64, 40);
    const QString key = QStringLiteral("button:%1,%2,%3,%4")
                            .arg(images.normal)
                            .arg(images.selected)
                            .arg(images.focused)
                            .arg(images.disabled);
    setIcon(keptIcon(key, [&images, size] {
        QIcon icon;
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
        return icon;
    }));
    setIconSize(size);
}

}  // namespace tarvelo::dialogs
