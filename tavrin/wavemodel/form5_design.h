// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The wave model's window as it was designed: fonts and colours, the
// window's own units, the boxes of its column and the user coordinates of
// its pictures. The construction, the layout and the handlers share these.
#pragma once

#include "common/canvas/color.h"
#include "common/widgets/controls.h"
#include "common/widgets/design_box.h"

namespace rb::tavrin::wave_window {

inline constexpr FontSpec kControlFont{9.75, true};
inline constexpr FontSpec kColourFont{8.25, false};
inline constexpr FontSpec kOnOffFont{8.25, true};
inline constexpr FontSpec kDegreeFont{12, true};
inline constexpr FontSpec kModelFont{8.25, false};
inline constexpr Color kWindowColour = RGB(224, 224, 224);
inline constexpr Color kLabelColour = RGB(192, 192, 192);

// Page Up/Down and a click in the diameter bar's trough move it by this
// many micrometres.
inline constexpr int kDiameterPage = 50;

// The window's own units: 4000 across, 3000 down, whatever the screen.
inline constexpr double kWindowScaleWidth = 4000, kWindowScaleHeight = 3000;
// The window takes this share of the screen, centred on it.
inline constexpr double kScreenShare = 0.95;
// The buttons, frames and labels of the left column end here.
inline constexpr double kColumnRight = 425;
// Bild I begins at 450: a frame may widen up to just before it.
inline constexpr double kPhasorFrameMaxRight = 448;
// An option keeps this much room from its frame's right edge.
inline constexpr int kOptionMargin = 3;

// The user coordinates of the pictures, as boxes: left, top, width, height.
// Bild I: the phasor chain around the centre, y up.
inline constexpr DesignBox kBild1{-100, 100, 200, -200};
// Bild II: the drop (radius 2000) in the upper right corner, y up, the same
// number of units per window unit on both axes (36417 : 19000 = 2300 : 1200).
inline constexpr DesignBox kBild2{-33417, 3000, 36417, -19000};
// Bild III: x is the sweep's obsCoord, amplitude bars grow up from 0.
inline constexpr DesignBox kBild3{-198000, 2000, 38000, -2000};
// The angle scale shares Bild III's x axis; its marks hang from the top.
inline constexpr DesignBox kScaleBar{-198000, 0, 38000, 200};

// The incoming rays of Bild II are drawn from x = −14000 on.
inline constexpr double kHelpTextRight = -14500;

} // namespace rb::tavrin::wave_window
