// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#include "SymbolSvg.h"

#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>

#include "PrimitivePainter.h"

namespace tarvelo::host {

namespace {

constexpr double kMarginMillimetres = 5.0;
// SVG units per millimetre: fine enough that a 0.18 mm line keeps its weight.
constexpr double kUnitsPerMillimetre = 10.0;

std::string quoted(const QString& path)
{
    return "«" + path.toStdString() + "»";
}

}  // namespace

bool writeSymbolSvg(const QString& path, const std::vector<render::Drawing>& symbols, std::string& errorUtf8)
{
    QRectF bounds;
    for (const render::Drawing& symbol : symbols) {
        if (!symbol.isEmpty())
            bounds = bounds.isNull() ? symbol.bounds() : bounds.united(symbol.bounds());
    }
    if (symbols.empty() || bounds.isNull()) {
        errorUtf8 = "Нет символов, которые можно сохранить в SVG.";
        return false;
    }
    const double drawingUnitsPerMillimetre = symbols.front().unitsPerMillimetre;
    const double scale = kUnitsPerMillimetre / drawingUnitsPerMillimetre;
    const double margin = kMarginMillimetres * kUnitsPerMillimetre;
    const QSize size(static_cast<int>(std::ceil(bounds.width() * scale + 2.0 * margin)),
                     static_cast<int>(std::ceil(bounds.height() * scale + 2.0 * margin)));
    // Drawing units, Y up, to the picture's units, Y down, with the margin free at the top left.
    const QTransform toPicture(scale, 0.0, 0.0, -scale, margin - bounds.left() * scale,
                               margin + bounds.bottom() * scale);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        errorUtf8 = "Не удалось записать рисунок SVG в файл " + quoted(path) + ".";
        return false;
    }
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(static_cast<int>(std::lround(25.4 * kUnitsPerMillimetre)));
    generator.setTitle(QStringLiteral("Символы"));
    generator.setDescription(QStringLiteral("Условные обозначения, размеры в миллиметрах листа"));
    QPainter painter(&generator);
    render::PaintOptions options;
    options.sheet = QRectF(QPointF(0.0, 0.0), QSizeF(size));
    for (const render::Drawing& symbol : symbols) {
        render::paintDrawing(painter, symbol, toPicture, options);
        options.sheet = QRectF();
    }
    painter.end();
    if (!file.commit()) {
        errorUtf8 = "Не удалось записать рисунок SVG в файл " + quoted(path) + ".";
        return false;
    }
    return true;
}

}  // namespace tarvelo::host
