// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/canvas/canvas.h"

#include "common/canvas/dropped_calls.h"

#include <cmath>

namespace rb {

namespace {
constexpr double kTwipsPerInch = 1440.0;
} // namespace

bool Canvas::Finite(double a, double b)
{
    if (std::isfinite(a) && std::isfinite(b)) return true;
    CountDroppedNonFiniteCall();
    return false;
}

bool Canvas::Finite(double a, double b, double c)
{
    if (std::isfinite(a) && std::isfinite(b) && std::isfinite(c)) return true;
    CountDroppedNonFiniteCall();
    return false;
}

// --- user coordinates -----------------------------------------------------

void Canvas::SwitchToUserScale()
{
    if (userScale_) return;
    // Take over the current 1/1440-inch extent, so setting one value keeps
    // the others as they were, as a classic picture box does.
    left_ = ScaleLeft();
    top_ = ScaleTop();
    width_ = ScaleWidth();
    height_ = ScaleHeight();
    userScale_ = true;
}

void Canvas::Scale(double left, double top, double width, double height)
{
    userScale_ = true;
    left_ = static_cast<float>(left);
    top_ = static_cast<float>(top);
    width_ = static_cast<float>(width);
    height_ = static_cast<float>(height);
    ScaleChanged();
}

void Canvas::SetScaleLeft(double v)
{
    SwitchToUserScale();
    left_ = static_cast<float>(v);
    ScaleChanged();
}

void Canvas::SetScaleTop(double v)
{
    SwitchToUserScale();
    top_ = static_cast<float>(v);
    ScaleChanged();
}

void Canvas::SetScaleWidth(double v)
{
    SwitchToUserScale();
    width_ = static_cast<float>(v);
    ScaleChanged();
}

void Canvas::SetScaleHeight(double v)
{
    SwitchToUserScale();
    height_ = static_cast<float>(v);
    ScaleChanged();
}

float Canvas::ScaleLeft() const { return userScale_ ? left_ : 0.0f; }
float Canvas::ScaleTop() const { return userScale_ ? top_ : 0.0f; }

float Canvas::ScaleWidth() const
{
    return userScale_ ? width_ : static_cast<float>(PixelWidth() * kTwipsPerInch / LogicalDpi());
}

float Canvas::ScaleHeight() const
{
    return userScale_ ? height_ : static_cast<float>(PixelHeight() * kTwipsPerInch / LogicalDpi());
}

ScaleMap Canvas::Map() const
{
    return ScaleMap(ScaleLeft(), ScaleTop(), ScaleWidth(), ScaleHeight(), PixelWidth(),
                    PixelHeight());
}

void Canvas::SetBackColor(Color c)
{
    backColor_ = c;
    ScaleChanged();
}

// --- drawing --------------------------------------------------------------

void Canvas::Cls()
{
    DoClear(backColor_);
    curX_ = 0.0;
    curY_ = 0.0;
}

void Canvas::DoLine(double x1, double y1, double x2, double y2, Color c)
{
    if (!Finite(x1, y1) || !Finite(x2, y2)) return;
    DoSegment(x1, y1, x2, y2, c, drawWidth_);
    curX_ = x2;
    curY_ = y2;
}

void Canvas::Line(double x1, double y1, double x2, double y2) { DoLine(x1, y1, x2, y2, foreColor_); }
void Canvas::Line(double x1, double y1, double x2, double y2, Color c) { DoLine(x1, y1, x2, y2, c); }
void Canvas::LineTo(double x2, double y2) { DoLine(curX_, curY_, x2, y2, foreColor_); }
void Canvas::LineTo(double x2, double y2, Color c) { DoLine(curX_, curY_, x2, y2, c); }

void Canvas::DoArcChecked(double x, double y, double r, double s, double e, bool full, Color c)
{
    if (!Finite(x, y, r) || !Finite(s, e)) return;
    DoArc(x, y, std::fabs(r), s, e, full, c, drawWidth_);
    curX_ = x;
    curY_ = y;
}

void Canvas::Circle(double x, double y, double r) { DoArcChecked(x, y, r, 0, 0, true, foreColor_); }
void Canvas::Circle(double x, double y, double r, Color c) { DoArcChecked(x, y, r, 0, 0, true, c); }

void Canvas::Arc(double x, double y, double r, double start, double end)
{
    DoArcChecked(x, y, r, start, end, false, foreColor_);
}

void Canvas::Arc(double x, double y, double r, double start, double end, Color c)
{
    DoArcChecked(x, y, r, start, end, false, c);
}

void Canvas::PSet(double x, double y) { PSet(x, y, foreColor_); }

void Canvas::PSet(double x, double y, Color c)
{
    if (!Finite(x, y)) return;
    DoDot(x, y, c, drawWidth_);
    curX_ = x;
    curY_ = y;
}

} // namespace rb
