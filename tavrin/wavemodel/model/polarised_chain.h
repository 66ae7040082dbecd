// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// The phasor chains of one observation point for the chosen polarisation:
// a single chain (without polarisation, or one component), or the two
// chains of unpolarised light, s and p, summed side by side and drawn in
// Bild I in two styles: s in the surface's foreground colour, p in
// kParallelChainColour at twice the width.
#pragma once

#include "common/canvas/canvas.h"
#include "common/canvas/color.h"
#include "tavrin/wavemodel/model/polarisation.h"
#include "tavrin/wavemodel/model/wave_model.h"

namespace rb::tavrin {

inline constexpr Color kParallelChainColour = RGB(0, 150, 160);
inline constexpr int kParallelChainWidth = 2;

class PolarisedChains {
public:
    explicit PolarisedChains(Polarisation p) : parts_(ComponentsOf(p)) {}

    bool Two() const { return parts_.two; }
    Component First() const { return parts_.first; }
    Component Second() const { return parts_.second; }

    // A ray of the fan of 321 rays: its unit phasor, made as long as its
    // Fresnel amplitudes for each chain's component (1 without polarisation,
    // so the sum is the plain one to the last bit).
    void AddRay(Phasor unit, double alpha, double beta)
    {
        const double l1 = PhasorLength(parts_.first, alpha, beta);
        c1_ += l1 * unit.cosPhi;
        s1_ += l1 * unit.sinPhi;
        if (!parts_.two) return;
        const double l2 = PhasorLength(parts_.second, alpha, beta);
        c2_ += l2 * unit.cosPhi;
        s2_ += l2 * unit.sinPhi;
    }
    // Phasors already of their lengths.
    void Add(Phasor first, Phasor second)
    {
        c1_ += first.cosPhi;
        s1_ += first.sinPhi;
        c2_ += second.cosPhi;
        s2_ += second.sinPhi;
    }

    double C() const { return c1_; }
    double S() const { return s1_; }
    double C2() const { return c2_; }
    double S2() const { return s2_; }
    double Amplitude() const { return BarAmplitude(parts_.two, c1_, s1_, c2_, s2_); }

    // The newest link of each chain, to (x1, y1) and (x2, y2) in Bild I's
    // units. One chain goes on from the surface's current point as it
    // always has; two chains each from their own last point.
    void DrawLinks(Canvas &chain, double x1, double y1, double x2, double y2)
    {
        if (!parts_.two) {
            chain.LineTo(x1, y1);
            return;
        }
        chain.Line(last1x_, last1y_, x1, y1, chain.ForeColor());
        chain.SetDrawWidth(kParallelChainWidth);
        chain.Line(last2x_, last2y_, x2, y2, kParallelChainColour);
        chain.SetDrawWidth(1);
        last1x_ = x1;
        last1y_ = y1;
        last2x_ = x2;
        last2y_ = y2;
    }

private:
    ChainComponents parts_;
    double c1_ = 0, s1_ = 0, c2_ = 0, s2_ = 0;
    double last1x_ = 0, last1y_ = 0, last2x_ = 0, last2y_ = 0;
};

} // namespace rb::tavrin
