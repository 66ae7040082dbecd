// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/sunlight/model/lee_diagram.h"

#include "tavrin/sunlight/model/size_spread.h"

#include <algorithm>
#include <cmath>

namespace rb::tavrin {

namespace {

constexpr double kCutOff = 3; // standard deviations, as size_spread.h

std::vector<double> MakeDiameters()
{
    std::vector<double> d;
    const double span = std::log(kLeeLargest / kLeeSmallest);
    for (int i = 0; i < kLeeRows; ++i) d.push_back(kLeeSmallest * std::exp(span * i / (kLeeRows - 1)));
    d.back() = kLeeLargest;
    return d;
}

} // namespace

const std::vector<double> &LeeDiameters()
{
    static const std::vector<double> d = MakeDiameters();
    return d;
}

int LeeRowNear(double diameterMicrons)
{
    const double span = std::log(kLeeLargest / kLeeSmallest);
    const double f = std::log(std::max(diameterMicrons, 1e-9) / kLeeSmallest) / span * (kLeeRows - 1);
    return std::clamp(static_cast<int>(std::lround(f)), 0, kLeeRows - 1);
}

LeeRow LeeRowOf(const SunBow &bow) { return {bow.request.diameterMicrons, bow.xyz, bow.balanced}; }

std::optional<LeeRow> SpreadRow(const std::vector<std::optional<LeeRow>> &rows, std::size_t i, double spread)
{
    if (i >= rows.size()) return std::nullopt;
    if (spread <= 0) return rows[i];
    const double d = LeeDiameters()[i], sigma = spread * d;
    LeeRow out{d, {}, {}};
    double total = 0;
    for (std::size_t j = 0; j < rows.size(); ++j) {
        const double D = LeeDiameters()[j], u = (D - d) / sigma;
        if (std::abs(u) > kCutOff) continue;
        if (!rows[j]) return std::nullopt;
        const double w = std::exp(-0.5 * u * u) * D * D * D; // n(D)·D² and the row's width ∝ D
        const LeeRow &r = *rows[j];
        if (out.xyz.empty()) out.xyz.assign(r.xyz.size(), {}), out.balanced.assign(r.balanced.size(), {});
        for (std::size_t p = 0; p < r.xyz.size() && p < out.xyz.size(); ++p) {
            out.xyz[p] = {out.xyz[p].x + w * r.xyz[p].x, out.xyz[p].y + w * r.xyz[p].y, out.xyz[p].z + w * r.xyz[p].z};
            out.balanced[p] = {out.balanced[p].r + w * r.balanced[p].r, out.balanced[p].g + w * r.balanced[p].g,
                               out.balanced[p].b + w * r.balanced[p].b};
        }
        total += w;
    }
    for (optics::Xyz &c : out.xyz) c = {c.x / total, c.y / total, c.z / total};
    for (optics::Rgb &c : out.balanced) c = {c.r / total, c.g / total, c.b / total};
    return out;
}

double LeePeakDegrees(const LeeRow &row, const std::vector<double> &angleDeg)
{
    double best = -1, at = 0;
    for (std::size_t p = 0; p < row.xyz.size() && p < angleDeg.size(); ++p)
        if (angleDeg[p] >= 35 && angleDeg[p] <= 45 && row.xyz[p].y > best) best = row.xyz[p].y, at = angleDeg[p];
    return at;
}

double LeeSaturation(const LeeRow &row, const std::vector<double> &angleDeg)
{
    double top = 0;
    for (std::size_t p = 0; p < row.xyz.size() && p < angleDeg.size(); ++p)
        if (angleDeg[p] >= 35 && angleDeg[p] <= 45) top = std::max(top, row.xyz[p].y);
    double most = 0;
    for (std::size_t p = 0; p < row.xyz.size() && p < angleDeg.size(); ++p) {
        if (angleDeg[p] < 35 || angleDeg[p] > 45 || row.xyz[p].y < 0.5 * top) continue;
        const optics::Rgb &c = row.balanced[p];
        most = std::max(most, (std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b})) / row.xyz[p].y);
    }
    return most;
}

SunBowRequest LeeRowRequest(const SunBowRequest &settings, std::size_t i)
{
    SunBowRequest r = settings;
    r.diameterMicrons = LeeDiameters()[std::min(i, LeeDiameters().size() - 1)];
    r.spread = 0;
    return r;
}

std::optional<std::vector<LeeRow>> ComputeLeeDiagram(const SunBowRequest &settings, const std::atomic<bool> &cancel,
                                                     unsigned threads)
{
    std::vector<LeeRow> rows;
    for (std::size_t i = 0; i < LeeDiameters().size(); ++i) {
        std::optional<SunBow> bow = ComputeSunBow(LeeRowRequest(settings, i), cancel, threads);
        if (!bow) return std::nullopt;
        rows.push_back(LeeRowOf(*bow));
    }
    return rows;
}

} // namespace rb::tavrin
