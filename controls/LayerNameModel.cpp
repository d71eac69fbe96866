// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "LayerNameModel.h"

#include <limits>

namespace tarvelo::controls {

void LayerNameModel::setNames(std::vector<std::string> namesUtf8)
{
    beginResetModel();
    m_names = std::move(namesUtf8);
    // A view counts rows in int; names past that could never be shown.
    if (m_names.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        m_names.resize(static_cast<std::size_t>(std::numeric_limits<int>::max()));
    endResetModel();
}

int LayerNameModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_names.size());
}

QVariant LayerNameModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return QString::fromStdString(m_names[static_cast<std::size_t>(index.row())]);
}

}  // namespace tarvelo::controls
