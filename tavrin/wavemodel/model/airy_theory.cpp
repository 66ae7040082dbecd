// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/wavemodel/model/airy_theory.h"

#include "optics/descartes.h"
#include "tavrin/wavemodel/model/airy.h"
#include "tavrin/wavemodel/model/angle_scale.h"

#include <algorithm>
#include <cmath>

namespace rb::tavrin {

namespace {
constexpr double kPi = 3.14159265358979323846;
// Bild III's x range and height, and the spacing of the curve's points: 20
// units are a thirtieth of the narrowest fringe the window can show (2000 µm
// drop in blue light, far inside the bow).
constexpr double kFirstX = -198000, kLastX = -160000, kCurveStep = 20;
constexpr double kPictureHeight = 2000;
constexpr int kCurveWidth = 2, kLineWidth = 1;
} // namespace

Color TheoryColour(WaveColour colour)
{
    return colour == WaveColour::Red ? RGB(0, 0, 0) : colour == WaveColour::Green ? RGB(130, 0, 130) : RGB(220, 120, 0);
}

double DescartesAngle(double n)
{
    const double alpha = std::acos(std::sqrt((n * n - 1.0) / 3.0));
    const double beta = std::asin(std::sin(alpha) / n);
    return 4.0 * beta - 2.0 * alpha;
}

double DeviationCurvature(double n)
{
    return optics::DeviationCurvature(n);
}

double AiryBow::Z(double theta) const { return (thetaR - theta) * std::pow(ka, 2.0 / 3.0) / std::cbrt(h); }

double AiryBow::Relative(double theta) const { return std::fabs(AiryAi(-Z(theta))) / kAiryPeak; }

double AiryBow::MaximumAngle(int s) const
{
    return thetaR - kAiryMaxima[s - 1] * std::cbrt(h) * std::pow(ka, -2.0 / 3.0);
}

AiryBow AiryBowFor(double n, double diameterMicrons, double waveMicrons)
{
    return {DescartesAngle(n), DeviationCurvature(n), 2.0 * kPi / waveMicrons * diameterMicrons / 2.0};
}

void DrawAiryTheory(Canvas &picture1, const AiryBow &bow, double peakHeight, Color c, double piValue, double lineTop)
{
    picture1.SetDrawWidth(kCurveWidth);
    double lastX = kFirstX, lastY = peakHeight * bow.Relative(AngleAtScaleX(kFirstX));
    for (double x = kFirstX + kCurveStep; x <= kLastX; x += kCurveStep) {
        const double y = peakHeight * bow.Relative(AngleAtScaleX(x));
        picture1.Line(lastX, lastY, x, y, c);
        lastX = x;
        lastY = y;
    }
    picture1.SetDrawWidth(kLineWidth);
    const double xR = AngleScaleX(bow.thetaR * 180.0 / piValue, piValue);
    picture1.Line(xR, 0.0, xR, std::min(lineTop, kPictureHeight), c);
}

} // namespace rb::tavrin
