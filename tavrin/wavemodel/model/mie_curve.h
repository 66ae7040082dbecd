// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The exact curve of Lorenz–Mie theory across Bild III, for the colour,
// the diameter and the polarisation the wave window shows: the intensity
// at one angle per device pixel, the angles taken from the pixels' centres
// through the angle scale's mapping (angle_scale.h), so the curve lies on
// the bars and on Airy's curve exactly as they are drawn.
//
// The coefficients are worked out once; the angles, which cost nearly all
// the time (a 2000 µm drop in blue light needs 14 700 terms per angle), are
// shared out in blocks among worker threads. Between blocks each worker
// looks at a cancel flag, so a change of the window's settings stops a
// computation within one block.
#pragma once

#include "tavrin/wavemodel/model/wave_model.h"

#include <atomic>
#include <vector>

namespace rb::tavrin {

// All paths through the drop (the full series), or the bow ray only: the
// light reflected once inside, Debye's term p = 2, without the outer
// reflection and the rest.
enum class MiePaths { All, BowRay };

// s: |S1|², light polarised perpendicular to the scattering plane; p: |S2|²;
// unpolarised: the mean of the two intensities.
enum class MiePolarisation { S, P, Unpolarised };

struct MieCurveRequest {
    WaveColour colour = WaveColour::Red;
    double diameterMicrons = 1000;
    MiePolarisation polarisation = MiePolarisation::Unpolarised;
    MiePaths paths = MiePaths::All;
    int pixels = 0; // across Bild III's width
};

// θ, from the antisolar point in radians, at the centre of the pixel of a
// row of the given width across Bild III.
double MieCurveAngle(int pixel, int pixels);

// The intensities |S|² (Bohren and Huffman's normalisation), left to right;
// empty if the flag was raised before the last block was done. Uses up to
// `threads` threads, the caller's among them.
std::vector<double> MieCurve(const MieCurveRequest &request, const std::atomic<bool> &cancel, unsigned threads = 2);

} // namespace rb::tavrin
