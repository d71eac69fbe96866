// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <cstdlib>
#include <functional>

#include "InMemoryDrawing.h"
#include "ModalDriver.h"
#include "SymbolModuleApi.h"
#include "TestEnvironment.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/MakerLibraries.h"

namespace tarvelo::testing {

template <typename Control>
Control* control(QWidget* dialog, const char* objectName)
{
    auto* found = dialog->findChild<Control*>(QString::fromLatin1(objectName));
    if (found == nullptr)
        ADD_FAILURE() << "no control " << objectName;
    return found;
}

/// Types into the field one key event per character, so that Cyrillic arrives too.
inline void typeInto(QWidget* field, const QString& text)
{
    field->setFocus();
    for (QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(field, &press);
    }
}

/// The module loaded as the host loads it, with a drawing of three layers,
/// the test's own store and the host-support library registered in it.
class LoadedModuleFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        hub.SetStringParams(services::CSysHub::kModulesKey, services::kHostSupportLibraryValue, DHOSTSP_LIBRARY,
                            false);
        drawing.layers = {{"0"}, {"Стены"}, {"Оси"}};
        m_module = dlopen(SYMBOLS_MODULE, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_module, nullptr) << dlerror();
        freeBlock = reinterpret_cast<module::FreeBlockFunction>(dlsym(m_module, "FreeBlock"));
    }
    void TearDown() override
    {
        if (m_module != nullptr)
            dlclose(m_module);
    }

    /// Calls an editor with `driver` acting on its dialog.
    GEOTYPE_DEFINITION::IGeoBlock* edit(const char* exportName, GEOTYPE_DEFINITION::IGeoBlock* incoming,
                                        std::function<void(QWidget*)> driver)
    {
        auto editor = reinterpret_cast<module::SymbolEditor>(dlsym(m_module, exportName));
        EXPECT_NE(editor, nullptr);
        whenModalOpens([driver](QWidget* dialog) {
            ASSERT_NE(dialog, nullptr) << "no dialog opened";
            driver(dialog);
        });
        return editor(0, &drawing, incoming);
    }

    static void press(QWidget* dialog, const char* button)
    {
        if (auto* found = control<QAbstractButton>(dialog, button))
            found->click();
    }

    services::testing::TestEnvironment environment;
    const EnvironmentGuard sharedStore = environment.shareStore();
    services::CSysHub hub{environment};
    hostcad::InMemoryDrawing drawing;
    module::FreeBlockFunction freeBlock = nullptr;
    void* m_module = nullptr;
};

}  // namespace tarvelo::testing
