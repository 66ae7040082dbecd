// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The user-interface fonts. The windows were laid out for a narrow
// sans-serif with Arial's metrics; we prefer one and fall back gracefully.
#pragma once

#include <QFont>

namespace rb {

// pointSize is the size at zoom 1; the font comes at the current zoom.
QFont UiFont(double pointSize, bool bold);

} // namespace rb
