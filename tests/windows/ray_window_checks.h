// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// What the ray model's pictures show, as its tests read them: the angle
// strip's place of a scattering angle, and whether the scene or the strip
// holds nothing but what the window draws before any ray.
#pragma once

#include "tavrin/raymodel/form2.h"
#include "tests/windows/pixels.h"

#include <QRgb>

namespace rb::testing {

constexpr QRgb kRed = qRgb(255, 0, 0);

// The strip's user y of a scattering angle: 1850 at 0°, 30 units a degree
// downwards.
constexpr double StripY(double degrees) { return 1850 - 30 * degrees; }

inline bool SceneShowsOnlyTheOutline(tavrin::form2 &f)
{
    return ShowsOnly(f.Picture3, [&f](Picture &p) { f.model.DrawDropOutline(p); });
}

inline bool StripShowsOnlyTheTicks(tavrin::form2 &f)
{
    return ShowsOnly(f.Picture1, [&f](Picture &p) { f.model.DrawAngleTicks(p); });
}

} // namespace rb::testing
