// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Liang–Barsky clipping of a segment to an axis-parallel rectangle. Segments
// that run far outside a surface (rays thousands of units long) are cut to
// the part that can be seen before the rasteriser sees them.
#pragma once

namespace rb {

// Returns false when nothing of the segment lies inside; otherwise moves the
// ends onto the rectangle where they lay outside it.
bool ClipSegment(double &x1, double &y1, double &x2, double &y2, double xmin, double ymin,
                 double xmax, double ymax);

} // namespace rb
