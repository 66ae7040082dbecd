// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The two tables white light is made of, read from optics/data/ (built into
// the program) on first use and checked: the eye's colour-matching functions
// and the sunlight that falls on the rain.
#pragma once

#include "optics/wavelength_table.h"

namespace rb::optics {

// CIE 1931 2° observer: columns x̄, ȳ, z̄, 380–780 nm at 5 nm.
const WavelengthTable &ColourMatching();
// ASTM G173-03 direct normal irradiance, W m⁻² nm⁻¹, 380–780 nm at 5 nm:
// the light of the sun's disc at the ground, the sun 48° from the zenith.
const WavelengthTable &Sunlight();

// The table texts as built in, for the tests of damaged copies.
std::string_view ColourMatchingText();
std::string_view SunlightText();
// Parse and check a text as the loaders do; throws std::runtime_error.
WavelengthTable ReadColourMatching(std::string_view text);
WavelengthTable ReadSunlight(std::string_view text);

} // namespace rb::optics
