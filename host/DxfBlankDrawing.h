// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

#include <QRectF>
#include <string>

namespace tarvelo::host {

/// An empty drawing to put symbols into: text DXF R2010 in millimetres, with
/// what CAD programs expect of that format (the nine tables, the model and
/// paper space blocks, the root dictionary with the groups and layouts), the
/// layer "0", the line types ByBlock, ByLayer and Continuous and the text
/// style Standard.
class DxfBlankDrawing {
public:
    /// The drawing's bytes; it opens showing @p extents (drawing units), the
    /// part of the plane the symbols will take.
    [[nodiscard]] static std::string bytes(const QRectF& extents);
};

}  // namespace tarvelo::host
