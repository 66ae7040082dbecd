// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A line rasteriser that writes straight into a 32-bit image.
//
// The toolkit's painter costs several microseconds per line on these
// machines; a sweep of the wave model draws some 300,000 of them. Lines
// here are aliased (crisp at every pixel ratio): along the major axis one
// span of `thickness` pixels per column or row, centred on the exact line.
#pragma once

#include <QImage>

namespace rb {

// Ends in device pixels; the caller has clipped them to the image (points
// slightly outside are cut pixel by pixel). Returns the pixels touched.
void RasterLine(QImage &image, double x1, double y1, double x2, double y2, QRgb color, int thickness);

} // namespace rb
