// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The three actions of the wave-model window that compute and draw:
//   - the automatic sweep ("Bogensystem"): the observation point walks along
//     the line x = −200000 over the angles of the bow, and for every position
//     the amplitude of the fan's phasor sum becomes a bar in Bild III;
//   - the observation point by hand: B at a point clicked in Bild II, its
//     rays, its phasor chain at full scale and the resultant in red;
//   - the single ray: one ray at the height of a press on the window, with
//     its reflected, transmitted and bow rays.
// With the outer reflection on, the sweep's and the by-hand run's chains end
// in one more phasor, the light reflected off the drop's outside towards B
// (fan_reflection.h; for the whole drop optics/outer_reflection.h).
//
// The sweep and the by-hand run let pending window events run after every
// ray. Whatever runs then (a control raising stopRequest, a colour change,
// even another run) shares the model with the interrupted run, which reads
// the state afresh for each ray: a stop takes effect before the next ray, a
// nested by-hand run or single ray is simply followed by the next ray, and a
// nested sweep leaves obsCoord past its end, so the interrupted sweep
// finishes its current position (its bar lands beyond the right edge of
// Bild III) and ends.
//
// With the figures on, the sweep and the by-hand run are paced so that the
// chain and the rays can be watched growing: each sweep position's rays are
// spread over kPositionPaceMs, a by-hand run's over kByHandPaceMs. The
// runs wait for their next ray inside the event loop, so every control
// still takes effect at once. With the figures off nothing is paced.
#pragma once

#include "tavrin/wavemodel/model/airy_theory.h"

#include "common/canvas/canvas.h"
#include "tavrin/wavemodel/model/wave_model.h"

#include <chrono>
#include <functional>
#include <memory>

namespace rb::optics {
class WholeDropFan;
}

namespace rb::tavrin {

using optics::WholeDropFan;

class PolarisedChains;

// 191 positions at 140 ms make a sweep of about 27 s: long enough to follow
// the chain of each position, short enough to wait for the whole bow.
constexpr double kPositionPaceMs = 140.0;
constexpr double kByHandPaceMs = 1200.0;

// Scales every pace of the runs: 1 as the user sees them, 0 for no pacing
// at all (the tests and the robustness driver, which must not wait).
void SetRunPace(double factor);
double RunPace();

// The surfaces the runs draw on, each in its own user coordinates, named
// by what they show.
struct WaveSurfaces {
    Canvas &background; // the window's own background, window units: a single ray
    Canvas &chain;      // Bild I: the phasor chain, origin in the centre
    Canvas &drop;       // Bild II: the drop and the rays
    Canvas &bars;       // Bild III: one amplitude bar per observation position
};

// What the runs ask of the window, given by name; a hook left out is
// skipped.
struct WaveRunHooks {
    // Runs the pending window events. Returns false once the program is
    // ending: the run then returns at once and draws nothing more.
    std::function<bool()> DoEvents = {};
    // Text2: the observation angle in degrees, rounded to two decimals; the
    // window writes it in the user's locale, followed by "°".
    std::function<void(double)> ShowAngle = {};
    // Shows or hides Text2 and Label12 together.
    std::function<void(bool)> ShowReadout = {};
    // Lets the window's events run for about `ms` milliseconds without
    // using the processor. Returns false once the program is ending.
    std::function<bool(int)> Wait = {};
    // Writes Descartes' angle (degrees) of a colour beside its line at x in
    // Bild III.
    std::function<void(WaveColour, double, double)> ShowDescartes = {};
    // A bar was drawn in Bild III at x (its obsCoord units) for this
    // amplitude, up to the height `top` in Bild III's units.
    std::function<void(double x, double amplitude, double top)> BarDrawn = {};
    // Airy's curve was drawn for this bow, its main maximum as high as a bar
    // of this amplitude.
    std::function<void(const AiryBow &, double peakAmplitude)> TheoryDrawn = {};
    // The phasor sum (C, S) of a position or of the by-hand point.
    std::function<void(double c, double s)> ChainSummed = {};
};

// The whole drop's fans of one run: one, or the s and p fans of
// unpolarised light.
struct WholeDropFans {
    std::shared_ptr<const WholeDropFan> first, second;
};

enum class RunEnd {
    Completed,    // went through to its end
    Stopped,      // saw stopRequest
    ProgramEnding // a yield reported that the program is ending
};

class WaveRuns {
public:
    WaveRuns(WaveModel &model, WaveSurfaces surfaces, WaveRunHooks hooks);

    // "Bogensystem". Leaves stopRequest raised when stopped, so a sweep it
    // was nested in stops as well.
    RunEnd AutomaticSweep();
    // A press in Bild II at (x, y) in its user coordinates; any button.
    RunEnd ObservationPointByHand(double x, double y);
    // A press on the window's background at (x, y) in window units; button
    // 1 left, 2 right. The press height is the impact parameter. Returns
    // false, drawing nothing, when it lies outside the drop (|y| ≥ radius).
    bool SingleRay(double x, double y, int button);

    // Airy's curve and Descartes' angle in Bild III for the current colour
    // and diameter: with the whole drop in the bars' own units, with the fan
    // of 321 rays scaled to that model's tallest bar.
    void DrawTheory();
    // Where Descartes' line ends at the top of Bild III, in its units: below
    // the picture's caption.
    void SetDescartesLineTop(double y) { descartesTop_ = y; }

private:
    using Clock = std::chrono::steady_clock;

    bool Yield();
    // The yield after `done` of `steps` rays of a paced stretch that began
    // at `start`: waits in the event loop while the rays are ahead of time.
    bool PacedYield(Clock::time_point start, double paceMs, int done, int steps);
    void ClearFigures();
    void DrawBar(double amplitude);
    // The fan's last phasor, the light reflected off the drop's outside
    // towards B, added to the chains and, with the figures on, drawn: its
    // ray in Bild II and its link at `chainScale` in Bild I.
    void AddFanReflection(PolarisedChains &sum, double bx, double by, double chainScale);
    void DrawResultant(double c, double s);
    // The resultant of each chain, at `scale` times the sums.
    void DrawResultants(const PolarisedChains &sum, double scale);
    // What both phasor models do first when a point is run by hand: the
    // readout hidden, the figures cleared, the origin of Bild I marked.
    void StartByHand();

    RunEnd WholeDropSweep();
    RunEnd WholeDropByHand(double x, double y);
    WholeDropFans FanFor(double thetaFrom, double thetaTo);
    // One direction of the whole drop with the figures on: the chain scaled
    // to fit Bild I, a readable subset of the rays in Bild II, paced.
    // Returns the sum's amplitude in bar units, or a negative value when
    // stopped or ending (then `end` says which).
    double DrawWholeDropDirection(const WholeDropFans &fans, double theta, double rayLength, double paceMs,
                                  bool resultant, RunEnd &end);

    WaveModel &m_;
    WaveSurfaces s_;
    WaveRunHooks hooks_;
    // Reused while colour, diameter and polarisation stay.
    std::shared_ptr<const WholeDropFan> fan_, fan2_;
    double descartesTop_ = 2000;
};

} // namespace rb::tavrin
