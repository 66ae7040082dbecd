// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Window geometry in logical pixels that survives the toolkit's trip to
// device pixels and back.
//
// At a scale factor below 1 a logical pixel is less than a device pixel: a
// window 941 logical pixels wide at 0.5 is 470.5 device pixels, which the
// toolkit rounds to 471 and reads back as 942. Finding the window's
// geometry other than the one it was given, the toolkit sets it once more
// when the window is first shown, and this time as the client area's: the
// window manager then puts the client where the frame was meant to be, and
// the title bar above the screen.
#pragma once

namespace rb {

// The logical length or position nearest to `logical` that the device
// pixels it rounds to give back exactly; unchanged at scale factors of 1
// and above.
int OnDeviceGrid(int logical);

} // namespace rb
