// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// A table of values against wavelength, as kept in optics/data/*.csv: lines
// starting with '#' say where the numbers come from, their units and their
// licence; then one line of column names and one row per wavelength.
// Reading it checks what a damaged or wrongly edited file would break: the
// number of rows and columns, the wavelength range and step, and that every
// value is a finite number.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rb::optics {

struct WavelengthTable {
    std::vector<double> wavelength;           // nm, rising at a fixed step
    std::vector<std::vector<double>> columns; // columns[c][row]

    // Column c at a wavelength, linear between the rows; 0 outside.
    double At(std::size_t c, double nm) const;
};

struct TableShape {
    std::size_t columns;     // besides the wavelength
    double firstNm, lastNm, stepNm;
    double smallest, largest; // every value lies within these
};

// Throws std::runtime_error naming the table and the fault.
WavelengthTable ParseWavelengthTable(std::string_view name, std::string_view text, const TableShape &shape);

} // namespace rb::optics
