// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The Mie curve as Bild III draws it, beside Airy's: Airy's curve shows an
// amplitude, |Ai|, so the Mie curve shows one too, √I. It is scaled so that
// the bow term (Debye's p = 2, the light reflected once inside) has its
// main maximum exactly as high as Airy's main maximum. For large drops the
// two then lie on each other, and what the full series adds (the outer
// reflection, the light through the drop without reflection, the higher
// orders) stands out against them; for small drops the offsets in angle and
// height between the exact bow and Airy's approximation show.
#pragma once

#include "tavrin/wavemodel/model/mie_curve.h"

#include <atomic>
#include <vector>

namespace rb::tavrin {

// Heights in Bild III's units, one per pixel as MieCurve gives them;
// peakHeight is where Airy's main maximum is drawn. Empty if cancelled.
std::vector<double> MieCurveHeights(const MieCurveRequest &request, double peakHeight,
                                    const std::atomic<bool> &cancel, unsigned threads = 2);

// The intensity of the bow term's main maximum, searched at the pixels of
// Bild III within half the spacing of Airy's first two maxima around
// Airy's main maximum (the exact bow lies a tenth of a degree or less
// outside it).
double BowTermPeakIntensity(const MieCurveRequest &request);

// The tallest maximum of a curve and, at smaller angles (larger indices),
// up to `inner` of the inner bows after it: the maxima that are the
// highest within `halfWindow` points either side, so the fine ripple of the
// outer reflection does not count as a bow. Indices, the tallest first.
std::vector<std::size_t> BowMaxima(const std::vector<double> &curve, std::size_t halfWindow, int inner);

// halfWindow for BowMaxima: a third of the spacing between the second and
// third of Airy's maxima, in pixels of the request's width.
std::size_t BowMaximaWindow(const MieCurveRequest &request);

} // namespace rb::tavrin
