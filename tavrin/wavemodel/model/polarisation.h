// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// Which light the phasors stand for. Without polarisation (the default)
// every phasor of the chain has the length 1, as in the plain Huygens
// picture. With a component chosen, each phasor is as long as the product
// of its ray's three Fresnel amplitudes for that component (in, reflected
// inside, out; optics/fresnel.h), sign included. Unpolarised light is the
// two components added in intensity: the bar is √((|Σs|² + |Σp|²)/2).
#pragma once

#include "optics/drop_phasor.h"

#include <cmath>

namespace rb::tavrin {

enum class Polarisation { None, Perpendicular, Parallel, Unpolarised };

// The component a chain is summed for: one for None, s and p; the two of
// unpolarised light are summed as two chains.
using optics::Component;
using optics::PhasorLength;

// The chains a polarisation is summed as: one or two.
struct ChainComponents {
    Component first = Component::Unit;
    Component second = Component::Unit;
    bool two = false;
};

inline ChainComponents ComponentsOf(Polarisation p)
{
    switch (p) {
    case Polarisation::Perpendicular: return {Component::S, Component::Unit, false};
    case Polarisation::Parallel: return {Component::P, Component::Unit, false};
    case Polarisation::Unpolarised: return {Component::S, Component::P, true};
    case Polarisation::None: break;
    }
    return {};
}

// The amplitude a bar shows for the sums of the chains: |Σ| for one, the
// root of the mean intensity for two.
inline double BarAmplitude(bool two, double c1, double s1, double c2, double s2)
{
    if (!two) return std::sqrt(c1 * c1 + s1 * s1);
    return std::sqrt((c1 * c1 + s1 * s1 + c2 * c2 + s2 * s2) / 2.0);
}

} // namespace rb::tavrin
