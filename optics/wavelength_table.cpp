// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "optics/wavelength_table.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace rb::optics {

namespace {

[[noreturn]] void Fail(std::string_view name, const std::string &what)
{
    throw std::runtime_error(std::string(name) + ": " + what);
}

double Number(std::string_view name, std::string_view field)
{
    double v = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), v);
    if (ec != std::errc() || end != field.data() + field.size() || !std::isfinite(v))
        Fail(name, "not a number: '" + std::string(field) + "'");
    return v;
}

} // namespace

double WavelengthTable::At(std::size_t c, double nm) const
{
    if (wavelength.empty() || nm < wavelength.front() || nm > wavelength.back()) return 0;
    const double step = wavelength.size() > 1 ? wavelength[1] - wavelength[0] : 1;
    const double f = (nm - wavelength.front()) / step;
    const auto i = std::min(static_cast<std::size_t>(f), wavelength.size() - 1);
    if (i + 1 >= wavelength.size()) return columns[c][i];
    const double t = f - static_cast<double>(i);
    return (1 - t) * columns[c][i] + t * columns[c][i + 1];
}

WavelengthTable ParseWavelengthTable(std::string_view name, std::string_view text, const TableShape &shape)
{
    WavelengthTable t;
    t.columns.resize(shape.columns);
    bool header = true;
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        if (header) { // the column names
            header = false;
            continue;
        }
        std::vector<double> row;
        for (std::size_t from = 0;;) {
            const std::size_t comma = line.find(',', from);
            row.push_back(Number(name, line.substr(from, comma - from)));
            if (comma == std::string_view::npos) break;
            from = comma + 1;
        }
        if (row.size() != shape.columns + 1) Fail(name, "a row of " + std::to_string(row.size()) + " fields");
        t.wavelength.push_back(row[0]);
        for (std::size_t c = 0; c < shape.columns; ++c) {
            if (row[c + 1] < shape.smallest || row[c + 1] > shape.largest)
                Fail(name, "a value out of range at " + std::to_string(row[0]) + " nm");
            t.columns[c].push_back(row[c + 1]);
        }
    }
    const auto rows = static_cast<std::size_t>(std::lround((shape.lastNm - shape.firstNm) / shape.stepNm)) + 1;
    if (t.wavelength.size() != rows)
        Fail(name, std::to_string(t.wavelength.size()) + " rows, not " + std::to_string(rows));
    for (std::size_t i = 0; i < rows; ++i)
        if (std::abs(t.wavelength[i] - (shape.firstNm + static_cast<double>(i) * shape.stepNm)) > 1e-9)
            Fail(name, "wavelengths not rising at " + std::to_string(shape.stepNm) + " nm from " +
                           std::to_string(shape.firstNm) + " nm");
    return t;
}

} // namespace rb::optics
