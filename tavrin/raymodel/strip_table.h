// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The marks of the ray model's angle strip as a CSV table: the scattering
// angle of each mark with the colour, number of reflections and material of
// its ray, oldest first.
#pragma once

#include "tavrin/raymodel/model/ray_model.h"

#include <QByteArray>
#include <vector>

namespace rb::tavrin {

QByteArray StripMarksCsv(const std::vector<StripMark> &marks);

} // namespace rb::tavrin
