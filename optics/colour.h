// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// From the eye's tristimulus values to a pixel of an sRGB screen
// (IEC 61966-2-1): the linear primaries, white balance, bringing a colour
// the screen cannot show into its gamut, and the transfer curve.
#pragma once

namespace rb::optics {

struct Xyz {
    double x = 0, y = 0, z = 0;
};
struct Rgb {
    double r = 0, g = 0, b = 0;
};

// The matrix of IEC 61966-2-1 from CIE XYZ to linear sRGB (D65 white).
Rgb XyzToLinearSrgb(const Xyz &c);

// White balance as a camera does it, one gain per channel: the colour of
// `white` becomes neutral, (Y, Y, Y) with its own luminance Y kept, and
// every colour is scaled by the same gains. Returns the balanced colour.
Rgb WhiteBalanced(const Rgb &linear, const Rgb &whiteLinear, double whiteY);

// Brings a balanced linear colour of luminance y into the cube [0, 1]³
// without changing its luminance: it is moved on the straight line towards
// the grey (y, y, y) just until no channel is below 0 or above 1. The hue
// stays, the saturation goes; only a luminance above 1 (more light than the
// exposure holds) is clipped, to white.
Rgb IntoGamut(const Rgb &balanced, double y);

// The sRGB transfer curve: linear 0…1 to the encoded 0…1.
double SrgbEncode(double linear);
// An 8-bit channel of the encoded value.
int SrgbByte(double linear);

} // namespace rb::optics
