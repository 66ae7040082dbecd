// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The map between a surface's user coordinates and its logical pixels.
// A negative height makes y grow upwards; the flip lives here and nowhere else.
#pragma once

namespace rb {

class ScaleMap {
public:
    ScaleMap() = default;
    // left/top: user coordinates of the top-left corner; width/height: user
    // extent of the surface (either may be negative); pixels: its logical size.
    ScaleMap(double left, double top, double width, double height, double pixelWidth,
             double pixelHeight);

    double ToPixelX(double x) const { return (x - left_) * sx_; }
    double ToPixelY(double y) const { return (y - top_) * sy_; }
    double ToUserX(double px) const { return left_ + px / sx_; }
    double ToUserY(double py) const { return top_ + py / sy_; }
    // Logical pixels per user unit along x and y (signed).
    double PixelsPerUnitX() const { return sx_; }
    double PixelsPerUnitY() const { return sy_; }

private:
    double left_ = 0.0, top_ = 0.0;
    double sx_ = 1.0, sy_ = 1.0;
};

} // namespace rb
