// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A picture area: a widget that keeps what is drawn on it in an image at the
// screen's device-pixel resolution, with a user coordinate system.
//
// Drawing goes into the image at once; the screen is brought up to date at
// the display's pace (about 60 times a second), so a computation that draws
// and yields after every ray is not slowed down by repainting.
//
// The image survives being covered. `Paint` is raised when the content must
// be drawn anew: when the surface is first shown and when its image had to
// be rebuilt (new size or new pixel ratio). It is raised from the event
// loop, never from inside a toolkit paint, so a handler may yield.
#pragma once

#include "common/canvas/canvas.h"
#include "common/canvas/draw_log.h"
#include "common/widgets/queued_call.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>

class QPainter;

namespace rb {

// Mouse button mask and shift state as the handlers receive them.
enum MouseButtonMask { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftMask { kShift = 1, kCtrl = 2, kAlt = 4 };

class Picture : public QWidget, public Canvas {
    Q_OBJECT
public:
    explicit Picture(QWidget *parent = nullptr);
    ~Picture() override;

    double PixelWidth() const override { return width(); }
    double PixelHeight() const override { return height(); }
    double LogicalDpi() const override;

    // Places a child control in this surface's units: its user scale, or
    // 1/1440 inch without one.
    void Place(QWidget *child, double left, double top, double width, double height) const;
    void Move(QWidget *child, double left, double top) const;
    // A child's geometry read back in this surface's units.
    double ChildLeft(const QWidget *child) const;
    double ChildTop(const QWidget *child) const;
    double ChildWidth(const QWidget *child) const;
    double ChildHeight(const QWidget *child) const;

    // The keyboard. A picture that takes focus shows a frame while it has it
    // and reports keys (KeyDown) instead of passing them on. Its marker, the
    // place the keys move, is drawn over the picture while it has focus and
    // never into the image: the drawing is what the runs made, nothing more.
    enum class Marker { None, Height, Point };
    void TakeKeyboardFocus();
    // In user coordinates; a height marker uses only y.
    void SetMarker(Marker kind, double x, double y);

    // The presentation zoom of the window this surface belongs to. Pens,
    // dots and the focus frame widen with it (never below their width at
    // zoom 1), drawn at the image's resolution, so they stay crisp.
    double WindowZoom() const;
    // A picture whose pen widths are counted in its own pixels (bands that
    // fill a computed width) keeps them as they are.
    void SetPensFollowZoom(bool follow);
    // Lines that stand this many x units apart keep a gap between them
    // however far the zoom widens them.
    void SetZoomedLinesApart(double unitsX);
    // A change of the window's zoom: HoldForZoom() before the window is
    // laid out anew keeps the drawing while the picture changes size;
    // RefreshZoom() after it takes up the pens anew and draws again what
    // the picture showed, at the new size with the new pens, from its
    // drawing log (or, if the log was too long to keep, from its image
    // scaled smoothly). Nothing drawn by the runs is lost.
    void HoldForZoom();
    void RefreshZoom();
    // True while the window is laid out for a new zoom: a layout that
    // starts its pictures afresh leaves them, their drawing is kept.
    bool HeldForZoom() const { return heldForZoom_; }

    // The retained image (device pixels, with its pixel ratio set).
    const QImage &Image();
    // Brings the screen up to date now instead of at the next frame.
    void FlushNow();
    // What the picture shows, as drawing operations in logical pixels.
    const DrawLog &Log() const;

signals:
    void Paint();
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    void Click();
    void KeyDown(int key, int shift);

protected:
    // The zoom of this surface as a window; a window that shrinks its whole
    // design to fit its screen says so here.
    virtual double OwnZoom() const;

    void DoClear(Color back) override;
    void DoSegment(double x1, double y1, double x2, double y2, Color c, int width) override;
    void DoDot(double x, double y, Color c, int width) override;
    void DoArc(double x, double y, double r, double start, double end, bool full, Color c, int width) override;
    void ScaleChanged() override;

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void EnsureImage();
    void CheckPixelRatio(bool sizeChanged);
    void RebuildImage(bool keepContent);
    QPainter &Painter();
    void EndPainting();
    void MarkDirty(const QRectF &deviceRect);
    void FlushDirty();
    double DeviceX(double x) const;
    double DeviceY(double y) const;
    void Record(const DrawOp &op);
    double Logical(double device) const;
    void FillDeviceRect(int x0, int y0, int x1, int y1, Color c);
    void PaintFocus(QPainter &p) const;
    double PenZoom() const;
    // The pixel primitives in device pixels, with the pen taken from the
    // zoom at the time they are drawn; they record nothing.
    void InkSegment(double ax, double ay, double bx, double by, Color c, int width);
    void InkDot(double dx, double dy, Color c, int width);
    void InkArc(double cx, double cy, double rp, double start, double end, bool full, Color c, int width);
    // The log keeps its operations in the logical pixels of the size and
    // zoom at which it was begun, so a zoom and back leaves them untouched.
    void BeginLogFrame();
    void UpdateFrame();
    DrawOp InFrame(const DrawOp &op, double fx, double fy) const;
    void Replay();
    // Device pixels of a pen `width` logical pixels wide at zoom 1.
    int PenPixels(int width) const;

    QImage image_;
    DrawLog log_;
    QSizeF logSize_;      // logical size when the log was begun
    double logDpi_ = 0;   // logical dots per inch then
    mutable DrawLog shownLog_; // the log in the logical pixels of now
    mutable bool shownLogValid_ = false;
    double frameX_ = 1, frameY_ = 1; // log's logical pixels to those of now
    bool heldForZoom_ = false;
    QImage heldImage_;
    std::unique_ptr<QPainter> painter_;
    ScaleMap map_;
    double dpr_ = 1.0;
    double penZoom_ = 1.0;
    bool pensFollowZoom_ = true;
    double linesApart_ = 0;
    QSize imageSize_; // logical size the image was made for
    QRect dirty_;
    QTimer pace_;
    QElapsedTimer sinceFlush_;
    QueuedCall queuedPaint_{this, [this] { emit Paint(); }};
    bool shownOnce_ = false;
    bool pressed_ = false;
    Marker marker_ = Marker::None;
    double markerX_ = 0, markerY_ = 0;
};

} // namespace rb
