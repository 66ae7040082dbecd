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

void RecordingCanvas::DoClear(Color back)
{
    DrawOp op{DrawOp::Clear};
    op.color = back;
    ops_.push_back(op);
}

void RecordingCanvas::DoSegment(double x1, double y1, double x2, double y2, Color c, int width)
{
    DrawOp op{DrawOp::Segment};
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = c;
    op.width = width;
    ops_.push_back(op);
}

void RecordingCanvas::DoDot(double x, double y, Color c, int width)
{
    DrawOp op{DrawOp::Dot};
    op.x1 = x;
    op.y1 = y;
    op.color = c;
    op.width = width;
    ops_.push_back(op);
}

void RecordingCanvas::DoArc(double x, double y, double r, double start, double end, bool full,
                            Color c, int width)
{
    DrawOp op{DrawOp::Arc};
    op.x1 = x;
    op.y1 = y;
    op.r = r;
    op.start = start;
    op.end = end;
    op.full = full;
    op.color = c;
    op.width = width;
    ops_.push_back(op);
}

} // namespace rb
