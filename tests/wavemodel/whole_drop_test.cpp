// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Airy's function and theory, and the whole-drop phasor model measured
// against them.
#include "tavrin/wavemodel/model/airy.h"
#include "tavrin/wavemodel/model/airy_theory.h"
#include "tavrin/wavemodel/model/whole_drop.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace rb::tavrin;

namespace {

constexpr double kPi = 3.14159265358979323846;
double Rad(double degrees) { return degrees * kPi / 180.0; }
double Deg(double radians) { return radians * 180.0 / kPi; }

// Local maxima of the amplitude on a fine grid of angles (radians).
struct Peak {
    double theta, height;
};
std::vector<Peak> Peaks(const WholeDropFan &fan, double from, double to, double step)
{
    std::vector<double> t, a;
    for (double th = from; th <= to; th += step) {
        t.push_back(th);
        a.push_back(fan.Amplitude(th));
    }
    std::vector<Peak> peaks;
    for (std::size_t i = 1; i + 1 < a.size(); ++i)
        if (a[i] > a[i - 1] && a[i] >= a[i + 1]) peaks.push_back({t[i], a[i]});
    return peaks;
}

} // namespace

TEST(Airy, MatchesTabulatedValuesOnBothSidesAndAcrossTheSwitchOfMethod)
{
    const struct {
        double x, ai;
    } table[] = {
        {0, 0.355028053887817}, {1, 0.135292416312881}, {-1, 0.535560883292352},
        {2, 0.0349241304232744}, {-2, 0.227407428201528}, {3, 0.00659113935746072},
        {-3, -0.378814293677658}, {5, 1.08344428136074e-4}, {-5, 0.350761009024114},
        {10, 1.10475325528970e-10},
        // Zeros and the first maximum, on the power series' side of |x| = 7 and beyond.
        {-2.338107410459767, 0}, {-4.087949444130971, 0}, {-7.944133587120853, 0},
        {-12.828776752865757, 0}, {-kAiryMaxima[0], kAiryPeak},
    };
    for (const auto &t : table) {
        const double tolerance = std::max(1e-10, 1e-9 * std::fabs(t.ai));
        EXPECT_NEAR(AiryAi(t.x), t.ai, tolerance) << t.x;
    }
    // Maxima of |Ai(−z)| are where the derivative vanishes.
    for (double z : kAiryMaxima) EXPECT_NEAR((AiryAi(-z - 1e-6) - AiryAi(-z + 1e-6)) / 2e-6, 0, 1e-6) << z;
}

TEST(AiryTheory, DescartesAngleCurvatureAndMaxima)
{
    for (double n : {1.33, 1.3312, 1.3406, 1.5}) {
        // The deviation 4β − 2α from the antisolar point, in drop radii.
        const auto theta = [n](double u) { return 4 * std::asin(u / n) - 2 * std::asin(u); };
        const double uR = std::sqrt((4 - n * n) / 3);
        EXPECT_NEAR(DescartesAngle(n), theta(uR), 1e-12) << n;
        const double d = 1e-4;
        const double halfCurvature = -(theta(uR + d) - 2 * theta(uR) + theta(uR - d)) / (2 * d * d);
        EXPECT_NEAR(DeviationCurvature(n), halfCurvature, 1e-5 * halfCurvature) << n;
    }
    // Red light in a drop of 1000 µm.
    const AiryBow bow = AiryBowFor(1.3312, 1000, 0.656);
    EXPECT_NEAR(Deg(bow.thetaR), 42.34, 0.005);
    const double maxima[] = {41.99, 41.22, 40.68};
    for (int s = 1; s <= 3; ++s) {
        EXPECT_NEAR(Deg(bow.MaximumAngle(s)), maxima[s - 1], 0.005) << s;
        EXPECT_NEAR(bow.Relative(bow.MaximumAngle(1)), 1.0, 1e-9);
    }
}

TEST(WholeDrop, BowAndInnerBowsLieOnAirysMaximaWithADarkSideWithoutLobes)
{
    struct Case {
        double diameter;
        double tolerance; // degrees, for the tallest bar and the next two maxima
        int maxima;
    };
    const Case cases[] = {{2000, 0.05, 3}, {1000, 0.05, 3}, {500, 0.1, 3}, {200, 0.2, 1}};
    for (WaveColour colour : {WaveColour::Red, WaveColour::Green, WaveColour::Blue}) {
        const double n = WaterIndex(colour), wave = WavelengthMicrons(colour);
        for (const Case &c : cases) {
            const AiryBow bow = AiryBowFor(n, c.diameter, wave);
            const WholeDropFan fan(n, SizeParameter(c.diameter, wave), Rad(kBowFromDegrees), Rad(kBowToDegrees));
            const double from = bow.MaximumAngle(c.maxima) - Rad(0.3);
            const auto peaks = Peaks(fan, from, bow.thetaR + Rad(0.3), Rad(0.002));
            const auto dark = Peaks(fan, bow.thetaR + Rad(0.3), Rad(kBowToDegrees), Rad(0.005));
            ASSERT_GE(peaks.size(), std::size_t(c.maxima));
            std::size_t top = 0;
            for (std::size_t i = 0; i < peaks.size(); ++i)
                if (peaks[i].height > peaks[top].height) top = i;
            // The bars are normalised to Airy's main maximum, which a drop
            // of a few hundred wavelengths no longer quite reaches.
            if (c.diameter >= 500) {
                EXPECT_NEAR(peaks[top].height, 1000, 80) << c.diameter;
            }
            // The tallest and the next maxima towards the inside of the bow.
            for (int s = 1; s <= c.maxima; ++s) {
                ASSERT_GE(int(top), s - 1);
                EXPECT_NEAR(Deg(peaks[top - (s - 1)].theta), Deg(bow.MaximumAngle(s)), c.tolerance)
                    << "d " << c.diameter << " n " << n << " maximum " << s;
            }
            // The dark side: nothing that looks like a bow.
            for (const Peak &p : dark) EXPECT_LT(p.height, 0.03 * peaks[top].height) << c.diameter << " " << Deg(p.theta);
        }
    }
}

TEST(WholeDrop, NeighbouringPhasorsDifferByASmallPartOfATurn)
{
    // The largest drop in the shortest wavelength needs the finest fan.
    for (double diameter : {50.0, 2000.0}) {
        const double n = WaterIndex(WaveColour::Blue);
        const WholeDropFan fan(n, SizeParameter(diameter, 0.430), Rad(kBowFromDegrees), Rad(kBowToDegrees));
        for (double deg : {kBowFromDegrees, 41.0, kBowToDegrees}) {
            double most = 0;
            for (int j = 1; j < fan.Rays(); ++j) {
                const Phasor a = fan.Term(j - 1, rb::optics::FanDirection(Rad(deg)));
                const Phasor b = fan.Term(j, rb::optics::FanDirection(Rad(deg)));
                most = std::max(most, std::fabs(std::atan2(a.cosPhi * b.sinPhi - a.sinPhi * b.cosPhi,
                                                           a.cosPhi * b.cosPhi + a.sinPhi * b.sinPhi)));
            }
            EXPECT_LE(most, 2 * kPi / 20) << diameter << " " << deg;
        }
        // Faded in and out smoothly, and nothing at the stationary exit point.
        EXPECT_EQ(fan.Weight(0), 0);
        EXPECT_EQ(fan.Weight(fan.Rays() - 1), 0);
        EXPECT_LT(fan.ImpactParameter(fan.Rays() - 1), std::sqrt((16 - n * n) / 15));
    }
}

// Airy's curve and Descartes' line must show over the bars of their own
// colour and on the white picture. Contrast ratio and relative luminance
// as WCAG 2.1 defines them (sRGB channels linearised, weights 0.2126,
// 0.7152, 0.0722; ratio (L1 + 0.05) / (L2 + 0.05)); 3 : 1 is its least
// contrast for graphics against white, 2.5 : 1 ours against the bars.
TEST(AiryTheory, ItsColoursStandOutOverTheBarsAndOnWhite)
{
    const auto luminance = [](rb::Color c) {
        const auto lin = [](unsigned v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(rb::RedOf(c)) + 0.7152 * lin(rb::GreenOf(c)) + 0.0722 * lin(rb::BlueOf(c));
    };
    const auto contrast = [&](rb::Color a, rb::Color b) {
        const double la = luminance(a), lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    const struct {
        WaveColour colour;
        rb::Color bars;
    } cases[] = {{WaveColour::Red, rb::RGB(255, 0, 0)},
                 {WaveColour::Green, rb::RGB(0, 255, 0)},
                 {WaveColour::Blue, rb::RGB(0, 0, 255)}};
    for (const auto &c : cases) {
        EXPECT_GE(contrast(TheoryColour(c.colour), c.bars), 2.5) << int(c.colour);
        EXPECT_GE(contrast(TheoryColour(c.colour), rb::RGB(255, 255, 255)), 3.0) << int(c.colour);
    }
}
