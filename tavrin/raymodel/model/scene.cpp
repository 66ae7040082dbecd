// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// What the ray model draws besides the rays: the drop's outline on the
// scene, the degree ticks and the marks on the angle strip, and the rays
// placed with the mouse.
#include "tavrin/raymodel/model/ray_model.h"

#include <cmath>

namespace rb::tavrin {

namespace {

constexpr double kOutlineStep = 0.01; // radians between two outline dots

// Ticks for every whole degree, i being ten times the angle.
constexpr int kTickFirst = 300, kTickLast = 600;
constexpr int kShortTickStep = 10, kLongTickStep = 100;
constexpr int kShortTickLeft = 180, kLongTickLeft = 150, kTickRight = 200;

} // namespace

void RayModel::DrawDropOutline(Canvas &scene) const
{
    // The running t reaches 6.28 and stops a hair below 2π: 629 dots.
    for (double t = 0; t <= 2 * piValue; t += kOutlineStep)
        scene.PSet(dropRadius * std::cos(t), dropRadius * std::sin(t));
}

void RayModel::DrawAngleTicks(Canvas &strip) const
{
    // y = 1850 − 30·W with W = i / 10.
    for (int i = kTickFirst; i <= kTickLast; i += kShortTickStep)
        strip.Line(kShortTickLeft, 1850 - 3 * i, kTickRight, 1850 - 3 * i, kTickColor);
    for (int i = kTickFirst; i <= kTickLast; i += kLongTickStep)
        strip.Line(kLongTickLeft, 1850 - 3 * i, kTickRight, 1850 - 3 * i, kTickColor);
}

void RayModel::RememberMark()
{
    if (stripMarks.size() < kMaxStripMarks)
        stripMarks.push_back({scatterAngle, colourIndex, reflCount, material});
}

void RayModel::MarkOnStrip(Canvas &strip)
{
    const double y = kStripZeroY - kStripScale * scatterAngle;
    strip.Line(0, y, kStripMarkLength, y, RayColor());
    RememberMark();
}

bool RayModel::PlaceRayByPress(Canvas &scene, Canvas &strip, float y)
{
    SetRefractiveIndex();
    return PlaceRay(scene, strip, y);
}

bool RayModel::PlaceRay(Canvas &scene, Canvas &strip, float y)
{
    if (!Traceable()) return false;
    curY = y;
    // The pointer's height is single precision, and so is R² − b² before
    // its root: that fixes the entry point of a hand-placed ray.
    const double r = dropRadius;
    const float rootArg = static_cast<float>(r * r - curY * curY);
    if (!(rootArg > 0)) return false; // level with the drop's top or bottom, or beyond
    curX = -std::sqrt(static_cast<double>(rootArg));
    TraceFromEntryPoint(scene);
    MarkOnStrip(strip);
    return true;
}

} // namespace rb::tavrin
