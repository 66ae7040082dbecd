// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A top-level window. Its client area is a drawing surface of its own, so a
// window can draw on its background, take presses outside its controls and
// place its controls in its own user scale.
#pragma once

#include "common/widgets/picture.h"

namespace rb {

class Form : public Picture {
    Q_OBJECT
public:
    explicit Form(QWidget *parent = nullptr);

    // Outer position and size in 1/1440 inch, the window manager's frame
    // included, from the top-left corner of the screen's usable area. The
    // client area is what the frame leaves inside.
    void SetOuterGeometryTwips(double left, double top, double width, double height);
    // Moves the frame's top-left corner there, but never above or left of
    // the usable area, nor further right or down than the window needs to
    // stay on it.
    void MoveTwips(double left, double top);
    double LeftTwips() const;
    double TopTwips() const;
    // The client area.
    double WidthTwips() const;
    double HeightTwips() const;
    // The client area with the frame.
    double OuterWidthTwips() const;
    double OuterHeightTwips() const;
    // Fixes the window at its current size: the layout is computed once.
    void FreezeSize();
    // Shows the window and brings it to the user whichever way it was left:
    // restored when minimised, raised above the program's other windows and
    // made the active one.
    void BringToUser();

    // The presentation zoom, for every window of the program: Ctrl+Plus and
    // Ctrl+Minus step it by kZoomStep, Ctrl+0 goes back to 1. direction is
    // +1, -1 or 0.
    static void StepZoom(int direction);
    // Asks for a zoom and brings the program's windows and fonts to the
    // zoom they get.
    static void SetProgramZoom(double requested);
    // Takes up the program's zoom after it changed from `from`: fonts,
    // layout, pens, and the title's note.
    void FollowZoom(double from);
    // When the window had to stay below the zoom asked for, its title says
    // which zoom it got.
    void ShowZoomNote();

signals:
    // The user asked to close the window.
    void Unload();

protected:
    // The geometry part of the load step: sizes the window from the screen
    // and places the controls. The frame is only an expectation until the
    // window is shown; when the window then gets a different one, this runs
    // once more before the window is first painted.
    virtual void LayOut() {}

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void AddZoomKeys();

    bool frameChecked_ = false;
    QString plainTitle_;
    bool titleNoted_ = false;
};

} // namespace rb
