// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "CatalogCache.h"

#include <sys/stat.h>

#include <utility>

namespace tarvelo::hostsupport {

bool CatalogCache::stateOf(const std::filesystem::path& file, FileState& state)
{
#ifdef _WIN32
    struct _stat64 info {};
    if (::_wstat64(file.c_str(), &info) != 0)
        return false;
    state.modifiedNs = static_cast<long long>(info.st_mtime) * 1'000'000'000LL;
    state.changedNs = static_cast<long long>(info.st_ctime) * 1'000'000'000LL;
#else
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0)
        return false;
    state.modifiedNs = static_cast<long long>(info.st_mtim.tv_sec) * 1'000'000'000LL + info.st_mtim.tv_nsec;
    state.changedNs = static_cast<long long>(info.st_ctim.tv_sec) * 1'000'000'000LL + info.st_ctim.tv_nsec;
#endif
    state.path = file;
    state.device = static_cast<unsigned long long>(info.st_dev);
    state.inode = static_cast<unsigned long long>(info.st_ino);
    state.size = static_cast<long long>(info.st_size);
    return true;
}

CatalogCache::Answer CatalogCache::read(const std::filesystem::path& file)
{
    FileState state;
    const bool known = stateOf(file, state);
    if (known && m_catalog && state == m_state)
        return {m_catalog, {}};
    m_catalog.reset();
    CatalogResult result = readCatalog(file);
    if (!result.catalog)
        return {nullptr, std::move(result.problem)};
    auto catalog = std::make_shared<const Catalog>(std::move(*result.catalog));
    // A file that changed while it was read is kept for this answer only.
    FileState after;
    if (known && stateOf(file, after) && after == state) {
        m_state = state;
        m_catalog = catalog;
    }
    return {std::move(catalog), {}};
}

}  // namespace tarvelo::hostsupport
