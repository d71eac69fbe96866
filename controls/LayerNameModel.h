// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace tarvelo::controls {

/// Layer names as the drawing holds them (UTF-8), read-only. A name becomes
/// a QString only when a view asks for it: a drop-down shows a screenful of
/// a drawing's thousands of layers, so converting them all up front would
/// cost more than the walk that read them.
class LayerNameModel final : public QAbstractListModel {
    Q_OBJECT

public:
    explicit LayerNameModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    /// Replaces the names, as one reset.
    void setNames(std::vector<std::string> namesUtf8);
    [[nodiscard]] const std::vector<std::string>& names() const { return m_names; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<std::string> m_names;
};

}  // namespace tarvelo::controls
