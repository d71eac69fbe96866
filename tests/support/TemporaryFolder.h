// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace tarvelo::testing {

/// A fresh private folder under the system's temporary folder, removed with
/// all it holds when the object goes. QTemporaryDir does this where Qt is at
/// hand; this serves the fixtures shared with the parts built without Qt.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::string& prefix = "tarvelo-test-")
    {
        std::random_device entropy;
        do
            m_path = std::filesystem::temp_directory_path() / (prefix + std::to_string(entropy()));
        while (!std::filesystem::create_directory(m_path));
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all);
    }
    ~TemporaryFolder()
    {
        // A test may have taken the owner's rights away to provoke a failure.
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

}  // namespace tarvelo::testing
