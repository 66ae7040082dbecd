// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// Airy's function, which the wave model shares with the sunlight model,
// lives with the optics; the wave model uses it under its own names.
#pragma once

#include "optics/airy_function.h"

namespace rb::tavrin {

using optics::AiryAi;
using optics::kAiryMaxima;
using optics::kAiryPeak;

} // namespace rb::tavrin
