// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Drawing calls that were handed a NaN or an infinite coordinate. A surface
// drops such a call rather than draw something arbitrary; the count,
// program-wide, lets the robustness tests demand that no model ever makes one.
#pragma once

#include <cstdint>

namespace rb {

std::uint64_t DroppedNonFiniteCalls();
void ResetDroppedNonFiniteCalls();
void CountDroppedNonFiniteCall();

} // namespace rb
