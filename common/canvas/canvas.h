// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The drawing surface every model draws on. It knows nothing of the toolkit:
// a window's picture implements it on screen, a RecordingCanvas in tests.
//
// The base class owns everything that is the same for every surface: the
// user coordinate system, the foreground colour, the pen width and the
// current point. Implementations only put resolved primitives somewhere.
#pragma once

#include "common/canvas/color.h"
#include "common/canvas/scale_map.h"

#include <cstdint>

namespace rb {

class Canvas {
public:
    virtual ~Canvas() = default;
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    // --- user coordinates -------------------------------------------------
    // Without a user scale the unit is 1/1440 inch with the origin top left.
    // Setting any one of the four values switches to a user scale and keeps
    // the other three. The values are held in single precision, as the
    // programs' layouts were computed with them.
    void Scale(double left, double top, double width, double height);
    void SetScaleLeft(double v);
    void SetScaleTop(double v);
    void SetScaleWidth(double v);
    void SetScaleHeight(double v);
    float ScaleLeft() const;
    float ScaleTop() const;
    float ScaleWidth() const;
    float ScaleHeight() const;
    bool HasUserScale() const { return userScale_; }

    // The map from user coordinates to logical pixels of the surface.
    ScaleMap Map() const;

    // --- drawing state ----------------------------------------------------
    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color c) { foreColor_ = c; }
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color c);
    int DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int w) { drawWidth_ = w < 1 ? 1 : w; }
    double CurrentX() const { return curX_; }
    double CurrentY() const { return curY_; }

    // --- drawing ----------------------------------------------------------
    void Cls();
    void Line(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, Color c);
    void LineTo(double x2, double y2);          // Line -(x2, y2)
    void LineTo(double x2, double y2, Color c); // Line -(x2, y2), c
    void Circle(double x, double y, double r);
    void Circle(double x, double y, double r, Color c);
    // Arc between two angles in radians, counter-clockwise from +x as seen
    // on the screen, whichever way the user y axis grows.
    void Arc(double x, double y, double r, double start, double end);
    void Arc(double x, double y, double r, double start, double end, Color c);
    void PSet(double x, double y);
    void PSet(double x, double y, Color c);

    // Size of the surface in logical pixels (what a user scale spans).
    virtual double PixelWidth() const = 0;
    virtual double PixelHeight() const = 0;
    // Logical dots per inch, used by the default 1/1440-inch unit.
    virtual double LogicalDpi() const { return 96.0; }


protected:
    Canvas() = default;

    // Primitives in user coordinates, with colour and width resolved.
    virtual void DoClear(Color back) = 0;
    virtual void DoSegment(double x1, double y1, double x2, double y2, Color c, int width) = 0;
    virtual void DoDot(double x, double y, Color c, int width) = 0;
    // Full circle when start == end == 0 was not given; see Arc().
    virtual void DoArc(double x, double y, double r, double start, double end, bool full,
                       Color c, int width) = 0;
    // Called after the scale or the background changed.
    virtual void ScaleChanged() {}

private:
    static bool Finite(double a, double b);
    static bool Finite(double a, double b, double c);
    void SwitchToUserScale();
    void DoLine(double x1, double y1, double x2, double y2, Color c);
    void DoArcChecked(double x, double y, double r, double s, double e, bool full, Color c);

    bool userScale_ = false;
    float left_ = 0.0f, top_ = 0.0f, width_ = 1.0f, height_ = 1.0f;
    Color foreColor_ = RGB(0, 0, 0);
    Color backColor_ = RGB(255, 255, 255);
    int drawWidth_ = 1;
    double curX_ = 0.0, curY_ = 0.0;
};

} // namespace rb
