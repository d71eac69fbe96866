// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "LayerNameModel.h"

#include <algorithm>
#include <limits>

namespace tarvelo::controls {

namespace {

// The last names' buffers, emptied, for the next call's walk. Every call reads
// all layers again; with 100,000 of them, fresh memory for the names costs
// more in page faults than the walk itself, and the allocator hands memory of
// that size back to the system when a dialog closes.
struct Spare {
    std::string text;
    std::vector<std::size_t> ends;
};
// Not thread_local: that would keep the module from unloading. Dialogs run on the GUI thread only.
Spare g_spare;

}  // namespace

LayerNameModel::Names::~Names()
{
    if (m_text.capacity() > g_spare.text.capacity())
        g_spare.text.swap(m_text);
    if (m_ends.capacity() > g_spare.ends.capacity())
        g_spare.ends.swap(m_ends);
}

void LayerNameModel::Names::append(std::string_view nameUtf8)
{
    if (m_ends.capacity() == 0 && g_spare.ends.capacity() != 0) {
        m_text.swap(g_spare.text);
        m_ends.swap(g_spare.ends);
        m_text.clear();
        m_ends.clear();
    }
    m_text.append(nameUtf8);
    m_ends.push_back(m_text.size());
}

std::string_view LayerNameModel::Names::at(std::size_t row) const
{
    const std::size_t begin = row == 0 ? 0 : m_ends[row - 1];
    return std::string_view(m_text).substr(begin, m_ends[row] - begin);
}

void LayerNameModel::setNames(Names names)
{
    beginResetModel();
    m_names = std::move(names);
    endResetModel();
}

int LayerNameModel::rowCount(const QModelIndex& parent) const
{
    // A view counts rows in int; names past that could never be shown.
    return parent.isValid() ? 0 : static_cast<int>(std::min<std::size_t>(m_names.size(), std::numeric_limits<int>::max()));
}

QVariant LayerNameModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const std::string_view name = m_names.at(static_cast<std::size_t>(index.row()));
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace tarvelo::controls
