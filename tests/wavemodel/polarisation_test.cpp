// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// The polarised bow against what is known of it independently of this
// code: the degree of polarisation of about 0.92 (Können, Polarized Light
// in Nature), the weak parallel component (an independent Lorenz–Mie
// computation of the bow term, Debye p = 2, gives p/s ≈ 0.24 in amplitude
// at 1000 µm), the parallel component's inner bows lying between the
// perpendicular ones below 1 mm, and the light of the outer reflection in
// Alexander's band (full Mie: 0.7–0.9 % of the peak's intensity one degree
// outside the bow for drops of 1–2 mm; a factor of two is allowed).
#include "optics/mie_debye.h"
#include "tavrin/wavemodel/model/airy_theory.h"
#include "tavrin/wavemodel/model/angle_scale.h"
#include "tavrin/wavemodel/model/fan_reflection.h"
#include "tavrin/wavemodel/model/polarisation_degree.h"
#include "tavrin/wavemodel/model/wave_fan.h"
#include "tavrin/wavemodel/model/whole_drop.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <gtest/gtest.h>
#include <vector>

using namespace rb::tavrin;

namespace {

constexpr double kPi = 3.14159265358979323846;
double Rad(double degrees) { return degrees * kPi / 180.0; }

struct Bow {
    WholeDropFan s, p;
    Bow(WaveColour c, double d)
        : s(WaterIndex(c), SizeParameter(d, WavelengthMicrons(c)), Rad(38), Rad(45), Component::S),
          p(WaterIndex(c), SizeParameter(d, WavelengthMicrons(c)), Rad(38), Rad(45), Component::P)
    {
    }
};

// The angles (degrees) of the local maxima from `from` down to `to`, the
// main bow first.
std::vector<double> Maxima(const WholeDropFan &f, double from, double to, double step = 0.01)
{
    std::vector<double> t, a, peaks;
    for (double th = from; th >= to; th -= step) {
        t.push_back(th);
        a.push_back(f.Amplitude(Rad(th)));
    }
    for (std::size_t i = 1; i + 1 < a.size(); ++i)
        if (a[i] > a[i - 1] && a[i] >= a[i + 1]) peaks.push_back(t[i]);
    return peaks;
}

double Degree(double as, double ap) { return (as * as - ap * ap) / (as * as + ap * ap); }

} // namespace

TEST(PolarisedBow, NearlyPerpendicularAtTheMainBowWithAWeakParallelPart)
{
    // 2000 µm, red: the geometric limit.
    const Bow big(WaveColour::Red, 2000);
    const double main = Maxima(big.s, 42.5, 41.9).front();
    EXPECT_NEAR(Degree(big.s.Amplitude(Rad(main)), big.p.Amplitude(Rad(main))), 0.92, 0.02);

    // 1000 µm, red: the tallest p bar a fifth to a quarter of the tallest s.
    const Bow mid(WaveColour::Red, 1000);
    double most = 0, mostP = 0;
    for (double th = 43; th >= 39; th -= 0.01) {
        most = std::max(most, mid.s.Amplitude(Rad(th)));
        mostP = std::max(mostP, mid.p.Amplitude(Rad(th)));
    }
    EXPECT_GT(mostP / most, 0.19);
    EXPECT_LT(mostP / most, 0.27);

    // The fan of 321 rays: the flat-phasor value, the Fresnel products at
    // the rainbow ray (0.2950 and 0.0580, worked by hand: degree 0.925).
    WaveModel fan;
    fan.SelectColour(WaveColour::Red);
    EXPECT_NEAR(DegreeOfPolarisation(fan, -185000), 0.925, 0.02);
}

// Debye's p = 2 at 500 µm, red, puts the parallel component's maxima at
// 41.77°, 41.07°, 40.12°, 39.35° and the perpendicular one's at 41.79°,
// 40.58°, 39.73°, 39.01°: past its main bow each parallel maximum lies
// between two perpendicular ones, one place further out.
TEST(PolarisedBow, ParallelInnerBowsLieBetweenThePerpendicularOnes)
{
    const Bow small(WaveColour::Red, 500);
    const std::vector<double> s = Maxima(small.s, 42.5, 38.6), p = Maxima(small.p, 42.5, 38.6);
    ASSERT_GE(s.size(), 4u);
    ASSERT_GE(p.size(), 4u);
    for (std::size_t k = 1; k <= 3; ++k) {
        EXPECT_LT(p[k], s[k - 1]) << k;
        EXPECT_GT(p[k], s[k]) << k;
    }
    // And where the exact bow term has them.
    const double mieP[] = {41.77, 41.07, 40.12, 39.35}, mieS[] = {41.79, 40.58, 39.73, 39.01};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_NEAR(p[k], mieP[k], 0.06) << k;
        EXPECT_NEAR(s[k], mieS[k], 0.02) << k;
    }
}

TEST(PolarisedBow, OuterReflectionLightsAlexandersBand)
{
    for (WaveColour c : {WaveColour::Red, WaveColour::Blue}) {
        const Bow bow(c, 1000);
        double peak = 0;
        for (double th = 43; th >= 40; th -= 0.01)
            peak = std::max(peak, std::pow(bow.s.Amplitude(Rad(th)), 2) + std::pow(bow.p.Amplitude(Rad(th)), 2));
        const double dark = DescartesAngle(WaterIndex(c)) + Rad(1);
        // Averaged over a tenth of a degree either side: the reflection
        // ripples the curve there.
        double without = 0, with = 0;
        int n = 0;
        for (double t = dark - Rad(0.1); t <= dark + Rad(0.1); t += Rad(0.01), ++n) {
            without += std::pow(bow.s.Amplitude(t), 2) + std::pow(bow.p.Amplitude(t), 2);
            with += std::pow(bow.s.Amplitude(t, true), 2) + std::pow(bow.p.Amplitude(t, true), 2);
        }
        EXPECT_LT(without / n / peak, 2e-3);
        EXPECT_GT(with / n / peak, 0.0035);
        EXPECT_LT(with / n / peak, 0.018);
    }
}

// Against a second method: the Lorenz–Mie solution's bow term (Debye
// p = 2, optics/mie_debye.h) for unpolarised light, drops of 1 and 2 mm in
// red and blue: the main bow within 0.05°, the first inner bow's height
// relative to it within 10 %.
TEST(PolarisedBow, UnpolarisedBowFollowsMiesBowTerm)
{
    for (WaveColour c : {WaveColour::Red, WaveColour::Blue})
        for (double d : {1000.0, 2000.0}) {
            const Bow bow(c, d);
            const double n = WaterIndex(c), ka = SizeParameter(d, WavelengthMicrons(c));
            std::vector<double> t;
            for (double th = 43.0; th >= 40.0; th -= 0.005) t.push_back(Rad(th));
            const auto mie = rb::optics::BowTermAmplitudes(n, ka, t);
            std::vector<double> im, iw;
            for (std::size_t i = 0; i < t.size(); ++i) {
                im.push_back(std::norm(mie[i].s1) + std::norm(mie[i].s2));
                iw.push_back(std::pow(bow.s.Amplitude(t[i]), 2) + std::pow(bow.p.Amplitude(t[i]), 2));
            }
            // The main maximum and the next maximum inwards, as (index, relative height).
            auto shape = [](const std::vector<double> &v) {
                std::size_t k = std::max_element(v.begin(), v.end()) - v.begin();
                const std::size_t main = k;
                while (k + 1 < v.size() && v[k + 1] < v[k]) ++k;
                while (k + 1 < v.size() && v[k + 1] >= v[k]) ++k;
                return std::pair{main, v[k] / v[main]};
            };
            const auto [mainMie, innerMie] = shape(im);
            const auto [mainModel, innerModel] = shape(iw);
            EXPECT_NEAR(t[mainModel], t[mainMie], Rad(0.05)) << d;
            EXPECT_NEAR(innerModel / innerMie, 1.0, 0.10) << d;
        }
}

// The fan's reflection phasor stands for the strip of reflected rays about
// its stationary ray: against those rays summed one by one, half a unit
// apart as the fan's own, along their optical paths from the plane
// x = −2000 (worked here from the geometry alone) under a smooth window
// many Fresnel zones wide.
TEST(FanReflection, IsTheSumOfItsReflectedRays)
{
    WaveModel m;
    m.SelectColour(WaveColour::Red);
    m.UpdateWaveUnits();
    const double radius = m.dropRadius;
    for (double y : {-192000.0, -185000.0, -170000.0}) {
        const FanReflection r = ReflectionTowards(m, kObserverX, y);
        ASSERT_TRUE(r.reaches);
        std::complex<double> sum = 0;
        constexpr double kFull = 600, kGone = 1200;
        for (double b = r.b - kGone; b <= r.b + kGone; b += 0.5) {
            const double t = (kGone - std::fabs(b - r.b)) / (kGone - kFull);
            const double window = t >= 1 ? 1 : 1 / (1 + std::exp(1 / t - 1 / (1 - t)));
            const double qx = -std::sqrt(radius * radius - b * b);
            const double turns = (qx + 2000 + std::hypot(kObserverX - qx, y - b)) / m.waveUnits;
            sum += window * std::polar(1.0, (turns - std::floor(turns)) * 2 * kPi);
        }
        const std::complex<double> strip(r.strip.cosPhi, r.strip.sinPhi);
        EXPECT_NEAR(std::abs(strip) / std::abs(sum), 1.0, 0.03) << y;
        EXPECT_NEAR(std::arg(strip / sum), 0.0, 0.05) << y;
    }
    // Inside the drop and in its shadow nothing is reflected towards B.
    EXPECT_FALSE(ReflectionTowards(m, -1000, 500).reaches);
    EXPECT_FALSE(ReflectionTowards(m, 30000, 1000).reaches);
}
