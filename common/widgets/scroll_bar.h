// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The scroll bar of the windows: it takes the keyboard focus by a click or
// by Tab, shows that it has it, and moves by keys and by the mouse wheel the
// way every other program of the desktop does.
#pragma once

#include <QScrollBar>

namespace rb {

class ScrollBar : public QScrollBar {
public:
    ScrollBar(Qt::Orientation o, QWidget *parent);

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    void Wheel(QWheelEvent *e);

    // Wheel turns finer than a notch (touchpads) add up until they make one.
    int wheelRest_ = 0;
};

} // namespace rb
