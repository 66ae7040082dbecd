// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The wave model of the rainbow: a plane wave from the left meets a water
// drop, and every elementary wave of it is followed as a ray through the drop
// (refraction in, one reflection at the back, refraction out) and on, in a
// straight line, to an observation point B. The optical length of that path
// fixes the phase of the elementary wave at B; adding the unit phasors of a
// whole fan of rays gives the amplitude seen at B.
//
// Frame: drawing units, origin at the drop's centre, x to the right, y up.
// An angle θ used as a direction means (cos θ, sin θ), in radians.
//
// The ray inside and outside the drop is told by one angle, rayAngle:
//   - a chord inside the drop runs in the direction refrAngle + π + rayAngle,
//   - a ray leaving the drop at the current point runs in rayAngle − incAngle.
// At entry rayAngle = π − α; after every crossing it turns by 2β − π. So the
// first chord runs in β − α, the ray leaving after it in 2β − 2α, the one
// leaving after one internal reflection in 4β − 2α − π (the primary bow), and
// after two in 6β − 2α − 2π (the secondary bow). With rayAngle still at its
// entry value, rayAngle − incAngle = π − 2α is the ray reflected at entry.
//
// The fields are the window-level variables of the wave-model window; the
// window's controls change the parameters, the runs read them afresh for
// every ray, and the ray state belongs to whichever ray was traced last.
#pragma once

#include "common/canvas/canvas.h"
#include "common/canvas/color.h"
#include "tavrin/wavemodel/model/polarisation.h"

#include <cstdint>

namespace rb::tavrin {

// The unit phasor of one elementary wave at the observation point.
using optics::Phasor;

// The three colours offered by the window, with their wavelengths 656, 527
// and 430 nm.
enum class WaveColour { Red, Green, Blue };

// The two ways of adding phasors the window offers: the fan of 321 rays to
// an observation point a hundred drop radii away (the default), and the
// whole drop seen from infinity (whole_drop.h).
enum class PhasorModel { Fan321, WholeDrop };

// The wavelength of a colour in micrometres, and the refractive index of
// water there.
double WavelengthMicrons(WaveColour colour);
double WaterIndex(WaveColour colour);

class WaveModel {
public:
    WaveModel(); // the state a freshly loaded window starts with

    // --- parameters, set through the window's controls --------------------
    int dropRadius = 2000;             // drop radius in drawing units; fixed
    double refrIndex = 1.33;           // refractive index n of the drop
    double piValue = 0.0;              // π as 4·atan(1)
    double waveParam = 0.7;            // wavelength parameter of the colour
    std::int16_t diameterValue = 1000; // drop diameter in micrometres, 50 … 2000
    double waveUnits = 0.0;            // wavelength in drawing units, set by every run
    int rayRed = 255, rayGreen = 0, rayBlue = 0;
    bool drawFigures = true;  // rays in Bild II, phasor chain in Bild I
    bool stopRequest = false; // asks a running sweep or by-hand run to stop
    double obsCoord = 0.0;    // y of the sweep's observation point
    std::int16_t barOffset = 0; // shifts each colour's bars so colours interleave
    WaveColour colour = WaveColour::Red; // the chosen colour option
    PhasorModel phasorModel = PhasorModel::Fan321;
    bool showTheory = false; // Airy's curve and Descartes' angle in Bild III
    // How much faster than its own pace the sweep runs with the figures on:
    // 0.25 … 4; taken up at the next observation position.
    double sweepSpeed = 1.0;
    Polarisation polarisation = Polarisation::None; // which light the phasors stand for
    bool outerReflection = false; // the whole drop adds the light reflected off its outside

    // --- state of the ray traced last --------------------------------------
    double curX = 0.0, curY = 0.0;   // current point
    double nextX = 0.0, nextY = 0.0; // next point on the drop surface
    double incAngle = 0.0;           // angle of incidence α
    double refrAngle = 0.0;          // angle of refraction β
    double rayAngle = 0.0;           // see the header comment
    double dirSin = 0.0, dirCos = 0.0; // the last direction used

    Color RayColor() const { return RGB(rayRed, rayGreen, rayBlue); }

    // The colour options: colour, wavelength, refractive index of water at
    // that wavelength and the bar offset; each asks a running loop to stop.
    void SelectColour(WaveColour colour);
    // The diameter scroll bar; asks a running loop to stop.
    void SetDiameter(int value);
    // The model option; asks a running loop to stop.
    void SelectPhasorModel(PhasorModel m);
    // The polarisation option and the outer reflection; each asks a running
    // loop to stop.
    void SelectPolarisation(Polarisation p);
    void SetOuterReflection(bool on);
    // waveUnits = waveParam · dropRadius / diameterValue, as every run does
    // first, so a change of the parameters takes effect with the next run.
    void UpdateWaveUnits();

    // --- the ray operations ------------------------------------------------
    // The ones that draw do so on Bild II, only when drawFigures is on, in the
    // ray colour at the surface's current pen width.

    // Entry point, α, β and rayAngle of the ray at impact parameter b;
    // needs b² < dropRadius².
    void StartRay(double b);
    // Along the chord to the next point of the drop surface; draws the chord.
    void AdvanceToSurface(Canvas &picture4);
    // The reflection at the surface: rayAngle turns by 2β − π.
    void TurnAtSurface();
    // The ray leaving the drop at the current point, 5000 units long.
    void DrawExitRay(Canvas &picture4);
    // The ray reflected outside at the entry point, 8000 units long.
    void DrawReflectedRay(Canvas &picture4);
    // One ray of the fan from the plane x = −2000 through the drop (one
    // internal reflection) to B = (bx, by); returns its unit phasor at B and
    // draws the incoming ray, both chords and the way to B.
    Phasor TraceRayPhase(double b, double bx, double by, Canvas &picture4);

    // The same ray without any drawing, for loops that draw nothing.
    Phasor RayPhase(double b, double bx, double by) { return TracePhase(b, bx, by, nullptr); }

private:
    void SetEntryPoint(double b);
    void Refract(); // α, β and rayAngle from the entry point
    void Advance(Canvas *picture4);
    Phasor TracePhase(double b, double bx, double by, Canvas *picture4);
    Canvas *FiguresOn(Canvas &picture4) const { return drawFigures ? &picture4 : nullptr; }
};

} // namespace rb::tavrin
