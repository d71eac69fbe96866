// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
//
// The library's one export, looked up by name by the symbol module.
#include <QApplication>
#include <QWidget>
#include <cstdint>
#include <exception>

#include "MessageBoxService.h"
#include "SettingsWindow.h"
#include "tarvelo/services/IServiceEnvironment.h"

#ifdef _WIN32
#define CFGKIT_EXPORT __declspec(dllexport)
#else
#define CFGKIT_EXPORT __attribute__((visibility("default")))
#endif

extern "C" CFGKIT_EXPORT int SettingsDialog(std::uintptr_t parentWindow, int argument)
{
    (void)argument;  // part of the caller's signature; the dialog has no variants
    // A library loaded for one call must not create the application of its host.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return 0;
    try {
        tarvelo::controls::MessageBoxService messages;
        tarvelo::services::SystemServiceEnvironment environment(messages);
        tarvelo::services::CSysHub hub(environment);
        QWidget* parent = parentWindow != 0 ? QWidget::find(static_cast<WId>(parentWindow)) : nullptr;
        tarvelo::cfgkit::SettingsWindow window(hub, messages, parent);
        return window.run();
    } catch (const std::exception&) {
        // Nothing may cross the C boundary; 0 tells the caller no dialog ran.
        return 0;
    }
}
