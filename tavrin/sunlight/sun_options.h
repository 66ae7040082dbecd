// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// tavrin's options for the rainbow in sunlight: the drop's diameter, the
// spread of the sizes and the theory. With --save they choose what is saved
// (the sunlight window, its Lee diagram complete); without it the window
// opens with them beside the start window.
#pragma once

#include "common/app/command_line.h"

#include <optional>

namespace rb::tavrin {

class SunForm;

struct SunlightOptions {
    std::optional<int> tenthsOfMicrons; // the diameter
    std::optional<int> spreadPercent;
    std::optional<int> model; // 0 Mie, 1 Airy, 2 the whole drop's phasors
    bool Any() const { return tenthsOfMicrons || spreadPercent || model; }
};

void AddSunlightOptions(CommandLine &commandLine, SunlightOptions &options);
// Sets the window to them.
void ApplySunlightOptions(SunForm &form, const SunlightOptions &options);
// Runs the event loop until the window's picture and its Lee diagram are done.
void WaitForSunlight(const SunForm &form);

} // namespace rb::tavrin
