// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/sunlight/model/white_light.h"

#include "optics/light_tables.h"

namespace rb::tavrin {

namespace {

constexpr int kBands = 40;
constexpr double kFirstNm = 385, kBandNm = 10;

WhiteLight Make()
{
    const optics::WavelengthTable &cmf = optics::ColourMatching();
    const optics::WavelengthTable &sun = optics::Sunlight();
    WhiteLight w;
    double y = 0;
    for (int i = 0; i < kBands; ++i) {
        const double nm = kFirstNm + kBandNm * i, s = sun.At(0, nm) * kBandNm;
        w.nm.push_back(nm);
        w.weight.push_back({s * cmf.At(0, nm), s * cmf.At(1, nm), s * cmf.At(2, nm)});
        y += w.weight.back().y;
    }
    optics::Xyz total;
    for (optics::Xyz &c : w.weight) {
        c = {c.x / y, c.y / y, c.z / y};
        total = {total.x + c.x, total.y + c.y, total.z + c.z};
    }
    w.sun = optics::XyzToLinearSrgb(total);
    return w;
}

} // namespace

const WhiteLight &Sunlight()
{
    static const WhiteLight light = Make();
    return light;
}

optics::Xyz SpectrumXyz(std::span<const double> perBand)
{
    const WhiteLight &w = Sunlight();
    optics::Xyz c;
    for (std::size_t i = 0; i < perBand.size() && i < w.weight.size(); ++i) {
        c.x += perBand[i] * w.weight[i].x;
        c.y += perBand[i] * w.weight[i].y;
        c.z += perBand[i] * w.weight[i].z;
    }
    return c;
}

optics::Rgb BalancedRgb(const optics::Xyz &c)
{
    return optics::WhiteBalanced(optics::XyzToLinearSrgb(c), Sunlight().sun, 1.0);
}

} // namespace rb::tavrin
