// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// Sunlight as the rain gets it and the eye sees it: forty bands of 10 nm
// from 380 to 780 nm, each standing for its band by its middle wavelength
// (385, 395, … 775 nm), weighted by the sun's spectrum at the ground and
// the CIE 1931 colour-matching functions there. The weights are scaled so
// that the sun itself has the luminance Y = 1: a drop that sends a fraction
// I(λ) of the light into a direction makes there the tristimulus values
//     X = Σ I(λ)·S(λ)·x̄(λ)·Δλ / Σ S(λ)·ȳ(λ)·Δλ,  and Y, Z alike.
// On the screen sunlight is white: the linear sRGB colour of the sun is
// made neutral by one gain per channel.
#pragma once

#include "optics/colour.h"

#include <span>
#include <vector>

namespace rb::tavrin {

struct WhiteLight {
    std::vector<double> nm;            // the bands' middle wavelengths
    std::vector<optics::Xyz> weight;   // S·(x̄, ȳ, z̄)·Δλ over Σ S·ȳ·Δλ
    optics::Rgb sun;                   // the sun's own linear sRGB colour
};
const WhiteLight &Sunlight();

// The colour of the light I(λ) given for each band, in tristimulus values.
optics::Xyz SpectrumXyz(std::span<const double> perBand);
// Its white-balanced linear sRGB colour (not yet in gamut): sunlight of
// luminance Y is (Y, Y, Y).
optics::Rgb BalancedRgb(const optics::Xyz &c);

} // namespace rb::tavrin
