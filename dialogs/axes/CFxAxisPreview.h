// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QPixmap>
#include <QWidget>
#include <cstdint>

namespace tarvelo::dialogs {

/// The picture of an axis array's type: the orthogonal array's picture for
/// type 801, the polar array's for 802, filling the whole control.
class CFxAxisPreview final : public QWidget {
    Q_OBJECT
public:
    explicit CFxAxisPreview(QWidget* parent = nullptr);

    /// Shows the picture of `type` from the next paint on.
    void SetAxisType(std::uint32_t type);
    [[nodiscard]] std::uint32_t GetAxisType() const { return m_type; }

    /// The bitmap resource number of a type's picture.
    [[nodiscard]] static int pictureOf(std::uint32_t type);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t m_type = 801;
    QPixmap m_picture;
};

}  // namespace tarvelo::dialogs
