// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The programs' colours as the toolkit takes them.
#pragma once

#include "common/canvas/color.h"

#include <QColor>

namespace rb {

inline QColor ToQColor(Color c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline QRgb ToQRgb(Color c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

} // namespace rb
