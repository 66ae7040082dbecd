// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The title of a frame (a titled group box). A title too long for its frame
// wraps onto further lines inside the frame instead of running out of it.
#pragma once

#include <QRect>

class QGroupBox;
class QStyleOptionGroupBox;

namespace rb {

// The option the frame's style is asked with, filled in as the frame itself
// fills it in when it paints, at the given width: every question about the
// frame's title and border gets the answer its painting uses.
QStyleOptionGroupBox FrameOption(const QGroupBox *frame, int width);
// Where the frame's style puts the title, in the frame's coordinates.
QRect FrameTitleRect(const QGroupBox *frame);
// The width the frame needs for its title on one line.
int FrameTitleWidth(const QGroupBox *frame);
// Lets the title wrap when it does not fit on one line at the frame's
// current width. Call after the frame has its final width.
void WrapFrameTitle(QGroupBox *frame);
// True when the whole title shows inside the frame.
bool FrameTitleFits(const QGroupBox *frame);

} // namespace rb
