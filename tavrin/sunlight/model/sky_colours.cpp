// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/sunlight/model/sky_colours.h"

#include "tavrin/sunlight/model/white_light.h"

namespace rb::tavrin {

namespace {

ScreenColour Encode(const optics::Rgb &c)
{
    return {optics::SrgbByte(c.r), optics::SrgbByte(c.g), optics::SrgbByte(c.b)};
}

// The luminance of a balanced colour: its Y, since the balance keeps grey
// at its luminance (white_light.h), by the sRGB weights of the primaries
// of the sun's own white.
double Luminance(const optics::Rgb &c)
{
    const optics::Rgb &w = Sunlight().sun;
    return 0.2126 * w.r * c.r + 0.7152 * w.g * c.g + 0.0722 * w.b * c.b;
}

} // namespace

optics::Rgb ExposedLinear(const optics::Rgb &balanced, double y, const optics::Rgb &under)
{
    const optics::Rgb c{under.r + kExposure * balanced.r, under.g + kExposure * balanced.g,
                        under.b + kExposure * balanced.b};
    return optics::IntoGamut(c, Luminance(under) + kExposure * y);
}

std::vector<ScreenColour> BowColours(const SunBow &bow) { return BowColours(bow.balanced, bow.xyz); }

std::vector<ScreenColour> BowColours(const std::vector<optics::Rgb> &balanced, const std::vector<optics::Xyz> &xyz)
{
    std::vector<ScreenColour> out;
    for (std::size_t p = 0; p < balanced.size() && p < xyz.size(); ++p)
        out.push_back(Encode(ExposedLinear(balanced[p], xyz[p].y, {})));
    return out;
}

std::vector<ScreenColour> SkyColours(const SunBow &bow)
{
    const double f = bow.request.filter == BowFilter::None ? 1.0 : 0.5;
    const optics::Rgb sky{f * kSkyLinear.r, f * kSkyLinear.g, f * kSkyLinear.b};
    std::vector<ScreenColour> out;
    for (std::size_t p = 0; p < bow.balanced.size(); ++p)
        out.push_back(Encode(ExposedLinear(bow.balanced[p], bow.xyz[p].y, sky)));
    return out;
}

} // namespace rb::tavrin
