// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/wavemodel/model/wave_fan.h"

#include "tavrin/wavemodel/model/wave_model.h"

#include <cmath>

namespace rb::tavrin {

double ReadoutAngle(double obsCoord, double piValue)
{
    const double degrees = std::atan(-obsCoord / -kObserverX) * 180.0 / piValue;
    return std::floor(100.0 * degrees + 0.5) / 100.0;
}

double FanAmplitude(WaveModel &model, double bx, double by)
{
    double c = 0.0, s = 0.0;
    for (double b = kFanFirst; b >= kFanLast; b -= kFanStep) {
        const Phasor p = model.RayPhase(b, bx, by);
        c += p.cosPhi;
        s += p.sinPhi;
    }
    return std::sqrt(c * c + s * s);
}

std::vector<double> SweepAmplitudes(WaveModel &model)
{
    model.UpdateWaveUnits();
    std::vector<double> amplitudes;
    amplitudes.reserve(kSweepPositions);
    for (double y = kObsFirst; y <= kObsLast; y += kObsStep)
        amplitudes.push_back(FanAmplitude(model, kObserverX, y));
    return amplitudes;
}

} // namespace rb::tavrin
