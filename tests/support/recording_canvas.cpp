// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tests/support/recording_canvas.h"

#include <algorithm>

namespace rb {

std::size_t RecordingCanvas::Count(DrawOp::Kind k) const
{
    return static_cast<std::size_t>(
        std::count_if(ops_.begin(), ops_.end(), [k](const DrawOp &o) { return o.kind == k; }));
}

std::vector<DrawOp> RecordingCanvas::OfKind(DrawOp::Kind k) const
{
    std::vector<DrawOp> out;
    std::copy_if(ops_.begin(), ops_.end(), std::back_inserter(out),
                 [k](const DrawOp &o) { return o.kind == k; });
    return out;
}

// Each operation as the canvas hands it over, in user coordinates.
void RecordingCanvas::DoClear(Color back) { ops_.push_back({.kind = DrawOp::Clear, .color = back}); }

void RecordingCanvas::DoSegment(double x1, double y1, double x2, double y2, Color c, int width)
{
    ops_.push_back({.kind = DrawOp::Segment, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .color = c, .width = width});
}

void RecordingCanvas::DoDot(double x, double y, Color c, int width)
{
    ops_.push_back({.kind = DrawOp::Dot, .x1 = x, .y1 = y, .color = c, .width = width});
}

void RecordingCanvas::DoArc(double x, double y, double r, double start, double end, bool full,
                            Color c, int width)
{
    ops_.push_back({.kind = DrawOp::Arc, .x1 = x, .y1 = y, .r = r, .start = start, .end = end, .full = full,
                    .color = c, .width = width});
}

} // namespace rb
