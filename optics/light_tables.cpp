// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "optics/light_tables.h"

#include "optics/table_text.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace rb::optics {

namespace {

// A value the published table has at one wavelength: a file shifted by a
// row, or with a column swapped, fails here though its shape is right.
void Expect(std::string_view name, const WavelengthTable &t, std::size_t c, double nm, double value)
{
    if (std::abs(t.At(c, nm) - value) > 1e-9)
        throw std::runtime_error(std::string(name) + ": not the published value at " + std::to_string(nm) + " nm");
}

} // namespace

std::string_view ColourMatchingText() { return table_text::kCie1931; }
std::string_view SunlightText() { return table_text::kAstmG173Direct; }

WavelengthTable ReadColourMatching(std::string_view text)
{
    constexpr std::string_view name = "cie1931_2deg_5nm.csv";
    WavelengthTable t = ParseWavelengthTable(name, text, {3, 380, 780, 5, 0, 2});
    Expect(name, t, 1, 555, 1.0);       // ȳ peaks at 555 nm
    Expect(name, t, 0, 600, 1.0622);    // x̄'s red lobe
    Expect(name, t, 2, 450, 1.77211);   // z̄
    return t;
}

WavelengthTable ReadSunlight(std::string_view text)
{
    constexpr std::string_view name = "astm_g173_direct_5nm.csv";
    WavelengthTable t = ParseWavelengthTable(name, text, {1, 380, 780, 5, 0, 2});
    Expect(name, t, 0, 500, 1.3391);
    Expect(name, t, 0, 760, 0.24716); // the oxygen A band
    return t;
}

const WavelengthTable &ColourMatching()
{
    static const WavelengthTable table = ReadColourMatching(ColourMatchingText());
    return table;
}

const WavelengthTable &Sunlight()
{
    static const WavelengthTable table = ReadSunlight(SunlightText());
    return table;
}

} // namespace rb::optics
