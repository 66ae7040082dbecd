// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/canvas/scale_map.h"

namespace rb {

ScaleMap::ScaleMap(double left, double top, double width, double height, double pixelWidth,
                   double pixelHeight)
    : left_(left), top_(top)
{
    // A degenerate extent would divide by zero; treat it as one unit so a
    // surface that is momentarily zero-sized still maps to finite numbers.
    sx_ = (width != 0.0 ? pixelWidth / width : pixelWidth);
    sy_ = (height != 0.0 ? pixelHeight / height : pixelHeight);
    if (sx_ == 0.0) sx_ = 1e-9;
    if (sy_ == 0.0) sy_ = 1e-9;
}

} // namespace rb
