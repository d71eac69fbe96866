// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <functional>

#include "InMemoryDrawing.h"
#include "ModalDriver.h"
#include "SymbolModuleApi.h"
#include "TestEnvironment.h"
#include "tarvelo/geometry/IGeoBlock.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/MakerLibraries.h"
#include "tarvelo/services/SharedLibrary.h"

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
        m_module = services::SharedLibrary(SYMBOLS_MODULE);
        ASSERT_TRUE(m_module.isLoaded()) << m_module.systemMessage();
        freeBlock = m_module.find<module::FreeBlock>();
    }
    void TearDown() override { m_module.release(); }

    /// Calls an editor with `driver` acting on its dialog.
    GEOTYPE_DEFINITION::IGeoBlock* edit(const char* exportName, GEOTYPE_DEFINITION::IGeoBlock* incoming,
                                        std::function<void(QWidget*)> driver)
    {
        const auto& kinds = module::kSymbolKinds;
        const auto kind = std::find_if(kinds.begin(), kinds.end(), [exportName](const auto& candidate) {
            return std::strcmp(candidate.exportName, exportName) == 0;
        });
        const module::SymbolEditor editor = kind != kinds.end() ? m_module.find(*kind) : nullptr;
        EXPECT_NE(editor, nullptr) << exportName;
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
    services::SharedLibrary m_module;
};

}  // namespace tarvelo::testing
