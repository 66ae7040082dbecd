// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Input for the wave-model window that reaches it in the middle of its runs.
#pragma once

namespace rb::tavrin {
class Form5;
}

namespace rb::robustness {

// Each time "Bogensystem" goes down, a few random clicks are queued behind
// it (presses into Bild II and on the background, colour and figure
// options, "cls", the scroll bar, "Menu", another "Bogensystem", the
// phasor model and the theory), so the
// sweep meets them in its yields: stops, nested runs, changed settings.
// The final close of the window is turned into a close in the middle of a
// sweep, which must end the program at once. The clicks follow seed.
void DisturbWaveRuns(tavrin::Form5 &f, unsigned seed);

} // namespace rb::robustness
