// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The numbers behind the deviation plot as a CSV table: angle of incidence
// and deviation, as the axes read them, for every point of the curve.
#pragma once

#include "prisma/model/minimum_deviation.h"

#include <optional>

#include <QByteArray>

namespace rb::prisma {

// apexAngle in radians, refrIndex as the window holds it.
// With `marked`, the minimum shown on the plot follows as a last row with
// "D_min" in a fifth column, empty in the other rows.
QByteArray DeviationCsv(double apexAngle, float refrIndex, double piValue,
                        std::optional<DeviationMinimum> marked = std::nullopt);

} // namespace rb::prisma
