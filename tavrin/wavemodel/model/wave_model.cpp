// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/wavemodel/model/wave_model.h"
#include "tavrin/wavemodel/model/wave_fan.h"
#include "optics/drop_chord.h"
#include "optics/drop_ray.h"

#include <cmath>

namespace rb::tavrin {

namespace {

constexpr double kExitRayLength = 5000.0;
// The reflected ray is drawn as four times a direction of length 2000.
constexpr double kReflectedScale = 4.0;
constexpr double kReflectedLength = 2000.0;

struct ColourSetting {
    std::int16_t barOffset;
    double waveParam;
    int red, green, blue;
    double refrIndex; // water at this wavelength
    double waveMicrons;
};

constexpr ColourSetting kRed{0, 0.7, 255, 0, 0, 1.3312, 0.656};
constexpr ColourSetting kGreen{50, 0.589, 0, 255, 0, 1.3352, 0.527};
constexpr ColourSetting kBlue{100, 0.4, 0, 0, 255, 1.3406, 0.430};

const ColourSetting &Setting(WaveColour colour)
{
    return colour == WaveColour::Red ? kRed : colour == WaveColour::Green ? kGreen : kBlue;
}

} // namespace

double WavelengthMicrons(WaveColour colour) { return Setting(colour).waveMicrons; }
double WaterIndex(WaveColour colour) { return Setting(colour).refrIndex; }

WaveModel::WaveModel() : piValue(4.0 * std::atan(1.0)) {}

void WaveModel::SelectColour(WaveColour chosen)
{
    const ColourSetting &s = Setting(chosen);
    colour = chosen;
    barOffset = s.barOffset;
    waveParam = s.waveParam;
    rayRed = s.red;
    rayGreen = s.green;
    rayBlue = s.blue;
    refrIndex = s.refrIndex;
    stopRequest = true;
}

void WaveModel::SetDiameter(int value)
{
    diameterValue = static_cast<std::int16_t>(value);
    stopRequest = true;
}

void WaveModel::SelectPhasorModel(PhasorModel m)
{
    phasorModel = m;
    stopRequest = true;
}

void WaveModel::SelectPolarisation(Polarisation p)
{
    polarisation = p;
    stopRequest = true;
}

void WaveModel::SetOuterReflection(bool on)
{
    outerReflection = on;
    stopRequest = true;
}

void WaveModel::UpdateWaveUnits() { waveUnits = waveParam * dropRadius / diameterValue; }

// --- ray operations ---------------------------------------------------------

void WaveModel::SetEntryPoint(double b)
{
    const double r = dropRadius;
    curX = optics::EntryX(r, b);
    curY = b;
}

void WaveModel::Refract()
{
    incAngle = optics::IncidenceAngle(curX, curY);
    // sin β stays below 1 for every n > 1.
    refrAngle = optics::RefractionAngle(optics::SinRefraction(incAngle, refrIndex));
    rayAngle = optics::EntryPosition(piValue, incAngle);
}

void WaveModel::StartRay(double b)
{
    SetEntryPoint(b);
    Refract();
}

void WaveModel::Advance(Canvas *picture4)
{
    const optics::Chord c = optics::ChordFrom(curX, curY, refrAngle + piValue + rayAngle);
    dirSin = c.dirSin;
    dirCos = c.dirCos;
    nextX = c.nextX;
    nextY = c.nextY;
    if (picture4) picture4->Line(curX, curY, nextX, nextY, RayColor());
    curX = nextX;
    curY = nextY;
}

void WaveModel::AdvanceToSurface(Canvas &picture4) { Advance(FiguresOn(picture4)); }

void WaveModel::TurnAtSurface() { rayAngle = optics::NextPosition(rayAngle, piValue, refrAngle); }

void WaveModel::DrawExitRay(Canvas &picture4)
{
    const double theta = optics::ExitDirection(rayAngle, incAngle);
    dirSin = std::sin(theta);
    dirCos = std::cos(theta);
    if (drawFigures)
        picture4.Line(curX, curY, curX + kExitRayLength * dirCos, curY + kExitRayLength * dirSin,
                      RayColor());
}

void WaveModel::DrawReflectedRay(Canvas &picture4)
{
    const double theta = optics::ExitDirection(rayAngle, incAngle);
    dirSin = kReflectedScale * std::sin(theta);
    dirCos = kReflectedScale * std::cos(theta);
    if (drawFigures)
        picture4.Line(curX, curY, curX + kReflectedLength * dirCos,
                      curY + kReflectedLength * dirSin, RayColor());
}

Phasor WaveModel::TraceRayPhase(double b, double bx, double by, Canvas &picture4)
{
    return TracePhase(b, bx, by, FiguresOn(picture4));
}

Phasor WaveModel::TracePhase(double b, double bx, double by, Canvas *picture4)
{
    SetEntryPoint(b);
    const double approach = curX - kStartPlaneX;
    if (picture4) picture4->Line(kIncomingFromX, b, curX, curY, RayColor());
    Refract();
    Advance(picture4); // to the back of the drop
    TurnAtSurface();
    Advance(picture4); // to the exit point
    if (picture4) picture4->Line(curX, curY, bx, by, RayColor());

    // Optical path: the approach, the two chords inside (2R·cos β each,
    // weighted by n; the exact chord, not the traced one) and the straight
    // way from the exit point to B. No phase jump at the surfaces and no
    // weights: every elementary wave adds a phasor of length 1.
    const double inside = refrIndex * 4.0 * dropRadius * std::cos(refrAngle);
    const double toObserver = std::sqrt((curX - bx) * (curX - bx) + (curY - by) * (curY - by));
    const double q = (approach + inside + toObserver) / waveUnits;
    // The path is always positive: the phase is its fractional part in
    // wavelengths, times 2π.
    const double phi = (q - std::floor(q)) * 2.0 * piValue;
    return {std::cos(phi), std::sin(phi)};
}

} // namespace rb::tavrin
