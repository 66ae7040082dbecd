// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Airy's function Ai(x), the amplitude profile of the rainbow in Airy's wave
// theory: near Descartes' angle the emerging wavefront is a cubic, and the
// light it sends in a direction θ is proportional to Ai(−z), with z growing
// linearly as θ moves from the rainbow angle into the bow.
#pragma once

namespace rb::optics {

// Ai(x) for any real x, to about 1e-12 absolute.
double AiryAi(double x);

// The first maxima of |Ai(−z)|: z = |a′_s|, the zeros of Ai′.
constexpr double kAiryMaxima[] = {1.018792971647471, 3.248197582179837, 4.820099211178736, 6.163307355639486,
                                  7.372177255047770};
// Ai(a′_1): the height of the main maximum.
constexpr double kAiryPeak = 0.5356566560156999;

} // namespace rb::optics
