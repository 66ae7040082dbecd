// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The angle scale under Bild III. Bild III's x axis is the sweep's obsCoord;
// a mark stands where the observer's line meets the direction θ below −x,
// taken from the drop's left edge (x = −2000) rather than from its centre,
// so a mark and the readout at the same x differ by about 0.3°.
#pragma once

#include "common/canvas/canvas.h"

namespace rb::tavrin {

// x of the mark for θ degrees; also where the degree labels are placed.
double AngleScaleX(double thetaDegrees, double piValue);
// The angle, in radians, that the scale gives the place x: the inverse of
// AngleScaleX. The whole-drop sweep observes in this direction.
double AngleAtScaleX(double x);

// The angle the scale reads at x: the inverse of AngleScaleX.
double AngleScaleDegrees(double x, double piValue);

// Long marks at 39° … 44°, short ones every tenth of a degree from 38.4° to
// 44.3°, hanging from the top edge of the scale's picture.
void DrawAngleScale(Canvas &picture2, double piValue);

} // namespace rb::tavrin
