// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "tarvelo/services/SharedLibrary.h"

#include <utility>

#include "tarvelo/services/WindowsErrors.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace tarvelo::services {

#ifdef _WIN32

SharedLibrary::SharedLibrary(const std::filesystem::path& path)
{
    // A library that cannot load must fail quietly: no system box may stop a headless host.
    DWORD previousMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
    // The libraries' own dependencies are looked for beside them first.
    const DWORD flags = path.is_absolute() ? LOAD_WITH_ALTERED_SEARCH_PATH : 0;
    m_handle = LoadLibraryExW(path.c_str(), nullptr, flags);
    m_error = m_handle != nullptr ? winerror::kSuccess : static_cast<std::uint32_t>(GetLastError());
    SetThreadErrorMode(previousMode, nullptr);
}

bool SharedLibrary::release()
{
    const bool released = m_handle == nullptr || FreeLibrary(static_cast<HMODULE>(m_handle)) != 0;
    m_handle = nullptr;
    return released;
}

void* SharedLibrary::address(const char* name) const
{
    if (m_handle == nullptr)
        return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(m_handle), name));
}

#else

SharedLibrary::SharedLibrary(const std::filesystem::path& path)
{
    // Every symbol bound at once, as a CAD program loads its modules: an
    // unresolved one fails here, not in the middle of a dialog.
    m_handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_handle != nullptr)
        return;
    if (const char* message = ::dlerror())
        m_systemMessage = message;
    std::error_code ignored;
    m_error = std::filesystem::exists(path, ignored) ? winerror::kBadExeFormat : winerror::kModuleNotFound;
}

bool SharedLibrary::release()
{
    const bool released = m_handle == nullptr || ::dlclose(m_handle) == 0;
    m_handle = nullptr;
    return released;
}

void* SharedLibrary::address(const char* name) const
{
    return m_handle != nullptr ? ::dlsym(m_handle, name) : nullptr;
}

#endif

SharedLibrary::~SharedLibrary()
{
    release();
}

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr)),
      m_error(other.m_error),
      m_systemMessage(std::move(other.m_systemMessage))
{
}

SharedLibrary& SharedLibrary::operator=(SharedLibrary&& other) noexcept
{
    if (this != &other) {
        release();
        m_handle = std::exchange(other.m_handle, nullptr);
        m_error = other.m_error;
        m_systemMessage = std::move(other.m_systemMessage);
    }
    return *this;
}

}  // namespace tarvelo::services
