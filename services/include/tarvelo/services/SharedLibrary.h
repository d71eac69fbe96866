// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace tarvelo::services {

/// A shared library loaded by path: dlopen with every symbol bound at once,
/// LoadLibrary on Windows. The system counts references, so a library that
/// is already in the process is not loaded twice; this object owns one
/// reference and gives it back when destroyed.
class SharedLibrary {
public:
    SharedLibrary() = default;
    /// Loads the library; isLoaded() and error() tell how that went.
    explicit SharedLibrary(const std::filesystem::path& path);
    ~SharedLibrary();
    SharedLibrary(SharedLibrary&& other) noexcept;
    SharedLibrary& operator=(SharedLibrary&& other) noexcept;
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    [[nodiscard]] bool isLoaded() const { return m_handle != nullptr; }
    /// 0 when loaded; otherwise a Windows error code on every platform:
    /// 126 when there is no such file, 193 when it is no library for this system.
    [[nodiscard]] std::uint32_t error() const { return m_error; }
    /// The system's own explanation of a failed load, when it gives one.
    [[nodiscard]] const std::string& systemMessage() const { return m_systemMessage; }

    /// Gives the reference back now; true when the system released it.
    bool release();

    /// The export described by `Export` (a TARVELO_EXPORT_SHAPE type, or a
    /// table entry with an exportName and a Function type), or null.
    template <class Export>
    [[nodiscard]] typename Export::Function find(const Export& entry = Export{}) const
    {
        return reinterpret_cast<typename Export::Function>(address(entry.exportName));
    }

private:
    [[nodiscard]] void* address(const char* name) const;

    void* m_handle = nullptr;
    std::uint32_t m_error = 0;
    std::string m_systemMessage;
};

}  // namespace tarvelo::services
