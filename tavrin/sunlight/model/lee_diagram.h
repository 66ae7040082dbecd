// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// Lee's diagram (R. L. Lee, "Mie theory, Airy theory, and the natural
// rainbow", Applied Optics 37, 1506–1519, 1998): the colour of the bows at
// every angle from the antisolar point (across) for every drop diameter from
// 10 to 2000 µm (up, logarithmic). Each row is the picture of one drop size
// (sun_bow.h), single-sized as in Lee's diagram; a spread of sizes is then the
// mean of neighbouring rows, weighted as size_spread.h weights them, on the
// rows' own grid of about 4 % in diameter, so changing it needs no new Mie
// sums. The rows share the window's theory, sun's disc, filter and angle
// axis; any of those changes makes a new diagram.
#pragma once

#include "optics/colour.h"
#include "tavrin/sunlight/model/sun_bow.h"

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

namespace rb::tavrin {

constexpr double kLeeSmallest = 10, kLeeLargest = 2000; // µm
constexpr int kLeeRows = 128;

// The rows' diameters, smallest first, evenly spaced in log D.
const std::vector<double> &LeeDiameters();
// The row nearest to a diameter, on the logarithmic scale.
int LeeRowNear(double diameterMicrons);

struct LeeRow {
    double diameterMicrons = 0;
    std::vector<optics::Xyz> xyz;      // the bow's light, sun Y = 1
    std::vector<optics::Rgb> balanced; // its linear sRGB, not in gamut
};

// What a row keeps of a picture: its colours, not its bands.
LeeRow LeeRowOf(const SunBow &bow);

// Row i of the rows computed so far, for rain of the given spread about its
// diameter: the rows within three standard deviations, weighted by n(D)·D²
// and the width D·Δln D of each row, those beyond the diagram's ends left
// out. Nothing until every row within reach is there.
std::optional<LeeRow> SpreadRow(const std::vector<std::optional<LeeRow>> &rows, std::size_t i, double spread);

// Where the light of a row is brightest, degrees from the antisolar point,
// within the primary bow (35–45°); and how far its colours there stay from
// grey (the largest (max − min)/Y of the balanced colour where Y is at least
// half that peak).
double LeePeakDegrees(const LeeRow &row, const std::vector<double> &angleDeg);
double LeeSaturation(const LeeRow &row, const std::vector<double> &angleDeg);

// The request of row i: the window's settings at that diameter, no spread.
SunBowRequest LeeRowRequest(const SunBowRequest &settings, std::size_t i);

// The whole diagram at once, the rows one after another on `threads`
// threads each; empty if the flag went up. For the benchmark, the tests and
// the command line.
std::optional<std::vector<LeeRow>> ComputeLeeDiagram(const SunBowRequest &settings, const std::atomic<bool> &cancel,
                                                     unsigned threads = 2);

} // namespace rb::tavrin
