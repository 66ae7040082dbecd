// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A window's content in the three forms it can be copied or saved in: its
// client area as an image at device-pixel resolution, as an SVG drawing
// (pictures as vectors, captions and labels as text) and, for windows with
// numbers behind them, as a CSV table the window supplies.
#pragma once

#include <QByteArray>
#include <QImage>

class QWidget;

namespace rb {

class Picture;

// The client area as seen, with the screen's pixel ratio.
QImage WindowImage(QWidget *window);
// The whole window as an SVG drawing.
QByteArray WindowSvg(QWidget *window);
// One picture alone, in its own logical pixels.
QByteArray PictureSvg(const Picture &picture);

} // namespace rb
