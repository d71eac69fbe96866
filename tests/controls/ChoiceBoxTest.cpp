// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFont>
#include <QPixmap>

#include "ChoiceBox.h"

namespace {

template <class List>
void fill(List& list, const QStringList& entries, bool withPictures = false)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::black);
    for (const QString& entry : entries) {
        if (withPictures)
            list.addItem(QIcon(picture), entry);
        else
            list.addItem(entry);
    }
}

}  // namespace

// A list measured once is measured as Qt measures it, and other entries, pictures or a
// larger font are measured anew rather than taking a size kept for something else.
TEST(ChoiceBox, sizedAsAPlainListOfTheSameEntries)
{
    const QStringList entries{QStringLiteral("Стыковой"), QStringLiteral("Угловой заводской сплошной видимый")};
    const QStringList longer{QStringLiteral("Стыковой"), QStringLiteral("Угловой заводской сплошной невидимый шов")};
    for (const bool withPictures : {false, true}) {
        for (const QStringList& shown : {entries, longer, entries}) {
            QComboBox plain;
            tarvelo::controls::ChoiceBox choices;
            fill(plain, shown, withPictures);
            fill(choices, shown, withPictures);
            EXPECT_EQ(choices.sizeHint(), plain.sizeHint()) << shown.last().toStdString();
            EXPECT_EQ(choices.minimumSizeHint(), plain.minimumSizeHint());
        }
    }

    QComboBox plain;
    tarvelo::controls::ChoiceBox choices;
    QFont large = plain.font();
    large.setPointSize(large.pointSize() * 2);
    for (QComboBox* list : {&plain, static_cast<QComboBox*>(&choices)}) {
        list->setFont(large);
        fill(*list, entries);
    }
    EXPECT_EQ(choices.sizeHint(), plain.sizeHint());
}
