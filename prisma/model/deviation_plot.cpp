// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "prisma/model/deviation_plot.h"

#include "optics/arcsine.h"

#include <cmath>
#include <functional>

namespace rb::prisma {

namespace {
constexpr double kBaseY = 1000; // y of 0° deviation

void DrawGrid(Canvas &picture)
{
    for (int i = 0; i <= 90; i += 10) picture.Line(-900, kBaseY - 10 * i, 900, kBaseY - 10 * i);
    picture.Line(0, 1000, 0, 100);
    for (int j = -9; j <= 9; ++j) picture.Line(100 * j, 100, 100 * j, 1000);
}

} // namespace

// Positive branch: the ray meets the first face at +α. It passes the prism
// only if it meets the second face below 90° and escapes total reflection.
// Negative branch: the ray comes from the other side of the first face's
// normal; its deviation γ − α − A is returned as d = −(γ − α − A).
void ForEachDeviationPoint(double apex, float n, double pi,
                           const std::function<void(DeviationBranch, double, float)> &point)
{
    for (double alpha = 0.0; alpha <= 90.0; alpha += 0.1) {
        const double f = std::sin(alpha * pi / 180.0) / n;
        if (!(f < 1.0)) continue;
        double beta1 = optics::Arcsin(f);
        if (!(beta1 + pi / 2.0 - apex > 0.0)) continue;
        double beta2 = apex - beta1;
        const double s = n * std::sin(beta2);
        if (!(s < 1.0)) continue;
        double gamma = optics::Arcsin(s);
        beta1 = beta1 * 180.0 / pi;
        beta2 = beta2 * 180.0 / pi;
        gamma = gamma * 180.0 / pi;
        point(DeviationBranch::Positive, alpha, static_cast<float>(alpha + gamma - beta1 - beta2));
    }
    for (double alpha = 0.0; alpha <= 90.0; alpha += 0.1) {
        const double f = std::sin(alpha * pi / 180.0) / n;
        if (!(f < 1.0)) continue;
        double beta1 = optics::Arcsin(f);
        double beta2 = apex + beta1;
        const double s = n * std::sin(beta2);
        // With a 180° apex, s reaches −1 at grazing incidence (or passes it
        // by rounding), where the arcsine has no value: no point there.
        if (!(s < 1.0) || !(s > -1.0)) continue;
        double gamma = optics::Arcsin(s);
        beta1 = beta1 * 180.0 / pi;
        beta2 = beta2 * 180.0 / pi;
        gamma = gamma * 180.0 / pi;
        point(DeviationBranch::Negative, alpha, static_cast<float>(beta2 + alpha - beta1 - gamma));
    }
}

void DrawDeviationPlot(Canvas &picture, double apexAngle, float refrIndex, double piValue)
{
    DrawGrid(picture);
    picture.SetDrawWidth(2);
    ForEachDeviationPoint(apexAngle, refrIndex, piValue, [&picture](DeviationBranch b, double alpha, float d) {
        if (b == DeviationBranch::Positive) picture.PSet(10.0 * alpha, kBaseY - 10.0 * d);
        else picture.PSet(-10.0 * alpha, kBaseY + 10.0 * d);
    });
    picture.SetDrawWidth(1);
}

} // namespace rb::prisma
