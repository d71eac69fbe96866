// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "DefaultsFile.h"

namespace tarvelo::hostsupport {

/// The data file, parsed once for as long as the library stays loaded and
/// the file stays as it was: several exports of one call then share one
/// parse. The file is looked at on every request, so an edited or replaced
/// file is read again; a file that cannot be read is never kept, so that
/// each request reports it afresh.
class CatalogCache {
public:
    struct Answer {
        /// Null when the file could not be read.
        std::shared_ptr<const Catalog> catalog;
        /// What is wrong and where (UTF-8), when there is no catalog.
        std::string problem;
    };

    Answer read(const std::filesystem::path& file);

private:
    // What tells one state of the file from another without reading it.
    struct FileState {
        std::filesystem::path path;
        unsigned long long device = 0;
        unsigned long long inode = 0;
        long long size = -1;
        long long modifiedNs = 0;
        long long changedNs = 0;
        bool operator==(const FileState&) const = default;
    };
    static bool stateOf(const std::filesystem::path& file, FileState& state);

    FileState m_state;
    std::shared_ptr<const Catalog> m_catalog;
};

}  // namespace tarvelo::hostsupport
