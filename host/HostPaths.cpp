// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "HostPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <initializer_list>

namespace tarvelo::host {

namespace {

std::filesystem::path toPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(QDir::cleanPath(path)).toStdString());
}

// The first candidate that exists, else the last: the one an error should name.
std::filesystem::path firstExisting(std::initializer_list<QString> candidates)
{
    for (const QString& candidate : candidates) {
        if (!candidate.isEmpty() && QFile::exists(candidate))
            return toPath(candidate);
    }
    return toPath(*(candidates.end() - 1));
}

QString besideProgram(const char* relative)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromUtf8(relative);
}

}  // namespace

std::filesystem::path defaultModulePath()
{
    return firstExisting({besideProgram(TARVELO_MODULE_FILE_NAME),
                          besideProgram(TARVELO_INSTALLED_LIBDIR "/" TARVELO_MODULE_FILE_NAME),
                          QString::fromUtf8(TARVELO_BUILT_MODULE)});
}

std::filesystem::path defaultDrawingPath()
{
    return firstExisting({besideProgram(TARVELO_INSTALLED_DATADIR "/samples/plan.dxf"),
                          QStandardPaths::locate(QStandardPaths::GenericDataLocation, "tarvelo/samples/plan.dxf"),
                          QString::fromUtf8(TARVELO_SOURCE_SAMPLE_DRAWING)});
}

}  // namespace tarvelo::host
