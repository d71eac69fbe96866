// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QAbstractListModel>
#include <cstdint>
#include <string>
#include <string_view>
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

    /// Collects names for the next setNames(), keeping what was collected before.
    class Names {
    public:
        Names() = default;
        ~Names();
        Names(Names&&) noexcept = default;
        Names& operator=(Names&&) noexcept = default;

        void append(std::string_view nameUtf8);
        [[nodiscard]] bool empty() const { return m_ends.empty(); }
        [[nodiscard]] std::size_t size() const { return m_ends.size(); }
        [[nodiscard]] std::string_view at(std::size_t row) const;

    private:
        // One buffer for all names: a drawing's thousands of short names would
        // otherwise be as many allocations, copied again each time a list grows.
        // The buffers outlive the dialog for the next call (see the .cpp).
        std::string m_text;
        std::vector<std::size_t> m_ends;
    };

    /// Replaces the names, as one reset.
    void setNames(Names names);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    Names m_names;
};

}  // namespace tarvelo::controls
