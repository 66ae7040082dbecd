// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "optics/sun_disc.h"

#include <algorithm>
#include <cmath>

namespace rb::optics {

std::vector<double> ConvolveWithDisc(std::span<const double> f, double step, double radius)
{
    const std::ptrdiff_t n = std::ssize(f);
    const auto reach = static_cast<std::ptrdiff_t>(std::floor(radius / step));
    if (n == 0 || reach < 1) return {f.begin(), f.end()};
    // The chord's weight over each sample's cell, by the area of the disc's
    // slice between u − step/2 and u + step/2 (exact, so a coarse step still
    // keeps the disc's total).
    const auto slice = [&](double u) {
        u = std::clamp(u / radius, -1.0, 1.0);
        return u * std::sqrt(1 - u * u) + std::asin(u); // ∫ 2√(1 − s²) ds
    };
    std::vector<double> w(static_cast<std::size_t>(2 * reach + 1));
    double total = 0;
    for (std::ptrdiff_t j = -reach; j <= reach; ++j) {
        const double u = static_cast<double>(j) * step;
        double s = slice(u + step / 2) - slice(u - step / 2);
        if (j == -reach) s += slice(u - step / 2) - slice(-radius); // the disc's rims
        if (j == reach) s += slice(radius) - slice(u + step / 2);
        w[static_cast<std::size_t>(j + reach)] = s;
        total += s;
    }
    std::vector<double> out(static_cast<std::size_t>(n));
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        double sum = 0;
        for (std::ptrdiff_t j = -reach; j <= reach; ++j)
            sum += w[static_cast<std::size_t>(j + reach)] * f[static_cast<std::size_t>(std::clamp(i + j, std::ptrdiff_t{0}, n - 1))];
        out[static_cast<std::size_t>(i)] = sum / total;
    }
    return out;
}

} // namespace rb::optics
