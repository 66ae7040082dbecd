// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/canvas/csv.h"

#include <charconv>
#include <cmath>

namespace rb {

CsvTable::CsvTable(std::vector<std::string> header) : columns_(header.size())
{
    for (std::string &h : header) h = Text(h);
    Line(header);
}

void CsvTable::Row(std::initializer_list<std::string> fields)
{
    Line(std::vector<std::string>(fields));
    ++rows_;
}

void CsvTable::Line(const std::vector<std::string> &fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) text_ += ',';
        text_ += fields[i];
    }
    // A short row still has every column, so the table stays rectangular.
    for (std::size_t i = fields.size(); i < columns_; ++i) text_ += ',';
    text_ += '\n';
}

std::string CsvTable::Number(double v)
{
    if (!std::isfinite(v)) return std::string();
    // to_chars ignores the C locale, which the toolkit sets from the user's.
    char buf[40];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 7);
    // Negative zero reads as plain zero. Checked on the characters: GCC 12
    // warns falsely about overlapping copies when a std::string is reassigned
    // here under the sanitizers.
    if (r.ptr - buf == 2 && buf[0] == '-' && buf[1] == '0') return std::string(1, '0');
    return std::string(buf, r.ptr);
}

std::string CsvTable::Number(long long v) { return std::to_string(v); }

std::string CsvTable::Text(const std::string &s)
{
    if (s.find_first_of(",\"\n\r") == std::string::npos) return s;
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

} // namespace rb
