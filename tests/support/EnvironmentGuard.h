// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace tarvelo::testing {

/// Sets an environment variable, or removes it with std::nullopt, for as
/// long as the guard lives; then restores the earlier value or its absence,
/// so that no test leaks its settings into the next. Free of Qt, for the
/// tests of the parts built without it.
class EnvironmentGuard {
public:
    EnvironmentGuard(std::string name, const std::optional<std::string>& value) : m_name(std::move(name))
    {
        if (const char* earlier = std::getenv(m_name.c_str()))
            m_earlier = earlier;
        assign(value);
    }
    ~EnvironmentGuard() { assign(m_earlier); }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    void assign(const std::optional<std::string>& value) const
    {
#ifdef _WIN32
        // An empty value removes the variable there.
        _putenv_s(m_name.c_str(), value ? value->c_str() : "");
#else
        if (value)
            ::setenv(m_name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
#endif
    }

    std::string m_name;
    std::optional<std::string> m_earlier;
};

}  // namespace tarvelo::testing
