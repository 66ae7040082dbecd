// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The numbers behind the scatter plot as a CSV table: impact parameter and
// direction for the number of reflections shown.
#pragma once

#include <optional>

#include <QByteArray>
#include <cstdint>

namespace rb::streu {

// The curve's turning point: impact parameter (drop radii), direction (°).
struct TurningPoint {
    double impact, direction;
};
// With `marked`, the turning point shown on the plot follows as a last row
// with "Umkehrpunkt" in a fourth column, empty in the other rows.
QByteArray ScatterCsv(std::int16_t reflCount, double refrIndex, float piValue,
                      std::optional<TurningPoint> marked = std::nullopt);

} // namespace rb::streu
