// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The pieces of white light: water's index, the two tables, the colour
// pipeline and the sun's disc.
#include "optics/colour.h"
#include "optics/light_tables.h"
#include "optics/sun_disc.h"
#include "optics/water_index.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <stdexcept>
#include <string>

namespace {

using namespace rb::optics;

TEST(WaterIndex, MatchesTheCheckValues)
{
    // IAPWS R9-97, table 3: 589.3 nm, 298.15 K, 997.047 kg/m³.
    EXPECT_NEAR(IapwsWaterIndex(0.5893, 298.15, 997.047), 1.3328582, 5e-7);
    // The formulation at 20 °C and atmospheric density, to five places.
    EXPECT_NEAR(RainIndex(0.400), 1.34356, 6e-6);
    EXPECT_NEAR(RainIndex(0.550), 1.33468, 6e-6);
    EXPECT_NEAR(RainIndex(0.700), 1.33052, 6e-6);
}

TEST(LightTables, LoadAndRefuseDamagedCopies)
{
    EXPECT_EQ(ColourMatching().wavelength.size(), 81u);
    EXPECT_EQ(Sunlight().wavelength.size(), 81u);
    const std::string cmf(ColourMatchingText()), sun(SunlightText());
    // A row lost, a value changed, a row out of order.
    std::string lost = cmf;
    lost.erase(lost.find("600,"), lost.find('\n', lost.find("600,")) - lost.find("600,") + 1);
    EXPECT_THROW(ReadColourMatching(lost), std::runtime_error);
    std::string changed = sun;
    changed.replace(changed.find("1.3391"), 6, "1.4391");
    EXPECT_THROW(ReadSunlight(changed), std::runtime_error);
    std::string swapped = sun;
    swapped.replace(swapped.find("\n385,"), 5, "\n386,");
    EXPECT_THROW(ReadSunlight(swapped), std::runtime_error);
    std::string junk = cmf;
    junk.replace(junk.find("0.348280"), 8, "0.34x280");
    EXPECT_THROW(ReadColourMatching(junk), std::runtime_error);
}

TEST(Colour, PipelineAgainstTheStandard)
{
    // IEC 61966-2-1: the D65 white (x = 0.3127, y = 0.3290, Y = 1) is
    // (1, 1, 1) in linear sRGB.
    const Rgb w = XyzToLinearSrgb({0.3127 / 0.3290, 1.0, (1 - 0.3127 - 0.3290) / 0.3290});
    EXPECT_NEAR(w.r, 1, 2e-3);
    EXPECT_NEAR(w.g, 1, 2e-3);
    EXPECT_NEAR(w.b, 1, 2e-3);
    // The curve, worked by hand: 1.055·0.5^(1/2.4) − 0.055 and the linear toe.
    EXPECT_NEAR(SrgbEncode(0.5), 0.735357, 1e-6);
    EXPECT_NEAR(SrgbEncode(0.002), 0.02584, 1e-6);
    EXPECT_EQ(SrgbByte(1.0), 255);
    // Out of gamut on both sides: into the cube, the luminance kept.
    const Rgb in = IntoGamut({1.6, 0.3, -0.2}, 0.45);
    for (const double v : {in.r, in.g, in.b}) {
        EXPECT_GE(v, 0);
        EXPECT_LE(v, 1);
    }
    // On the line from the grey of luminance 0.45 through the colour, so
    // the luminance, linear in the channels, stays; as far out as fits.
    const double t = (in.r - 0.45) / (1.6 - 0.45);
    EXPECT_NEAR((in.g - 0.45) / (0.3 - 0.45), t, 1e-12);
    EXPECT_NEAR((in.b - 0.45) / (-0.2 - 0.45), t, 1e-12);
    EXPECT_NEAR(in.r, 1.0, 1e-12);
    const Rgb ok = IntoGamut({0.5, 0.2, 0.1}, 0.3);
    EXPECT_DOUBLE_EQ(ok.r, 0.5); // in gamut: unchanged
}

TEST(SunDisc, SpreadsAPointOverTheDisc)
{
    // A point at the centre of a fine grid: it spreads over ±ρ as the
    // disc's chord, 2√(ρ² − u²), its total kept.
    const double step = 0.01, radius = 0.2665;
    std::vector<double> f(201, 0.0);
    f[100] = 1;
    const std::vector<double> g = ConvolveWithDisc(f, step, radius);
    EXPECT_NEAR(std::accumulate(g.begin(), g.end(), 0.0), 1.0, 1e-12);
    EXPECT_EQ(g[100 + 27], 0.0);
    EXPECT_GT(g[100 + 26], 0.0);
    // Its height at u = 0.2: the chord 2√(ρ² − u²)·step over the disc's
    // area πρ².
    const double u = 0.2;
    EXPECT_NEAR(g[120], 2 * std::sqrt(radius * radius - u * u) * step / (M_PI * radius * radius), 2e-4);
    const std::vector<double> flat = ConvolveWithDisc(std::vector<double>(50, 3.0), step, radius);
    EXPECT_NEAR(flat[0], 3.0, 1e-12);
}

} // namespace
