// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The marks of the ray model's angle strip as a CSV table: the scattering
// angle of each mark with the colour, number of reflections and material of
// its ray, oldest first.
#pragma once

#include "tavrin/raymodel/model/ray_model.h"

#include <QByteArray>
#include <optional>
#include <vector>

namespace rb::tavrin {

// With `descartes`, Descartes' angle as the strip marks it follows as a last
// row with "Descartes" in a fifth column, empty in the other rows.
QByteArray StripMarksCsv(const std::vector<StripMark> &marks, std::optional<StripMark> descartes = std::nullopt);

} // namespace rb::tavrin
