// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A control's place in a window's design: where it stands and how large it
// is, in 1/1440 inch from its parent's corner (or, on a picture, in the
// picture's user units). The windows lay their controls out from tables of
// these boxes, named after the controls.
#pragma once

class QWidget;

namespace rb {

struct DesignBox {
    double left, top, width, height;
};

// Places w at the box, in 1/1440 inch from its parent's corner, with every
// edge times scale: a window too large for its screen shrinks its whole
// design in proportion.
void PlaceBox(QWidget *w, const DesignBox &box, double scale = 1.0);

} // namespace rb
