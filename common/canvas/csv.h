// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Tables of numbers as CSV: a header line with the units in the column
// names, ',' between fields and '.' as the decimal point whatever the
// locale, so every spreadsheet and script reads them alike. UTF-8.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace rb {

class CsvTable {
public:
    explicit CsvTable(std::vector<std::string> header);

    // A row of fields already formatted; see Number() and Text().
    void Row(std::initializer_list<std::string> fields);
    std::string Str() const { return text_; }
    std::size_t Rows() const { return rows_; }

    // Seven significant digits with '.', no exponent for the ranges these
    // programs show, no trailing zeros.
    static std::string Number(double v);
    static std::string Number(long long v);
    // Quoted where it holds a separator, a quote or a line break.
    static std::string Text(const std::string &s);

private:
    void Line(const std::vector<std::string> &fields);

    std::size_t columns_;
    std::size_t rows_ = 0;
    std::string text_;
};

} // namespace rb
