// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// A phasor of the drop's light, and which light it stands for. Without
// polarisation (Unit) every phasor of a chain has the length 1, as in the
// plain Huygens picture. With a component chosen (s or p), each phasor is
// as long as the product of its ray's Fresnel amplitudes for that
// component (in, reflected inside as often as the bow asks, out;
// optics/fresnel.h), sign included.
#pragma once

#include "optics/fresnel.h"

namespace rb::optics {

struct Phasor {
    double cosPhi = 1.0;
    double sinPhi = 0.0;
};

enum class Component { Unit, S, P };

// The length of a bow ray's phasor for a component, from its angles of
// incidence α and refraction β; 1 for Unit.
inline double PhasorLength(Component c, double alpha, double beta, int reflections = 1)
{
    if (c == Component::Unit) return 1.0;
    const FresnelPair a = BowAmplitude(alpha, beta, reflections);
    return c == Component::S ? a.s : a.p;
}

} // namespace rb::optics
