// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Airy's theory of the rainbow for one drop and one wavelength: where the
// main bow and the inner bows lie, and how bright they are, as a curve to
// lay over the bars of Bild III together with Descartes' angle.
//
// Near the rainbow ray the deviation D(b) of a ray with impact parameter b
// (in drop radii) is a parabola, D ≈ D_R + h·(b − b_R)², so the emerging
// wavefront is a cubic. Its light in the direction θ (the scattering angle
// from the antisolar point, radians) is proportional to |Ai(−z)| with
//   z = (θ_R − θ) · (k·a)^{2/3} / h^{1/3},   k = 2π/λ, a the drop radius,
//   h = (9/4)·√(4 − n²) / (n² − 1)^{3/2},
// θ_R Descartes' angle. Its maxima lie at θ_R − |a′_s|·h^{1/3}·(k·a)^{−2/3}.
#pragma once

#include "common/canvas/canvas.h"
#include "common/canvas/color.h"
#include "tavrin/wavemodel/model/wave_model.h"

namespace rb::tavrin {

// Descartes' angle of the primary bow for refractive index n, radians: the
// least deviation after one internal reflection, measured from the
// antisolar point. Its ray enters at cos²α = (n² − 1)/3.
double DescartesAngle(double n);
// h, half the curvature of the deviation at the rainbow ray.
double DeviationCurvature(double n);

struct AiryBow {
    double thetaR = 0; // Descartes' angle, radians
    double h = 0;      // see above
    double ka = 0;     // size parameter k·a

    double Z(double theta) const;
    // |Ai(−z)| relative to the main maximum: 1 there.
    double Relative(double theta) const;
    // The angle of the s-th maximum, s = 1 for the main bow, up to s = 5.
    double MaximumAngle(int s) const;
};

// The bow of a drop of the given diameter and refractive index in light of
// the given wavelength (both lengths in micrometres).
AiryBow AiryBowFor(double n, double diameterMicrons, double waveMicrons);

// Airy's curve and Descartes' angle are drawn in a colour that stands out
// both over the bars of its light and on the white picture (a contrast of
// at least 2.5 : 1 to the bars and 3 : 1 to white): black over red bars,
// purple over green ones, dark orange over blue ones.
Color TheoryColour(WaveColour colour);

// Draws on Bild III, at the places the angle scale under it gives each
// angle: the curve peakHeight·|Ai(−z)|/Ai_max across the whole picture, and
// Descartes' angle as a vertical line from the bottom up to lineTop (the
// picture's top, 2000, unless a caption there must stay clear). Both in
// colour c; the curve two pixels wide.
void DrawAiryTheory(Canvas &picture1, const AiryBow &bow, double peakHeight, Color c, double piValue,
                    double lineTop = 2000);

} // namespace rb::tavrin
