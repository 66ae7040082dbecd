// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The whole-drop phasor model in the wave window: the fan itself is shared
// physics (optics/whole_drop.h); here are the range the sweep observes and
// the drawing of one of its rays in Bild II.
#pragma once

#include "common/canvas/canvas.h"
#include "common/canvas/color.h"
#include "optics/whole_drop.h"

namespace rb::tavrin {

// The sweep observes from 38.6° to 44.8°, a little beyond both ends of
// Bild III; a fan made for this range is fine enough for every bar.
constexpr double kBowFromDegrees = 38.6, kBowToDegrees = 44.8;

using optics::SizeParameter;
using optics::WholeDropFan;

// Draws ray j of the fan in Bild II, whose drop has the radius `radius`:
// in from x = −14000, the two chords, and out towards ŝ(θ) for `outLength`.
void DrawWholeDropRay(Canvas &picture4, const WholeDropFan &fan, int j, double theta, double radius,
                      double outLength, Color c);

// Draws in Bild II the ray reflected off the drop's near side towards ŝ(θ):
// in from x = −14000 at the height −radius·sin(θ/2), and out for
// `outLength`. Nothing for θ outside (0, π).
void DrawWholeDropReflection(Canvas &picture4, double theta, double radius, double outLength, Color c);

} // namespace rb::tavrin
