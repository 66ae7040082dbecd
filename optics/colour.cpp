// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "optics/colour.h"

#include <algorithm>
#include <cmath>

namespace rb::optics {

Rgb XyzToLinearSrgb(const Xyz &c)
{
    return {3.2406 * c.x - 1.5372 * c.y - 0.4986 * c.z, -0.9689 * c.x + 1.8758 * c.y + 0.0415 * c.z,
            0.0557 * c.x - 0.2040 * c.y + 1.0570 * c.z};
}

Rgb WhiteBalanced(const Rgb &c, const Rgb &white, double whiteY)
{
    return {c.r * whiteY / white.r, c.g * whiteY / white.g, c.b * whiteY / white.b};
}

Rgb IntoGamut(const Rgb &c, double y)
{
    if (y >= 1) return {1, 1, 1};
    if (y <= 0) return {0, 0, 0};
    // c(t) = y + t·(c − y) has the luminance y for every t, since the grey
    // (y, y, y) has it; the largest t ≤ 1 that keeps every channel in [0, 1].
    double t = 1;
    for (const double v : {c.r, c.g, c.b}) {
        if (v < 0) t = std::min(t, y / (y - v));
        if (v > 1) t = std::min(t, (1 - y) / (v - y));
    }
    const auto mix = [&](double v) { return std::clamp(y + t * (v - y), 0.0, 1.0); };
    return {mix(c.r), mix(c.g), mix(c.b)};
}

double SrgbEncode(double v)
{
    v = std::clamp(v, 0.0, 1.0);
    return v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
}

int SrgbByte(double linear) { return static_cast<int>(std::lround(255 * SrgbEncode(linear))); }

} // namespace rb::optics
