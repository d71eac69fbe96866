// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "ModuleApplication.h"

#include <QApplication>
#include <QByteArray>
#include <memory>

namespace tarvelo::module {

namespace {

// QApplication keeps references to argc and argv for its whole life.
int g_argc = 1;
char g_programName[] = "tarvelo_symbols";
char* g_argv[] = {g_programName, nullptr};

/// The application the module made itself, if any; destroyed when the module is unloaded.
std::unique_ptr<QApplication>& ownApplication()
{
    static std::unique_ptr<QApplication> application;
    return application;
}

bool hasDisplay()
{
#ifdef _WIN32
    return true;
#else
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
}

}  // namespace

void ensureApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    if (!hasDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ownApplication() = std::make_unique<QApplication>(g_argc, g_argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Тарвело СПДС"));
}

}  // namespace tarvelo::module
