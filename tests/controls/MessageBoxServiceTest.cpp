// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>

#include "MessageBoxService.h"
#include "ModalDriver.h"

using tarvelo::controls::MessageBoxService;
using tarvelo::services::MessageIcon;

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
};

// Shows one message, reads the box that opened and closes it with its OK button.
SeenBox showAndRead(const std::string& caption, const std::string& text, MessageIcon icon)
{
    SeenBox seen;
    tarvelo::testing::whenModalOpens([&seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr)
            return;
        seen = {box->windowTitle(), box->text(), box->icon(), true};
        box->button(QMessageBox::Ok)->click();
    });
    MessageBoxService().show(caption, text, icon);
    return seen;
}

}  // namespace

// A message shows its Russian caption, text and icon in a modal box that OK closes.
TEST(MessageBoxService, showsCaptionTextAndIcon)
{
    const SeenBox seen = showAndRead("Ошибка настроек", "Не найдена запись пути к библиотеке настроек",
                                     MessageIcon::Warning);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.title, QString::fromUtf8("Ошибка настроек"));
    EXPECT_EQ(seen.text, QString::fromUtf8("Не найдена запись пути к библиотеке настроек"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
}

// Without a caption the application's name stands in; the error icon is the critical one.
TEST(MessageBoxService, emptyCaptionUsesApplicationName)
{
    const SeenBox seen = showAndRead("", "Ошибка загрузки библиотеки настроек: код 126", MessageIcon::Error);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.title, QString("Tarvelo"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}
