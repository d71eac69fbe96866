// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "ColorDialog.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "ColorChoice.h"
#include "ColorDialogTemplate.h"
#include "ColorIndex.h"
#include "PaletteGrid.h"

namespace tarvelo::hostcad {

namespace {

QPixmap swatch(const QColor& color)
{
    QPixmap pixmap(14, 14);
    pixmap.fill(color);
    return pixmap;
}

class ColorDialog final : public QDialog {
public:
    ColorDialog(int initialColor, bool allowMetaColors, int currentLayerColor, QWidget* parent)
        : QDialog(parent),
          m_controls(buildColorDialogTemplate(*this)),
          m_allowMetaColors(allowMetaColors),
          m_layerColor(currentLayerColor)
    {
        m_controls.byLayer->setVisible(allowMetaColors);
        m_controls.byBlock->setVisible(allowMetaColors);
        m_controls.byLayer->setIcon(swatch(screenColorOf(m_layerColor)));

        connect(m_controls.palette, &PaletteGrid::colorPicked, this, [this](int number) { choose(number); });
        connect(m_controls.palette, &PaletteGrid::colorActivated, this, [this](int number) {
            choose(number);
            accept();
        });
        connect(m_controls.palette, &PaletteGrid::colorHovered, this,
                [this](int number) { showColorInfo(number >= 0 ? std::optional(number) : m_chosen); });
        connect(m_controls.byLayer, &QPushButton::clicked, this, [this] { choose(kColorByLayer); });
        connect(m_controls.byBlock, &QPushButton::clicked, this, [this] { choose(kColorByBlock); });
        connect(m_controls.colorText, &QLineEdit::textEdited, this, [this](const QString& text) {
            // The field keeps what the user typed; only the rest follows it.
            showChoice(colorFromText(text, m_allowMetaColors));
        });
        connect(m_controls.accept, &QPushButton::clicked, this, &QDialog::accept);
        connect(m_controls.cancel, &QPushButton::clicked, this, &QDialog::reject);

        const bool choosable = cellOfColor(initialColor).has_value() ||
                               (allowMetaColors && (initialColor == kColorByLayer || initialColor == kColorByBlock));
        if (choosable)
            choose(initialColor);
        else
            showChoice(std::nullopt);
        m_controls.palette->setFocus(Qt::OtherFocusReason);
    }

    [[nodiscard]] std::optional<int> chosenColor() const { return m_chosen; }

private:
    void choose(int colorNumber)
    {
        m_controls.colorText->setText(colorNumberText(colorNumber));
        showChoice(colorNumber);
    }

    void showChoice(std::optional<int> colorNumber)
    {
        m_chosen = colorNumber;
        m_controls.palette->setSelectedColor(colorNumber.value_or(-1));
        m_controls.accept->setEnabled(colorNumber.has_value());
        QPalette preview = m_controls.preview->palette();
        const QColor shown = colorNumber ? screenColorOf(shownAs(*colorNumber)) : palette().color(QPalette::Window);
        preview.setColor(QPalette::Window, shown);
        m_controls.preview->setPalette(preview);
        showColorInfo(colorNumber);
    }

    void showColorInfo(std::optional<int> colorNumber)
    {
        m_controls.numberInfo->setText(colorNumberCaption(colorNumber));
        m_controls.rgbInfo->setText(colorRgbCaption(colorNumber ? std::optional(zcedGetRGB(shownAs(*colorNumber)))
                                                                : std::nullopt));
    }

    // By layer is seen in the layer's colour; everything else in its own.
    [[nodiscard]] int shownAs(int colorNumber) const
    {
        return colorNumber == kColorByLayer ? m_layerColor : colorNumber;
    }

    ColorDialogControls m_controls;
    bool m_allowMetaColors;
    int m_layerColor;
    std::optional<int> m_chosen;
};

}  // namespace

std::optional<int> chooseColor(int initialColor, bool allowMetaColors, int currentLayerColor, QWidget* parent)
{
    ColorDialog dialog(initialColor, allowMetaColors, currentLayerColor, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenColor();
}

}  // namespace tarvelo::hostcad
