// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A canvas that draws nothing and remembers every operation in user
// coordinates, so tests can count segments and check exact points.
#pragma once

#include "common/canvas/canvas.h"
#include "common/canvas/draw_op.h"

#include <cstddef>
#include <vector>

namespace rb {


class RecordingCanvas final : public Canvas {
public:
    explicit RecordingCanvas(double pixelWidth = 1000, double pixelHeight = 1000, double dpi = 96)
        : w_(pixelWidth), h_(pixelHeight), dpi_(dpi)
    {
    }

    const std::vector<DrawOp> &Ops() const { return ops_; }
    std::size_t Count(DrawOp::Kind k) const;
    std::vector<DrawOp> OfKind(DrawOp::Kind k) const;
    void Forget() { ops_.clear(); }

    double PixelWidth() const override { return w_; }
    double PixelHeight() const override { return h_; }
    double LogicalDpi() const override { return dpi_; }

protected:
    void DoClear(Color back) override;
    void DoSegment(double x1, double y1, double x2, double y2, Color c, int width) override;
    void DoDot(double x, double y, Color c, int width) override;
    void DoArc(double x, double y, double r, double start, double end, bool full, Color c,
               int width) override;

private:
    double w_, h_, dpi_;
    std::vector<DrawOp> ops_;
};

} // namespace rb
