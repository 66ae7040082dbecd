// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Writes a window, or a single picture, as an SVG drawing: every picture as
// the vector operations of its log, captions and labels as text, the other
// controls as plain outlines. Knows no toolkit, so a file can be written
// without a window.
//
// Units are the window's logical pixels; the drawing scales without steps.
#pragma once

#include "common/canvas/draw_log.h"

#include <string>
#include <vector>

namespace rb {

struct SvgPicture {
    double left = 0, top = 0, width = 0, height = 0; // in the drawing
    const DrawLog *log = nullptr;
    // A base64 PNG of the picture, used instead of the log when it overflowed.
    std::string fallbackPng;
};

struct SvgText {
    enum Anchor { Start, Middle, End };
    double x = 0, y = 0; // baseline
    std::string text;    // UTF-8
    std::string family;
    double pixelSize = 12;
    bool bold = false;
    Color color = RGB(0, 0, 0);
    Anchor anchor = Start;
};

struct SvgBox {
    double left = 0, top = 0, width = 0, height = 0;
    Color fill = RGB(255, 255, 255);
    Color stroke = RGB(128, 128, 128);
    bool round = false; // an ellipse in the box, as an option button's ring
    bool marked = false; // with a dot in its middle: the selected option
};

struct SvgDocument {
    double width = 0, height = 0;
    Color background = RGB(255, 255, 255);
    std::vector<SvgPicture> pictures; // the window's own surface first
    std::vector<SvgBox> boxes;        // controls other than pictures
    std::vector<SvgText> texts;      // drawn last, on top
};

std::string WriteSvg(const SvgDocument &doc);

// "#rrggbb".
std::string SvgColor(Color c);

} // namespace rb
