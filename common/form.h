// A top-level window. Its client area is a drawing surface of its own, so a
// window can draw on its background, take presses outside its controls and
// place its controls in its own user scale.
#pragma once

#include "picture.h"

namespace rb {

class Form : public Picture {
    Q_OBJECT
public:
    explicit Form(QWidget *parent = nullptr);

    // Outer position and size in 1/1440 inch. The window manager's frame is
    // not known before the window is shown, so they set the client area.
    void SetOuterGeometryTwips(double left, double top, double width, double height);
    void MoveTwips(double left, double top);
    double LeftTwips() const;
    double TopTwips() const;
    double WidthTwips() const;
    double HeightTwips() const;
    // Fixes the window at its current size: the layout is computed once.
    void FreezeSize();
    // Shows the window and brings it to the user whichever way it was left:
    // restored when minimised, raised above the program's other windows and
    // made the active one.
    void BringToUser();

signals:
    // The user asked to close the window.
    void Unload();

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace rb
