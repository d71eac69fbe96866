// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Tarvelo contributors
#pragma once

/// @file
/// One drawing function per symbol kind, and per type where the types of a
/// kind look different. The renderer picks them from its table by type code.

namespace tarvelo::render {

class DrawingBuilder;

/// The leg a leader draws from its object towards its shelf: one drafting size
/// for the leaders of notes and the weld seam's leader alike.
inline constexpr double kLeaderLegMm = 12.0;

void drawStraightSection(DrawingBuilder& out);
void drawSteppedSection(DrawingBuilder& out);

void drawStraightBreak(DrawingBuilder& out);
void drawCurvedBreak(DrawingBuilder& out);

void drawLevelMark(DrawingBuilder& out);
void drawPlanLevelMark(DrawingBuilder& out);

void drawPositionLeader(DrawingBuilder& out);
void drawCombLeader(DrawingBuilder& out);
void drawMultilayerLeader(DrawingBuilder& out);
void drawCircleLeader(DrawingBuilder& out);
void drawFramedLeader(DrawingBuilder& out);
void drawShelfNote(DrawingBuilder& out);

void drawNodeDesignation(DrawingBuilder& out);

void drawBoundaryHatch(DrawingBuilder& out);
void drawLinearHatch(DrawingBuilder& out);
void drawGroundBoundary(DrawingBuilder& out);
void drawWaterproofing(DrawingBuilder& out);
void drawThermalInsulation(DrawingBuilder& out);

void drawWeldSeam(DrawingBuilder& out);

void drawOrthogonalAxes(DrawingBuilder& out);
void drawPolarAxes(DrawingBuilder& out);

}  // namespace tarvelo::render
