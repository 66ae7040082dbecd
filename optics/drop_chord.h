// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The chord of a drop: from a point on a circle about the origin, in a given
// direction, to where the line meets the circle again.
//
// For a point p on the circle and a unit direction d, the second
// intersection lies at p + s·d with s = −2·(p·d). The length is held in
// single precision, as every model of the drop has always held it: that
// fixes the exact points its chords end on.
#pragma once

#include <cmath>

namespace rb::optics {

struct Chord {
    double dirSin, dirCos; // the direction of the chord
    double nextX, nextY;   // its far end
};

inline Chord ChordFrom(double curX, double curY, double theta)
{
    Chord c;
    c.dirSin = std::sin(theta);
    c.dirCos = std::cos(theta);
    const float s = static_cast<float>(-2 * (c.dirSin * curY + c.dirCos * curX));
    c.nextX = curX + c.dirCos * s;
    c.nextY = curY + c.dirSin * s;
    return c;
}

} // namespace rb::optics
