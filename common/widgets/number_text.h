// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Numbers as the text boxes show them: shortest form that reads back to the
// same value, no trailing zeros, no group separators, and the decimal
// separator of the user's locale.
#pragma once

#include <QLocale>
#include <QString>
#include <string>

namespace rb {

// Shortest round-trip form with '.' as the decimal point ("1.5", "1.33",
// "60", "-0.25"). A float is written in its own precision: 1.33f gives
// "1.33", not the digits of its double promotion.
std::string ShortestText(double v);
std::string ShortestText(float v);

QString NumberText(double v, const QLocale &locale = QLocale());
QString NumberText(float v, const QLocale &locale = QLocale());
// The number rounded to hundredths, as the screen-reader descriptions give
// angles and lengths: more digits than the pictures can show would only be
// noise read aloud.
QString HundredthsText(double v);

} // namespace rb
