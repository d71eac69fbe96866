// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

#include "ModalDriver.h"
#include "TestEnvironment.h"
#include "tarvelo/services/CSysHub.h"
#include "tarvelo/services/MakerLibraries.h"

using namespace tarvelo::services;
using namespace tarvelo::services::testing;

namespace {

template <typename Control>
Control* control(QWidget* dialog, const char* objectName)
{
    auto* found = dialog->findChild<Control*>(QString::fromLatin1(objectName));
    if (found == nullptr)
        ADD_FAILURE() << "no control " << objectName;
    return found;
}

void click(QWidget* dialog, const char* objectName)
{
    if (auto* button = control<QPushButton>(dialog, objectName))
        button->click();
}

void choose(QWidget* dialog, const char* objectName, std::uint32_t code)
{
    auto* list = control<QComboBox>(dialog, objectName);
    list->setCurrentIndex(list->findData(code));
}

/// The library opens the user's store itself, so the store is pointed at the test's one first.
class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override { hub.SetStringParams(CSysHub::kModulesKey, kSettingsLibraryValue, CFGKIT_LIBRARY, false); }

    /// Runs the dialog through the module's loader with `driver` acting on it.
    int runDialog(std::function<void(QWidget*)> driver)
    {
        tarvelo::testing::whenModalOpens([driver](QWidget* dialog) {
            ASSERT_NE(dialog, nullptr) << "the settings dialog did not open";
            EXPECT_EQ(dialog->windowTitle(), "Настройки");
            driver(dialog);
        });
        return FxSettingsLibraryHolder(environment).SettingsDialog(0, 0);
    }

    std::string storedText(const char* keyPath, const char* name)
    {
        StoredValue value;
        return environment.store().readValue(false, keyPath, name, value) == 0 ? value.data : "<absent>";
    }

    TestEnvironment environment;
    const tarvelo::testing::EnvironmentGuard sharedStore = environment.shareStore();
    CSysHub hub{environment};
};

}  // namespace

// The stored values are shown; OK writes the edited ones in the store's own formats.
TEST_F(SettingsDialogTest, showsStoredValuesAndOkWritesEdits)
{
    hub.SetStringParams("", "SymScl", "50.000000", false);
    hub.SetDwordParam("", "Roundz", 3);
    hub.SetDwordParam("", "DivType", 203);
    hub.SetDwordParam("", "WeldDefultType", 722);
    hub.SetDwordParam("", "NoteDefaultAngle", 15);
    const std::string missingHost = cp1251("/нет/libdhostsp.so");
    hub.SetStringParams(CSysHub::kModulesKey, kHostSupportLibraryValue, missingHost, false);

    const int result = runDialog([](QWidget* dialog) {
        EXPECT_EQ(control<QLineEdit>(dialog, "default-scale")->text(), "50");
        EXPECT_EQ(control<QSpinBox>(dialog, "decimals")->value(), 3);
        EXPECT_EQ(control<QComboBox>(dialog, "break-type")->currentData().toUInt(), 203u);
        EXPECT_EQ(control<QComboBox>(dialog, "weld-type")->currentData().toUInt(), 722u);
        EXPECT_EQ(control<QLineEdit>(dialog, "note-angle")->text(), "15");
        EXPECT_EQ(control<QLineEdit>(dialog, "host-library")->text(), "/нет/libdhostsp.so");
        EXPECT_EQ(control<QLabel>(dialog, "host-library-note")->text(), "Файл не найден.");
        EXPECT_EQ(control<QLabel>(dialog, "settings-library-note")->text(), "");

        control<QLineEdit>(dialog, "default-scale")->setText("100");
        control<QSpinBox>(dialog, "level-decimals")->setValue(2);
        choose(dialog, "weld-type", 734);
        control<QLineEdit>(dialog, "note-ending")->setText("4");
        click(dialog, "1");
    });

    EXPECT_EQ(result, 1);
    EXPECT_EQ(storedText(CSysHub::kParamsKey, "SymScl"), "100.000000");
    EXPECT_EQ(hub.GetDwordParams("", "Roundz"), 3u);
    EXPECT_EQ(hub.GetDwordParams("", "RoundzLevel"), 2u);
    EXPECT_EQ(hub.GetDwordParams("", "WeldDefultType"), 734u);
    EXPECT_EQ(hub.GetDwordParams("", "NoteEndline"), 4u);
    EXPECT_EQ(storedText(CSysHub::kModulesKey, kHostSupportLibraryValue), missingHost);
    EXPECT_EQ(storedText(CSysHub::kModulesKey, kSettingsLibraryValue), CFGKIT_LIBRARY);
    EXPECT_TRUE(environment.recorder.shown.empty());
}

// An empty store shows the defaults, the draughtsman's decimals among them; Cancel leaves the store as it
// was, whatever was edited.
TEST_F(SettingsDialogTest, cancelWritesNothing)
{
    const int result = runDialog([](QWidget* dialog) {
        EXPECT_EQ(control<QLineEdit>(dialog, "default-scale")->text(), "1");
        EXPECT_EQ(control<QSpinBox>(dialog, "decimals")->value(), 2);
        EXPECT_EQ(control<QSpinBox>(dialog, "level-decimals")->value(), 3);
        EXPECT_EQ(control<QComboBox>(dialog, "break-type")->currentData().toUInt(), 201u);
        EXPECT_EQ(control<QLabel>(dialog, "host-library-note")->text(), "Путь не указан.");
        control<QLineEdit>(dialog, "default-scale")->setText("25");
        control<QLineEdit>(dialog, "settings-library")->setText("/elsewhere/libcfgkit.so");
        click(dialog, "2");
    });

    EXPECT_EQ(result, 2);
    EXPECT_EQ(storedText(CSysHub::kParamsKey, "SymScl"), "<absent>");
    EXPECT_EQ(storedText(CSysHub::kParamsKey, "DivType"), "<absent>");
    EXPECT_EQ(storedText(CSysHub::kModulesKey, kSettingsLibraryValue), CFGKIT_LIBRARY);
}

// A scale that is not a positive number is refused with a message; the dialog stays and nothing is written.
TEST_F(SettingsDialogTest, invalidScaleIsRefused)
{
    QString shownText;
    bool stayedOpen = false;
    const int result = runDialog([&](QWidget* dialog) {
        control<QLineEdit>(dialog, "default-scale")->setText("0");
        tarvelo::testing::whenModalOpens([&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(message, nullptr) << "no message about the scale";
            shownText = message->text();
            message->button(QMessageBox::Ok)->click();
        });
        click(dialog, "1");
        stayedOpen = dialog->isVisible();
        click(dialog, "2");
    });

    EXPECT_EQ(result, 2);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(shownText, "Масштаб по умолчанию должен быть числом больше нуля, например 1 или 100.");
    EXPECT_EQ(storedText(CSysHub::kParamsKey, "SymScl"), "<absent>");
}

// "По умолчанию" resets every user default but keeps the library paths; OK then stores the defaults, with
// decimals that keep the standard sizes and levels to the millimetre.
TEST_F(SettingsDialogTest, factoryDefaultsResetFieldsButNotPaths)
{
    hub.SetStringParams("", "SymScl", "200.000000", false);
    hub.SetDwordParam("", "Roundz", 5);
    hub.SetDwordParam("", "DivType", 204);
    hub.SetDwordParam("", "LevelDefaultType", 302);
    hub.SetDwordParam("", "WeldDefultType", 731);
    hub.SetDwordParam("", "NoteDefaultAngle", 30);

    const int result = runDialog([](QWidget* dialog) {
        click(dialog, "factory-defaults");
        EXPECT_EQ(control<QLineEdit>(dialog, "default-scale")->text(), "1");
        EXPECT_EQ(control<QLineEdit>(dialog, "settings-library")->text(), CFGKIT_LIBRARY);
        click(dialog, "1");
    });

    EXPECT_EQ(result, 1);
    EXPECT_EQ(storedText(CSysHub::kParamsKey, "SymScl"), "1.000000");
    EXPECT_EQ(hub.GetDwordParams("", "Roundz"), 2u);
    EXPECT_EQ(hub.GetDwordParams("", "RoundzLevel"), 3u);
    for (const char* name : {"NoteDefaultAngle", "NoteEndline"})
        EXPECT_EQ(hub.GetDwordParams("", name), 0u) << name;
    EXPECT_EQ(hub.GetDwordParams("", "DivType"), 201u);
    EXPECT_EQ(hub.GetDwordParams("", "LevelDefaultType"), 301u);
    EXPECT_EQ(hub.GetDwordParams("", "WeldDefultType"), 701u);
    EXPECT_EQ(storedText(CSysHub::kModulesKey, kSettingsLibraryValue), CFGKIT_LIBRARY);
}
