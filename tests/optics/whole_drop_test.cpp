// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The whole drop's phasors, primary and secondary bow, against a second
// method: the Lorenz–Mie solution taken apart into Debye's terms
// (optics/mie_debye.h), p = 2 for the primary and p = 3 for the secondary
// bow, in the same units |S|²/(π·x²). Water at 650 and 450 nm
// (n = 1.3314 and 1.3374, IAPWS).
#include "optics/mie_debye.h"
#include "optics/whole_drop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

using namespace rb::optics;
constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180;

struct Peak {
    double deg = 0, intensity = 0;
};

// The tallest point of unpolarised light (s + p) on a 0.01° grid.
template <typename Light> Peak Tallest(double fromDeg, double toDeg, Light light)
{
    Peak best;
    for (double d = fromDeg; d <= toDeg; d += 0.01)
        if (const double i = light(d * kDeg); i > best.intensity) best = {d, i};
    return best;
}

} // namespace

TEST(WholeDropBows, BothBowsLieWhereDebyesTermsPutThem)
{
    struct Case {
        double nm, n, fromDeg, toDeg;
        int reflections;
        double maxTolDeg, heightTol;
    };
    // 1000 µm. The secondary's fan stops short of its stationary exit point
    // (u ≈ 0.989), which takes a little of its outer branch: hence its
    // wider tolerance in height.
    const Case cases[] = {{650, 1.3314, 40, 43, 1, 0.03, 0.06}, {450, 1.3374, 39, 42, 1, 0.03, 0.06},
                          {650, 1.3314, 50, 53, 2, 0.15, 0.25}, {450, 1.3374, 52, 55, 2, 0.15, 0.25}};
    double red2 = 0, blue2 = 0;
    for (const Case &c : cases) {
        const double x = kPi * 1000 / (c.nm / 1000);
        const MieSeries debye = DebyeTerm(Complex(c.n, 0), x, c.reflections + 1);
        const Peak exact = Tallest(c.fromDeg, c.toDeg, [&](double theta) {
            Amplitudes a;
            const double mu = -std::cos(theta);
            ScatteringAmplitudes(debye, std::span<const double>(&mu, 1), std::span<Amplitudes>(&a, 1));
            return (std::norm(a.s1) + std::norm(a.s2)) / (kPi * x * x);
        });
        const WholeDropFan s(c.n, x, c.fromDeg * kDeg, c.toDeg * kDeg, Component::S, c.reflections);
        const WholeDropFan p(c.n, x, c.fromDeg * kDeg, c.toDeg * kDeg, Component::P, c.reflections);
        const Peak fan = Tallest(c.fromDeg, c.toDeg, [&](double theta) {
            double is = 0, ip = 0;
            s.IntensitiesWith(p, theta, is, ip);
            EXPECT_NEAR(is, s.Intensity(theta), 1e-9 * is);
            return is + ip;
        });
        EXPECT_NEAR(fan.deg, exact.deg, c.maxTolDeg) << c.nm << " nm, " << c.reflections;
        EXPECT_NEAR(fan.intensity / exact.intensity, 1, c.heightTol) << c.nm << " nm, " << c.reflections;
        if (c.reflections == 2) (c.nm == 650 ? red2 : blue2) = fan.deg;
    }
    // The secondary bow has its colours the other way round: blue outside.
    EXPECT_GT(blue2, red2 + 1.0);
}

// The primary bow's shape over drop sizes: the main maximum and the first
// inner bow's height relative to it, against Debye's p = 2 (for 100 µm
// Airy's theory is 0.02–0.05° off, the fan 0.005–0.03°; held to 0.05°).
TEST(WholeDropBows, PrimaryFollowsDebyesBowTermDownTo100Microns)
{
    for (const double d : {2000.0, 500.0, 200.0, 100.0})
        for (const auto &[nm, n] : {std::pair{650.0, 1.3314}, std::pair{450.0, 1.3374}}) {
            const double x = kPi * d / (nm / 1000);
            std::vector<double> theta, exact, fan;
            for (double deg = 42.6; deg >= 38.6; deg -= 0.005) theta.push_back(deg * kDeg);
            const auto a = BowTermAmplitudes(n, x, theta);
            const WholeDropFan s(n, x, theta.back(), theta.front(), Component::S);
            const WholeDropFan p(n, x, theta.back(), theta.front(), Component::P);
            for (std::size_t i = 0; i < theta.size(); ++i) {
                exact.push_back(std::norm(a[i].s1) + std::norm(a[i].s2));
                double is = 0, ip = 0;
                s.IntensitiesWith(p, theta[i], is, ip);
                fan.push_back(is + ip);
            }
            // The tallest point and the next maximum inwards.
            const auto shape = [](const std::vector<double> &v) {
                std::size_t k = static_cast<std::size_t>(std::max_element(v.begin(), v.end()) - v.begin());
                const std::size_t top = k;
                while (k + 1 < v.size() && v[k + 1] < v[k]) ++k;
                while (k + 1 < v.size() && v[k + 1] >= v[k]) ++k;
                return std::pair{top, v[k] / v[top]};
            };
            const auto [topExact, innerExact] = shape(exact);
            const auto [topFan, innerFan] = shape(fan);
            EXPECT_NEAR(theta[topFan] / kDeg, theta[topExact] / kDeg, 0.05) << d << " µm, " << nm << " nm";
            if (d >= 200) {
                EXPECT_NEAR(innerFan / innerExact, 1, 0.05) << d << " µm, " << nm << " nm";
            }
        }
}
