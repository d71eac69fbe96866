// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "SymbolExport.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "DxfDrawingScan.h"

namespace tarvelo::host {

namespace {

std::string quoted(const QString& path)
{
    return "«" + path.toStdString() + "»";
}

bool writeWhole(const QString& path, const std::string& bytes, std::string& errorUtf8)
{
    if (!canWriteFile(path, errorUtf8))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) ||
        !file.commit()) {
        errorUtf8 = "Не удалось записать чертёж в файл " + quoted(path) + ": нет доступа или места на диске.";
        return false;
    }
    return true;
}

std::optional<QByteArray> readWhole(const QString& path, std::string& errorUtf8)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errorUtf8 = file.exists() ? "Не удалось открыть файл чертежа " + quoted(path) + ": нет доступа."
                                  : "Файл чертежа " + quoted(path) + " не найден.";
        return std::nullopt;
    }
    return file.readAll();
}

}  // namespace

bool canWriteFile(const QString& path, std::string& errorUtf8)
{
    const QFileInfo target(path);
    if (target.isDir()) {
        errorUtf8 = quoted(path) + " — это папка; укажите имя файла.";
        return false;
    }
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir()) {
        errorUtf8 = "Не удалось записать файл " + quoted(path) + ": папки " + quoted(target.absolutePath()) + " нет.";
        return false;
    }
    if (!folder.isWritable() || (target.exists() && !target.isWritable())) {
        errorUtf8 = "Не удалось записать файл " + quoted(path) + ": нет доступа.";
        return false;
    }
    return true;
}

std::optional<QRectF> drawingExtents(const QString& path)
{
    std::string error;
    const std::optional<QByteArray> bytes = readWhole(path, error);
    if (!bytes)
        return std::nullopt;
    const std::optional<DxfDrawingScan> scan =
        DxfDrawingScan::scan(std::string_view(bytes->constData(), std::size_t(bytes->size())), {}, error);
    return scan ? scan->extents : std::nullopt;
}

bool exportSymbolsDxf(const QString& path, const std::vector<render::Drawing>& symbols, std::string& errorUtf8,
                      DxfExportSummary* summary)
{
    return writeWhole(path, DxfSymbolExport::standalone(symbols, summary), errorUtf8);
}

bool canWriteInto(const QString& drawingPath, const QString& path, std::string& errorUtf8)
{
    if (QFileInfo(path).absoluteFilePath() == QFileInfo(drawingPath).absoluteFilePath() ||
        (QFileInfo::exists(path) && QFileInfo(path).canonicalFilePath() == QFileInfo(drawingPath).canonicalFilePath())) {
        errorUtf8 = "Чертёж с символами нельзя записать в сам исходный чертёж " + quoted(drawingPath) +
                    ": укажите другой файл.";
        return false;
    }
    return canWriteFile(path, errorUtf8);
}

bool exportSymbolsInto(const QString& drawingPath, const QString& path, const std::vector<render::Drawing>& symbols,
                       const std::string& charset, std::string& errorUtf8, DxfExportSummary* summary)
{
    if (!canWriteInto(drawingPath, path, errorUtf8))
        return false;
    const std::optional<QByteArray> bytes = readWhole(drawingPath, errorUtf8);
    if (!bytes)
        return false;
    const std::optional<std::string> merged =
        DxfSymbolExport::intoDrawing(std::string_view(bytes->constData(), std::size_t(bytes->size())), symbols,
                                     drawingPath.toStdString(), errorUtf8, charset, summary);
    return merged && writeWhole(path, *merged, errorUtf8);
}

}  // namespace tarvelo::host
