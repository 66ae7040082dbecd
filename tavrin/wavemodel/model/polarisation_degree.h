// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// The degree of polarisation (I_s − I_p)/(I_s + I_p) of the light at one
// place of Bild III, worked with the model's phasor model, colour and
// diameter, both components summed afresh. About 0.92 near the main bow of
// a large drop: the internal reflection happens close to Brewster's angle,
// so the parallel component is weak.
#pragma once

#include "tavrin/wavemodel/model/wave_model.h"

namespace rb::tavrin {

// x is Bild III's coordinate, the sweep's obsCoord. Leaves the model's
// ray state as it was.
double DegreeOfPolarisation(const WaveModel &model, double x);

} // namespace rb::tavrin
