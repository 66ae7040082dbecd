// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/canvas/dropped_calls.h"

#include <atomic>

namespace rb {

namespace {
std::atomic<std::uint64_t> dropped{0};
} // namespace

std::uint64_t DroppedNonFiniteCalls() { return dropped.load(); }
void ResetDroppedNonFiniteCalls() { dropped.store(0); }
void CountDroppedNonFiniteCall() { ++dropped; }

} // namespace rb
