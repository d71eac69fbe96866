// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "BlockFile.h"

#include <QFile>
#include <QSaveFile>

#include "BlockJson.h"

namespace tarvelo::host {

namespace {

// Blocks are small; anything this large is not one and is not read whole.
constexpr qint64 kLargestBlockFile = 64 * 1024 * 1024;

std::string quoted(const QString& path)
{
    return "«" + path.toStdString() + "»";
}

}  // namespace

std::unique_ptr<GEOTYPE_DEFINITION::TGeoBlock> readBlockFile(const QString& path, std::string& errorUtf8)
{
    QFile file(path);
    if (!file.exists()) {
        errorUtf8 = "Файл блока " + quoted(path) + " не найден.";
        return nullptr;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        errorUtf8 = "Не удалось открыть файл блока " + quoted(path) + ": нет доступа.";
        return nullptr;
    }
    if (file.size() > kLargestBlockFile) {
        errorUtf8 = "Файл " + quoted(path) + " слишком велик для блока.";
        return nullptr;
    }
    const QByteArray content = file.readAll();
    std::string fault;
    std::unique_ptr<GEOTYPE_DEFINITION::TGeoBlock> block =
        blockFromJson(std::string_view(content.constData(), std::size_t(content.size())), fault);
    if (!block)
        errorUtf8 = "Не удалось прочитать блок из файла " + quoted(path) + ". " + fault;
    return block;
}

bool writeBlockFile(GEOTYPE_DEFINITION::IGeoBlock& block, const QString& path, std::string& errorUtf8)
{
    const std::string json = blockToJson(block);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(json.data(), qint64(json.size())) != qint64(json.size()) ||
        !file.commit()) {
        errorUtf8 = "Не удалось записать блок в файл " + quoted(path) + ".";
        return false;
    }
    return true;
}

}  // namespace tarvelo::host
