// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The controls other than pictures as boxes of an SVG drawing: frames,
// buttons, text boxes, scroll bars with their step buttons and thumbs, check
// boxes with their ticks and option rings with their dots, each where its
// style puts it and in the colours its style paints it.
#pragma once

#include "common/canvas/svg_writer.h"

#include <QColor>
#include <QRectF>
#include <QStyleOptionComboBox>
#include <vector>

class QComboBox;
class QWidget;

namespace rb {

Color FromQColor(const QColor &c);
// The option a choice box's style is asked with, as it paints.
QStyleOptionComboBox ComboOption(const QComboBox *c);
// Adds the boxes of control `w`, placed at `r` in the window, to `items`.
void AddControlBoxes(std::vector<SvgItem> &items, const QWidget *w, const QRectF &r);

} // namespace rb
