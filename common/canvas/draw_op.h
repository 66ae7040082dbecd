// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// One drawing operation as a surface receives it, resolved to its colour
// and width: what a picture's log keeps for vector output and what a test's
// recording canvas remembers.
#pragma once

#include "common/canvas/color.h"

namespace rb {

struct DrawOp {
    enum Kind { Clear, Segment, Dot, Arc } kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // segment ends; dot and arc centre in x1, y1
    double r = 0, start = 0, end = 0;      // arcs only
    bool full = false;                     // a whole circle
    Color color = 0;
    int width = 1;
};

} // namespace rb
