// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The numbers behind the scatter plot as a CSV table: impact parameter and
// direction for the number of reflections shown.
#pragma once

#include <QByteArray>
#include <cstdint>

namespace rb::streu {

QByteArray ScatterCsv(std::int16_t reflCount, double refrIndex, float piValue);

} // namespace rb::streu
