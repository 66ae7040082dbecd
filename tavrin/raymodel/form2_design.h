// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The ray model's window as it was designed: every control's box in window
// units or in 1/1440 inch from its frame's corner, the fonts and colours,
// the scene's scale and the sweep's pace. The construction, the layout and
// the handlers share these.
#pragma once

#include "common/canvas/color.h"
#include "common/widgets/controls.h"
#include "common/widgets/design_box.h"

#include <QtGlobal>

namespace rb::tavrin::ray_window {

inline constexpr Color kGrey = RGB(192, 192, 192);
inline constexpr Color kBlack = RGB(0, 0, 0);

inline constexpr FontSpec kWindowFont{8.25, true};
inline constexpr FontSpec kHelpFont{9.75, true};
inline constexpr FontSpec kDegreeFont{12, true};

// The window fills 95 % of the screen and has its own scale: x from −2800
// across 4000 units, y from −1200 down 3000 units.
inline constexpr double kScreenShare = 0.95;
inline constexpr double kWindowLeft = -2800, kWindowTop = -1200, kWindowWidth = 4000, kWindowHeight = 3000;

// Controls on the window, in window units.
inline constexpr DesignBox kCommand4{-2780, -1170, 450, 150};
inline constexpr DesignBox kFrame3D2{-2780, -980, 450, 420};
inline constexpr DesignBox kFrame3D1{-2780, -480, 450, 450};
inline constexpr DesignBox kFrame3D3{-2780, 0, 450, 400};
inline constexpr DesignBox kFrame3D4{-2780, 440, 450, 400};
inline constexpr DesignBox kFrame3D5{-2780, 890, 450, 500};
inline constexpr DesignBox kFrame3D6{-2780, 1390, 450, 300};
inline constexpr DesignBox kPicture1{-2300, -1175, 300, 2950};
inline constexpr DesignBox kPicture2{-2000, -1175, 140, 2950};
inline constexpr DesignBox kPicture3{-1885, -1175, 3200, 2950};

// Controls in the frames, in 1/1440 inch from the frame's corner.
inline constexpr DesignBox kOption3{120, 360, 1455, 375};
inline constexpr DesignBox kOption4{120, 720, 1455, 255};
inline constexpr DesignBox kOption5{120, 1080, 1455, 255};
inline constexpr DesignBox kOption1{120, 360, 375, 255};
inline constexpr DesignBox kOption2{120, 600, 375, 255};
inline constexpr DesignBox kOption6{120, 840, 375, 255};
inline constexpr DesignBox kOption7{120, 1080, 375, 255};
inline constexpr DesignBox kOption8{120, 240, 735, 255};
inline constexpr DesignBox kOption9{120, 480, 735, 255};
inline constexpr DesignBox kOption10{120, 240, 1095, 375};
inline constexpr DesignBox kOption11{120, 480, 1215, 495};
inline constexpr DesignBox kLabel5{120, 240, 1455, 495};
inline constexpr DesignBox kCommand6{120, 720, 1335, 375};
inline constexpr DesignBox kCommand7{120, 1200, 1335, 375};
inline constexpr DesignBox kOption13{120, 240, 1455, 375};
inline constexpr DesignBox kOption14{120, 600, 1455, 255};

// The strip and its labels: 200 units across, 1000 down.
inline constexpr double kStripWidth = 200, kStripHeight = 1000;
inline constexpr DesignBox kCommand3{20, 1, 160, 48};
// Each degree label stands 10 units above the tick it names.
inline constexpr DesignBox kLabel1{5, 940, 180, 100};
inline constexpr DesignBox kLabel2{5, 640, 180, 100};
inline constexpr DesignBox kLabel3{5, 340, 180, 100};
inline constexpr DesignBox kLabel4{5, 40, 180, 100};

// The scene in "Details": x from −2254 across 3254 units, y from −1000 down
// 3000, so the drop (R = 800) sits in the right part and the upper third,
// with room on the left for the incoming rays and below for those scattered
// back. "Überblick" is ten times that. The load step starts 3400 units
// across, which draws the drop a little narrower until a scale is chosen.
inline constexpr double kSceneLeft = -2254, kSceneTop = -1000, kSceneWidth = 3254, kSceneHeight = 3000;
inline constexpr double kOverviewFactor = 10;
inline constexpr double kLoadStretch = 3400.0 / 3254.0;
// The scene's design proportions were made for a 4:3 screen, where its
// units are as long across as down.
inline constexpr double kDesignAspect = 4.0 / 3.0;
inline constexpr DesignBox kCommand2{-2250, -995, 250, 150};
inline constexpr DesignBox kLabel6{-2200, 1000, 600, 950};

inline constexpr float kDetailRayLength = 2000, kOverviewRayLength = 20000;

// The slow sweep shows every ray for at least this long, so the marks are
// seen piling up at the bow (about 3.5 s for the 134 rays of k = 1).
inline constexpr qint64 kSlowStepMs = 25;

// The left column ends this many pixels before the angle strip.
inline constexpr int kColumnGap = 2;

} // namespace rb::tavrin::ray_window
