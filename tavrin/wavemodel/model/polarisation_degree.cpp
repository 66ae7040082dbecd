// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

#include "tavrin/wavemodel/model/polarisation_degree.h"

#include "tavrin/wavemodel/model/angle_scale.h"
#include "tavrin/wavemodel/model/fan_reflection.h"
#include "tavrin/wavemodel/model/polarised_chain.h"
#include "tavrin/wavemodel/model/wave_fan.h"
#include "tavrin/wavemodel/model/whole_drop.h"

namespace rb::tavrin {

double DegreeOfPolarisation(const WaveModel &model, double x)
{
    double is = 0.0, ip = 0.0;
    if (model.phasorModel == PhasorModel::WholeDrop) {
        const double n = WaterIndex(model.colour);
        const double ka = SizeParameter(model.diameterValue, WavelengthMicrons(model.colour));
        const double theta = AngleAtScaleX(x);
        const optics::DebyeSurfaces surfaces = optics::DebyeSurfacesFor(optics::Complex(n, 0.0), ka);
        const double as = WholeDropFan(surfaces, n, ka, Component::S).Amplitude(theta, model.outerReflection);
        const double ap = WholeDropFan(surfaces, n, ka, Component::P).Amplitude(theta, model.outerReflection);
        is = as * as;
        ip = ap * ap;
    } else {
        WaveModel probe = model;
        probe.UpdateWaveUnits();
        PolarisedChains sum(Polarisation::Unpolarised);
        for (double b = kFanFirst; b >= kFanLast; b -= kFanStep) {
            const Phasor p = probe.RayPhase(b, kObserverX, x); // sets the ray's angles
            sum.AddRay(p, probe.incAngle, probe.refrAngle);
        }
        if (model.outerReflection) {
            const FanReflection r = ReflectionTowards(probe, kObserverX, x);
            const double n = probe.refrIndex, radius = probe.dropRadius;
            sum.Add(r.For(Component::S, n, radius), r.For(Component::P, n, radius));
        }
        is = sum.C() * sum.C() + sum.S() * sum.S();
        ip = sum.C2() * sum.C2() + sum.S2() * sum.S2();
    }
    return is + ip > 0.0 ? (is - ip) / (is + ip) : 0.0;
}

} // namespace rb::tavrin
