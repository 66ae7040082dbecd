// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The rainbow in sunlight for one drop size: for each of the forty bands of
// white light (white_light.h) the drop's angular profile over both bows and
// Alexander's dark band between them, smeared over the sun's disc, and from
// them the colour the eye sees at each angle.
//
// The profiles are computed on a grid finer than the ripple the outer
// reflection lays over the bow (about 0.06°·(1000 µm/d)·(λ/550 nm)), three
// samples to its period, then convolved with the disc (optics/sun_disc.h),
// then read off at the centres of the picture's pixels; with a spread of
// sizes (size_spread.h) the profiles of all sizes, on the grid of the
// largest, are averaged before the disc; with a point sun
// each pixel takes the mean over its width instead, which is what a
// camera's pixel collects. The bands are shared out among worker threads,
// the shortest wavelengths (the longest series) first; a raised flag stops
// every worker within one block of angles.
#pragma once

#include "optics/colour.h"
#include "tavrin/sunlight/model/bow_profile.h"

#include <atomic>
#include <optional>
#include <vector>

namespace rb::tavrin {

struct SunBowRequest {
    double diameterMicrons = 1000;
    double spread = 0;              // of the sizes, size_spread.h
    BowTheory theory = BowTheory::Mie;
    bool sunDisc = true;
    BowFilter filter = BowFilter::None;
    int pixels = 800;               // values across the angle axis
    double firstDeg = 35, lastDeg = 57;
};

struct SunBow {
    SunBowRequest request;
    std::vector<double> angleDeg;               // the pixels' centres
    std::vector<double> nm;                     // the bands
    std::vector<std::vector<double>> intensity; // [band][pixel], |S|²/(π·x²)
    std::vector<optics::Xyz> xyz;               // the bow's light, sun Y = 1
    std::vector<optics::Rgb> balanced;          // its linear sRGB, not in gamut
    long long terms = 0;                        // Mie terms summed, all bands
    long long rays = 0;                         // phasors of the whole drop, all bands
    int anglesPerBand = 0;                      // the finest grid's length
    int sizes = 1;                              // drop sizes averaged
};

// Empty if the flag went up first. Uses up to `threads` threads, the
// caller's among them.
std::optional<SunBow> ComputeSunBow(const SunBowRequest &request, const std::atomic<bool> &cancel,
                                    unsigned threads = 2);

// The period of the outer reflection's ripple, degrees.
double RippleDegrees(double diameterMicrons, double nm);

} // namespace rb::tavrin
