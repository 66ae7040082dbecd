// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The physical fan of the whole drop: one ray for each partial wave, with
// the sphere's own surface coefficients (whole_drop.h).
#include "optics/whole_drop.h"

#include "optics/smooth_step.h"

#include <cmath>

namespace rb::optics {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTurn = 2.0 * kPi;

// Where the fan is faded in, in drop radii: the primary bow's rays below
// 0.40 leave within 23° of the antisolar point, the secondary's below 0.75
// beyond 71°; both far from their bows.
struct FadeIn {
    double from, full;
};
constexpr FadeIn kPrimaryFade{0.20, 0.40};
constexpr FadeIn kSecondaryFade{0.60, 0.75};

} // namespace

void WholeDropFan::LayOutPartialWaves(const DebyeSurfaces &surfaces)
{
    partialWaves_ = true;
    step_ = 1.0 / ka_; // the impact parameters of neighbouring partial waves
    sigma_ = reflections_ == 1 ? 1.0 : -1.0;
    const FadeIn fade = reflections_ == 1 ? kPrimaryFade : kSecondaryFade;
    const std::vector<DebyeSurface> &of = component_ == Component::S ? surfaces.b : surfaces.a;
    const int waves = int(of.size());
    const int chords = reflections_ + 1;
    // Every partial wave of the series: its last few, beyond the edge, are
    // the light that tunnels in, and past them the coefficients vanish.
    firstWave_ = 0;
    for (int wave = 1; wave <= waves; ++wave) {
        const double nu = wave + 0.5, u = nu / ka_;
        const double faded = SmoothStep((u - fade.from) / (fade.full - fade.from));
        if (faded <= 0.0) continue;
        if (firstWave_ == 0) firstWave_ = wave;
        // S1 takes b_N, S2 a_N; summed with the leading term of the angular
        // functions, √(2ν/(π·sin Θ))·e^{±i(νΘ − π/4)}, Θ = π − θ the
        // scattering angle: the sign σ picks the side of the axis the bow's
        // light leaves on. e^{iσ(νπ − π/4)} goes into the weight; what
        // remains towards θ is e^{−iσνθ}.
        const Complex c = DebyeCoefficient(of[static_cast<std::size_t>(wave - 1)], chords);
        const Complex w = 2.0 * c * faded * std::sqrt(u / uRainbow_) *
                          std::polar(1.0, sigma_ * (std::fmod(nu * kPi, kTurn) - 0.25 * kPi));
        u_.push_back(u);
        weight_.push_back(std::abs(w));
        wRe_.push_back(w.real());
        wIm_.push_back(w.imag());
    }
}

void WholeDropFan::PartialWaveSums(double theta, const WholeDropFan *other, Phasor &mine, Phasor &theirs) const
{
    // Σ_j w_j·z^{N_j} with z = e^{−iσθ}, by Horner's scheme from the last
    // ray down: a complex multiply-add per ray instead of a sine and a
    // cosine. Written out in real arithmetic, which the compiler keeps
    // free of the checks for infinities that complex products carry.
    const double zr = std::cos(sigma_ * theta), zi = -std::sin(sigma_ * theta);
    double ar = 0.0, ai = 0.0, br = 0.0, bi = 0.0;
    const bool two = other != nullptr;
    for (std::size_t j = wRe_.size(); j-- > 0;) {
        const double tr = ar * zr - ai * zi + wRe_[j];
        ai = ar * zi + ai * zr + wIm_[j];
        ar = tr;
        if (two) {
            const double ur = br * zr - bi * zi + other->wRe_[j];
            bi = br * zi + bi * zr + other->wIm_[j];
            br = ur;
        }
    }
    // And the first ray's own turn, e^{−iσ·ν₀·θ}, ν₀ = N₀ + ½.
    const double turn = -sigma_ * std::fmod((firstWave_ + 0.5) * theta, kTurn);
    const double cr = std::cos(turn), ci = std::sin(turn);
    mine = {ar * cr - ai * ci, ar * ci + ai * cr};
    theirs = {br * cr - bi * ci, br * ci + bi * cr};
}

} // namespace rb::optics
