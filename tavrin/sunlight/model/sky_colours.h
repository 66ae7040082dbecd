// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The rainbow as a photograph with a fixed exposure shows it, over a plain
// sky. The exposure does not follow the picture: the bow's light, counted
// per unit of the drops' cross-section (sun_bow.h), is multiplied by one
// constant for every drop size, theory and filter, so a fogbow of small
// drops looks as faint as it is beside a bow of large ones, and a
// polarising filter darkens what it stops. The constant, 5, puts the
// brightest band of the primary bow of 1 mm drops under the sun's disc (a
// luminance of about 0.14 per unit of cross-section and solid angle) at
// about 0.7 of full scale, so the bows of larger drops still have room.
//
// The sky is a uniform grey-blue that the bow's light adds to, as the rain's
// light adds to the light of the cloud behind it; a filter passes half of
// the sky's unpolarised light too.
#pragma once

#include "optics/colour.h"
#include "tavrin/sunlight/model/sun_bow.h"

#include <vector>

namespace rb::tavrin {

// Linear display units per unit of |S|²/(π·x²).
constexpr double kExposure = 5.0;
// The plain sky, white-balanced linear sRGB, without a filter.
constexpr optics::Rgb kSkyLinear{0.10, 0.12, 0.16};

struct ScreenColour {
    int r = 0, g = 0, b = 0; // sRGB, 0…255
};

// The bow's own light at each pixel of the angle axis, exposed, brought
// into gamut at its luminance and encoded.
std::vector<ScreenColour> BowColours(const SunBow &bow);
std::vector<ScreenColour> BowColours(const std::vector<optics::Rgb> &balanced, const std::vector<optics::Xyz> &xyz);
// The same over the sky.
std::vector<ScreenColour> SkyColours(const SunBow &bow);
// The bow's exposed light in gamut, linear: what the two above encode.
optics::Rgb ExposedLinear(const optics::Rgb &balanced, double y, const optics::Rgb &under);

} // namespace rb::tavrin
