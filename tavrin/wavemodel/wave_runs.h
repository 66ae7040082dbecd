// The three actions of the wave-model window that compute and draw:
//   - the automatic sweep ("Bogensystem"): the observation point walks along
//     the line x = −200000 over the angles of the bow, and for every position
//     the amplitude of the fan's phasor sum becomes a bar in Bild III;
//   - the observation point by hand: B at a point clicked in Bild II, its
//     rays, its phasor chain at full scale and the resultant in red;
//   - the single ray: one ray at the height of a press on the window, with
//     its reflected, transmitted and bow rays.
//
// The sweep and the by-hand run let pending window events run after every
// ray. Whatever runs then (a control raising stopRequest, a colour change,
// even another run) shares the model with the interrupted run, which reads
// the state afresh for each ray: a stop takes effect before the next ray, a
// nested by-hand run or single ray is simply followed by the next ray, and a
// nested sweep leaves obsCoord past its end, so the interrupted sweep
// finishes its current position (its bar lands beyond the right edge of
// Bild III) and ends.
#pragma once

#include "canvas.h"
#include "wave_model.h"

#include <functional>

namespace rb::tavrin {

// The surfaces the runs draw on, in their own user coordinates.
struct WaveSurfaces {
    Canvas &form;     // the window's own background, window units
    Canvas &picture3; // Bild I: the phasor chain, origin in the centre
    Canvas &picture4; // Bild II: the drop and the rays
    Canvas &picture1; // Bild III: one amplitude bar per observation position
};

// What the runs ask of the window. Empty functions are skipped.
struct WaveRunHooks {
    // Runs the pending window events. Returns false once the program is
    // ending: the run then returns at once and draws nothing more.
    std::function<bool()> DoEvents;
    // Text2: the observation angle in degrees, rounded to two decimals; the
    // window writes it in the user's locale, followed by "°".
    std::function<void(double)> ShowAngle;
    // Shows or hides Text2 and Label12 together.
    std::function<void(bool)> ShowReadout;
    // A bar was drawn in Bild III at x (its obsCoord units) for this amplitude.
    std::function<void(double x, double amplitude)> BarDrawn;
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

private:
    bool Yield();
    void ClearFigures();
    void DrawBar(double amplitude);
    void DrawResultant(double c, double s);

    WaveModel &m_;
    WaveSurfaces s_;
    WaveRunHooks hooks_;
};

} // namespace rb::tavrin
