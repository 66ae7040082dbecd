// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The numbers behind the deviation plot as a CSV table: angle of incidence
// and deviation, as the axes read them, for every point of the curve.
#pragma once

#include <QByteArray>

namespace rb::prisma {

// apexAngle in radians, refrIndex as the window holds it.
QByteArray DeviationCsv(double apexAngle, float refrIndex, double piValue);

} // namespace rb::prisma
