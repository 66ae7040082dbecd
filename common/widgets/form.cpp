// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/form.h"

#include "common/widgets/device_grid.h"
#include "common/widgets/units.h"
#include "common/widgets/window_frame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace rb {

namespace {
QRect UsableArea()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

int FrameWidth() { return ExpectedFrame().left() + ExpectedFrame().right(); }
int FrameHeight() { return ExpectedFrame().top() + ExpectedFrame().bottom(); }
} // namespace

Form::Form(QWidget *parent) : Picture(parent)
{
    setWindowFlag(Qt::Window, true);
    AddZoomKeys();
}

void Form::SetOuterGeometryTwips(double left, double top, double width, double height)
{
    const int w = OnDeviceGrid(std::max(1, int(std::lround(TwipsToPixels(width))) - FrameWidth()));
    const int h = OnDeviceGrid(std::max(1, int(std::lround(TwipsToPixels(height))) - FrameHeight()));
    // A window fixed in size stays fixed throughout: a window manager gives
    // a resizable window another frame (openbox a grip along the bottom).
    if (minimumSize() == maximumSize()) setFixedSize(w, h);
    else resize(w, h);
    MoveTwips(left, top);
}

void Form::MoveTwips(double left, double top)
{
    // The toolkit places a top-level window by its frame's corner.
    const QRect area = UsableArea();
    const int outerW = width() + FrameWidth(), outerH = height() + FrameHeight();
    const int x = area.x() + int(std::lround(TwipsToPixels(left)));
    const int y = area.y() + int(std::lround(TwipsToPixels(top)));
    move(OnDeviceGrid(std::max(area.x(), std::min(x, area.right() + 1 - outerW))),
         OnDeviceGrid(std::max(area.y(), std::min(y, area.bottom() + 1 - outerH))));
}

double Form::LeftTwips() const { return PixelsToTwips(x() - UsableArea().x()); }
double Form::TopTwips() const { return PixelsToTwips(y() - UsableArea().y()); }
double Form::WidthTwips() const { return PixelsToTwips(width()); }
double Form::HeightTwips() const { return PixelsToTwips(height()); }
double Form::OuterWidthTwips() const { return PixelsToTwips(width() + FrameWidth()); }
double Form::OuterHeightTwips() const { return PixelsToTwips(height() + FrameHeight()); }

void Form::FreezeSize() { setFixedSize(size()); }

void Form::BringToUser()
{
    // show() alone leaves a minimised window minimised and a covered one
    // covered: the user would see nothing happen.
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    // A headless screen has no stacking order to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();
    activateWindow();
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit Unload();
}

void Form::showEvent(QShowEvent *event)
{
    Picture::showEvent(event);
    ShowZoomNote();
    if (!frameChecked_ && windowHandle()) windowHandle()->installEventFilter(this);
}

// The first time the window is exposed its frame is known, and nothing of
// it has been painted yet.
bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (!frameChecked_ && watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        frameChecked_ = true;
        windowHandle()->removeEventFilter(this);
        const QMargins frame = ShownFrame(*windowHandle());
        if (frame != ExpectedFrame()) {
            SetExpectedFrame(frame);
            LayOut();
            ShowZoomNote();
        }
    }
    return Picture::eventFilter(watched, event);
}

} // namespace rb
