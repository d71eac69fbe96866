// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>

#include "EnvironmentGuard.h"

namespace tarvelo::host::testing {

inline const QString kFakeModule = QStringLiteral(FAKE_SYMBOL_MODULE);
inline const QString kFakeModuleWithoutWeld = QStringLiteral(FAKE_SYMBOL_MODULE_WITHOUT_WELD);

/// What the fake module wrote about its calls and blocks, in a private folder.
class FakeModuleLog {
public:
    [[nodiscard]] QString path() const { return m_folder.filePath("fake.log"); }
    [[nodiscard]] QString folder() const { return m_folder.path(); }

    [[nodiscard]] QStringList lines(const QString& prefix) const
    {
        QFile file(path());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList matching;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(prefix))
                matching << line.mid(prefix.size());
        }
        return matching;
    }
    [[nodiscard]] QStringList calls() const { return lines("call "); }
    /// Addresses of the blocks made, in order.
    [[nodiscard]] QStringList made() const { return lines("made "); }
    [[nodiscard]] QStringList freed() const { return lines("freed "); }
    /// True when every block made was freed exactly once.
    [[nodiscard]] bool allFreed() const
    {
        QStringList made = this->made();
        QStringList freed = this->freed();
        std::sort(made.begin(), made.end());
        std::sort(freed.begin(), freed.end());
        return made == freed;
    }

private:
    QTemporaryDir m_folder;
    const tarvelo::testing::EnvironmentGuard m_log{"FAKE_SYMBOLS_LOG", QFile::encodeName(path()).toStdString()};
    // Cases switch these on; they end with the case.
    const tarvelo::testing::EnvironmentGuard m_dialog{"FAKE_SYMBOLS_DIALOG", std::nullopt};
    const tarvelo::testing::EnvironmentGuard m_notice{"FAKE_SYMBOLS_NOTICE", std::nullopt};
};

}  // namespace tarvelo::host::testing
