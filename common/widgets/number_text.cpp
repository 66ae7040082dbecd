// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/number_text.h"

#include <charconv>
#include <cmath>

namespace rb {

namespace {
template <typename T> std::string Shortest(T v)
{
    if (!std::isfinite(v)) return std::isnan(v) ? "NaN" : (v > 0 ? "Inf" : "-Inf");
    if (v == 0) v = 0; // no "-0"
    char buf[64];
    // Fixed notation keeps "0.0001" readable where the general form would
    // switch to an exponent; the shortest round-trip digits still apply.
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (r.ec != std::errc()) r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

QString Localised(const std::string &plain, const QLocale &locale)
{
    QString s = QString::fromStdString(plain);
    const QString point = locale.decimalPoint();
    if (point != QLatin1String(".")) s.replace(QLatin1Char('.'), point);
    const QString minus = locale.negativeSign();
    if (minus != QLatin1String("-")) s.replace(QLatin1Char('-'), minus);
    return s;
}
} // namespace

std::string ShortestText(double v) { return Shortest(v); }
std::string ShortestText(float v) { return Shortest(v); }

QString NumberText(double v, const QLocale &locale) { return Localised(Shortest(v), locale); }
QString NumberText(float v, const QLocale &locale) { return Localised(Shortest(v), locale); }

QString HundredthsText(double v) { return NumberText(std::round(v * 100) / 100); }

} // namespace rb
