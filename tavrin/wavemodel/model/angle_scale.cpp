// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/wavemodel/model/angle_scale.h"

#include <cmath>

namespace rb::tavrin {

namespace {

constexpr double kScaleOriginX = -2000.0;
constexpr double kObserverDistance = 200000.0;

constexpr int kFirstDegree = 39, kLastDegree = 44;
constexpr double kLongMark = 100.0, kShortMark = 50.0;
constexpr int kLongWidth = 3, kShortWidth = 1;
constexpr double kTenthsFrom = 38.4, kTenthsTo = 44.4, kTenth = 0.1;

} // namespace

double AngleScaleX(double thetaDegrees, double piValue)
{
    return kScaleOriginX - kObserverDistance * std::tan(thetaDegrees * piValue / 180.0);
}

double AngleScaleDegrees(double x, double piValue)
{
    return std::atan((kScaleOriginX - x) / kObserverDistance) * 180.0 / piValue;
}

double AngleAtScaleX(double x) { return std::atan((kScaleOriginX - x) / kObserverDistance); }

void DrawAngleScale(Canvas &picture2, double piValue)
{
    picture2.SetDrawWidth(kLongWidth);
    for (int deg = kFirstDegree; deg <= kLastDegree; ++deg) {
        const double x = AngleScaleX(deg, piValue);
        picture2.Line(x, 0.0, x, kLongMark);
    }
    picture2.SetDrawWidth(kShortWidth);
    // The tenths are accumulated, not counted: the sum creeps a hair past
    // 44.4 on its last step, so 44.4 itself gets no mark.
    for (double theta = kTenthsFrom; theta <= kTenthsTo; theta += kTenth) {
        const double x = AngleScaleX(theta, piValue);
        picture2.Line(x, 0.0, x, kShortMark);
    }
}

} // namespace rb::tavrin
