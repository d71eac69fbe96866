// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTest>
#include <functional>
#include <ostream>

#include "InMemoryDrawing.h"
#include "ModalDriver.h"
#include "TestEnvironment.h"
#include "tarvelo/geometry/TGeoBlock.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/MakerLibraries.h"

namespace tarvelo::dialogs::testing {

/// A control's objectName: a template's identifier constant, or a name as given.
struct ControlId {
    ControlId(int identifier) : name(QString::number(identifier)) {}
    ControlId(const char* given) : name(QString::fromLatin1(given)) {}
    QString name;
};

inline std::ostream& operator<<(std::ostream& out, const ControlId& id)
{
    return out << id.name.toStdString();
}

template <typename Control = QWidget>
Control* control(QWidget& dialog, const ControlId& id)
{
    auto* found = dialog.findChild<Control*>(id.name);
    EXPECT_NE(found, nullptr) << id;
    return found;
}

inline void press(QWidget& dialog, const ControlId& id)
{
    control<QAbstractButton>(dialog, id)->click();
}

/// Types `text` into the focused field one key event per character, as
/// QTest::keyClicks cannot for Cyrillic.
inline void typeText(QWidget& field, const QString& text)
{
    field.setFocus();
    for (QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(&field, &press);
    }
}

/// A symbol dialog run against a private store that has the real
/// host-support library registered, a drawing of three layers and a block.
class SymbolDialogFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        hub.SetStringParams(services::CSysHub::kModulesKey, services::kHostSupportLibraryValue, DHOSTSP_LIBRARY,
                            false);
        drawing.layers = {{"0"}, {"Стены"}, {"Оси"}};
    }

    /// Runs a new `Dialog` on the block; `drive` works it and may accept or
    /// cancel, and a dialog it leaves open is cancelled. The EditBlock result.
    template <typename Dialog>
    int run(const std::function<void(QDialog&)>& drive)
    {
        Dialog dialog(nullptr, environment);
        bool opened = false;
        tarvelo::testing::whenModalOpens([&](QWidget* modal) {
            opened = modal == &dialog;
            if (opened) {
                // Leaving an in-place editor is a focus change, which needs an active window.
                dialog.activateWindow();
                EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
                drive(dialog);
            }
            if (modal != nullptr && modal->isVisible())
                static_cast<QDialog*>(modal)->reject();
        });
        const int result = dialog.EditBlock(&drawing, &block);
        EXPECT_TRUE(opened);
        return result;
    }

    services::testing::TestEnvironment environment;
    // The library reads the same store as the dialog.
    const tarvelo::testing::EnvironmentGuard sharedStore = environment.shareStore();
    services::CSysHub hub{environment};
    hostcad::InMemoryDrawing drawing;
    GEOTYPE_DEFINITION::TGeoBlock block;
};

}  // namespace tarvelo::dialogs::testing
