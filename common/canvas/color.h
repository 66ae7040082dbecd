// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Colours are 24-bit values in the classic r + 256·g + 65536·b layout.
#pragma once

#include <cstdint>

namespace rb {

using Color = std::uint32_t;

constexpr Color RGB(int r, int g, int b)
{
    return static_cast<Color>((r & 0xff) | ((g & 0xff) << 8) | ((b & 0xff) << 16));
}
constexpr int RedOf(Color c) { return static_cast<int>(c & 0xff); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xff); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xff); }

// The system colours of a classic desktop: window background and text.
constexpr Color kWindowBackground = RGB(255, 255, 255);
constexpr Color kWindowText = RGB(0, 0, 0);

} // namespace rb
