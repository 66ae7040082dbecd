// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A ray through a spherical drop in the plane of its centre, as every model
// of the drop follows it: light comes in from the left (−x) parallel to the
// axis at height b, is refracted where it meets the circle, runs along
// chords (optics/drop_chord.h), is reflected at each far end, and leaves
// refracted again.
//
// The ray's place on the circle is the polar angle U of its current point.
// Entering at U = π − α, every chord turns it by 2β − π, where α is the
// angle of incidence and β the angle of refraction. Because the surface is a
// circle, every chord meets it at β again, so the ray leaves, and every
// partial reflection leaves, in the direction U − α.
//
// The callers keep their own precision around these steps (the start
// window holds sin β in single precision); each step here is the one
// expression every model has always used.
#pragma once

#include "optics/arcsine.h"

#include <cmath>

namespace rb::optics {

// x of the entry point on the left half of a circle of radius r at height b.
inline double EntryX(double r, double b) { return -std::sqrt(r * r - b * b); }

// The angle of incidence at the entry point (x, y), x < 0: the normal is the
// radius, so tan α = y / −x.
inline double IncidenceAngle(double x, double y) { return std::atan(y / -x); }

// Snell's law, sin β = sin α / n; the result is sin β.
inline double SinRefraction(double incAngle, double n) { return std::sin(incAngle) / n; }

// β from sin β.
inline double RefractionAngle(double sinRefr) { return Arcsin(sinRefr); }

// U at the entry point.
inline double EntryPosition(double pi, double incAngle) { return pi - incAngle; }

// U at the far end of a chord: 2β − π further round the circle.
inline double NextPosition(double position, double pi, double refrAngle)
{
    return (position - pi) + 2 * refrAngle;
}

// The direction of the light that leaves the drop at U.
inline double ExitDirection(double position, double incAngle) { return position - incAngle; }

} // namespace rb::optics
