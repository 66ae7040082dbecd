// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Rays in the ray model's scene: by mouse and by keys, one at a time, or a
// sweep of the impact parameter across the drop.
#include "tavrin/raymodel/form2.h"

#include "common/widgets/event_loop.h"
#include "common/widgets/vector_state.h"
#include "tavrin/raymodel/form2_design.h"
#include "tavrin/raymodel/input_hold.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>
#include <algorithm>

namespace rb::tavrin {

using namespace ray_window;

// --- rays by hand -------------------------------------------------------------

// Only the pointer's height counts: every ray comes in from the left.
void form2::Picture3_MouseDown(int, int, double, double y)
{
    Label6->setVisible(false);
    if (model.PlaceRayByPress(*Picture3, *Picture1, static_cast<float>(y))) NoteRay(true, y);
    DescribePictures();
}

void form2::Picture3_MouseMove(int button, int, double, double y)
{
    if (button == kLeftButton && model.PlaceRay(*Picture3, *Picture1, static_cast<float>(y))) {
        NoteRay(true, y);
        DescribePictures();
    }
}

// The outline dots the rays painted over come back.
void form2::Picture3_MouseUp(int, int, double, double) { model.DrawDropOutline(*Picture3); }

void form2::Picture3_Paint() { model.DrawDropOutline(*Picture3); }

// Up and down move the marked height by a hundredth of the scene's height
// (10 units in "Details"), Page Up and Page Down by ten times that; Enter
// (or Space) sends a ray there as a press would, and with Shift every step
// sends one, so a fan builds up as under a dragged mouse.
void form2::Picture3_KeyDown(int key, int shift)
{
    const double step = Picture3->ScaleHeight() / 300;
    double move = 0;
    switch (key) {
    case Qt::Key_Up: move = -step; break;
    case Qt::Key_Down: move = step; break;
    case Qt::Key_PageUp: move = -10 * step; break;
    case Qt::Key_PageDown: move = 10 * step; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Picture3_MouseDown(kLeftButton, shift, 0, keyHeight_);
        Picture3_MouseUp(kLeftButton, shift, 0, keyHeight_);
        return;
    default: return;
    }
    const double top = Picture3->ScaleTop(), bottom = top + Picture3->ScaleHeight();
    keyHeight_ = std::clamp(keyHeight_ + move, std::min(top, bottom), std::max(top, bottom));
    Picture3->SetMarker(Picture::Marker::Height, 0, keyHeight_);
    if (shift & kShift) {
        Picture3_MouseDown(kLeftButton, shift, 0, keyHeight_);
        Picture3_MouseUp(kLeftButton, shift, 0, keyHeight_);
    }
}

// --- the sweep ------------------------------------------------------------------

void form2::Command6_Click() { SweepImpactParameter(SweepMode::Slow); }
void form2::Command7_Click() { SweepImpactParameter(SweepMode::Fast); }

double form2::Rnd()
{
    // 53 random bits: uniform in [0, 1), never 1.
    return static_cast<double>(rnd_() >> 11) * 0x1.0p-53;
}

// The sweep takes no input until it has ended: what the user does meanwhile
// is held back and handled afterwards, except that presses of the two sweep
// buttons queue one more sweep at most, and a close ends the program at once.
// The slow sweep, which takes some seconds, also stops on Escape, on a second
// press of "langsam", and on either "cls" (which then clears as well).
void form2::SweepImpactParameter(SweepMode mode)
{
    if (sweeping_) return;
    sweeping_ = true;
    InputHold hold({Command6, Command7});
    sweepStopped_ = false;
    if (mode == SweepMode::Slow)
        hold.StopOn({Command6, Command2, Command3}, {Command6}, [this] { sweepStopped_ = true; });
    if (mode == SweepMode::Fast) {
        Label6->setVisible(false);
        sceneTally_ = {};
    }
    stepClock_.start();
    const auto afterRay = [this, mode] {
        NoteRay(false, 0);
        if (mode == SweepMode::Slow) PaceSlowSweep();
    };
    model.SweepImpactParameter(*Picture3, *Picture1, mode, [this] { return Rnd(); }, afterRay,
                               [this] { return EndRequested() || sweepStopped_; });
    // A stopped sweep, like a finished one, leaves the outline on top.
    if (sweepStopped_ && !EndRequested()) model.DrawDropOutline(*Picture3);
    DescribePictures();
    sweeping_ = false;
    hold.Release();
}

// Shows the ray just drawn and lets the window live (repaints, timers, and
// the input that the hold keeps for after the sweep) until the step has
// lasted its time.
void form2::PaceSlowSweep()
{
    Picture3->FlushNow();
    Picture1->FlushNow();
    QTimer wake;
    wake.setSingleShot(true);
    while (!EndRequested() && !sweepStopped_) {
        const qint64 left = kSlowStepMs - stepClock_.elapsed();
        if (left <= 0) break;
        wake.start(int(left));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    stepClock_.start();
    ClearUpperVectorState();
}

} // namespace rb::tavrin
