// The title of a frame (a titled group box). A title too long for its frame
// wraps onto further lines inside the frame instead of running out of it.
#pragma once

#include <QRect>

class QGroupBox;

namespace rb {

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
