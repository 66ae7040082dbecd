// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Clears the upper halves of the AVX registers.
//
// The toolkit's AVX2 fill routines return with the upper vector state dirty.
// On these processors every SSE-encoded libm call that follows (sin, atan,
// sqrt) then pays a state-transition penalty, up to 18 times its own cost.
// A model's hot maths loop calls this once before it starts, and every
// drawing primitive calls it before returning to the model.
#pragma once

namespace rb {

void ClearUpperVectorState();

} // namespace rb
