// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/start/model/start_illustrations.h"
#include "optics/drop_chord.h"
#include "optics/drop_ray.h"

namespace rb::tavrin {

namespace {

constexpr std::int16_t kDropRadius = 1000;
constexpr double kRefrIndex = 1.33;

// Heights of the rays: a paint draws five, 475 to 815; a click five more,
// 475 to 675, in between the first ones.
constexpr float kFirstHeight = 475;
constexpr float kPaintLastHeight = 875, kPaintHeightStep = 85;
constexpr float kClickLastHeight = 675, kClickHeightStep = 50;

// The rays start at the plane wave's front (right picture) or beyond the
// left edge (left picture); the front's dot is at x = −2000 in both.
constexpr double kWaveFrontX = -2000;
constexpr double kLeftRayStartX = -3000;
constexpr double kOutgoingLength = 4000;

// Wavelets of the plane wave around its front: half circles facing +x.
constexpr float kFrontWaveletFirst = 300, kFrontWaveletLast = 900, kFrontWaveletStep = 300;
constexpr double kFrontArcUpperEnd = 1.57, kFrontArcLowerStart = 4.71, kFrontArcLowerEnd = 6.28;

// Wavelets leaving an exit point, facing away from the drop.
constexpr std::int16_t kWaveRadiusBase = 200, kWaveRadiusGrowth = 120;
constexpr std::int16_t kArcOffsetFirst = 200, kArcOffsetLast = 1700, kArcOffsetStep = 300;
constexpr double kExitArcStart = 2.7, kExitArcEnd = 5.9;

constexpr int kExitDotWidth = 5;

} // namespace

void StartIllustrations::StartTrace(Canvas &picture, float h, double fromX)
{
    rayHeight = h;
    const double r = dropRadius;
    curX = optics::EntryX(r, h);
    curY = h;
    picture.Line(fromX, h, curX, curY);
    incAngle = optics::IncidenceAngle(curX, h);
    // sin β in single precision: the illustrations have always been drawn so.
    sinRefr = static_cast<float>(optics::SinRefraction(incAngle, refrIndex));
    refrAngle = optics::RefractionAngle(sinRefr);
    posAngle = optics::EntryPosition(piValue, incAngle);
}

// The far end of a chord lies 2β − π further round the circle.
void StartIllustrations::AdvancePosition() { posAngle = optics::NextPosition(posAngle, piValue, refrAngle); }

void StartIllustrations::DrawChord(Canvas &picture)
{
    const optics::Chord c = optics::ChordFrom(curX, curY, piValue + posAngle + refrAngle);
    dirSin = c.dirSin;
    dirCos = c.dirCos;
    nextX = c.nextX;
    nextY = c.nextY;
    picture.Line(curX, curY, nextX, nextY);
    curX = nextX;
    curY = nextY;
}

void StartIllustrations::DrawOutgoingRay(Canvas &picture)
{
    const double theta = optics::ExitDirection(posAngle, incAngle);
    dirSin = std::sin(theta);
    dirCos = std::cos(theta);
    picture.Line(curX, curY, curX + kOutgoingLength * dirCos, curY + kOutgoingLength * dirSin);
}

// One ray of the wave model: in to the back and out to the exit point, with
// the plane wave's wavelets at its start and the outgoing ones at its end.
void StartIllustrations::DrawWaveRay(Canvas &picture1, float h, std::int16_t radiusBase)
{
    StartTrace(picture1, h, kWaveFrontX);
    for (float r = kFrontWaveletFirst; r <= kFrontWaveletLast; r += kFrontWaveletStep) {
        picture1.Arc(kWaveFrontX, h, r, 0, kFrontArcUpperEnd);
        picture1.Arc(kWaveFrontX, h, r, kFrontArcLowerStart, kFrontArcLowerEnd);
    }
    DrawChord(picture1);
    AdvancePosition();
    DrawChord(picture1);

    picture1.SetDrawWidth(kExitDotWidth);
    picture1.PSet(curX, curY);
    picture1.PSet(kWaveFrontX, h);
    picture1.SetDrawWidth(1);

    for (std::int16_t offset = kArcOffsetFirst; offset <= kArcOffsetLast; offset += kArcOffsetStep) {
        arcOffset = offset;
        picture1.Arc(curX, curY, radiusBase + offset, kExitArcStart, kExitArcEnd);
    }
}

// One ray of the ray model: in, reflected once at the back, and out.
void StartIllustrations::DrawRayOut(Canvas &picture2, float h)
{
    StartTrace(picture2, h, kLeftRayStartX);
    DrawChord(picture2);
    AdvancePosition();
    DrawChord(picture2);
    AdvancePosition();
    DrawOutgoingRay(picture2);

    picture2.SetDrawWidth(1);
    picture2.PSet(curX, curY);
    picture2.PSet(kWaveFrontX, h);
}

bool StartIllustrations::DrawIllustrations(Canvas &picture1, Canvas &picture2, const Yield &yield)
{
    dropRadius = kDropRadius;
    refrIndex = kRefrIndex;
    waveRadiusBase = kWaveRadiusBase;
    picture1.Circle(0, 0, dropRadius);
    picture2.Circle(0, 0, dropRadius);

    std::int16_t radiusBase = kWaveRadiusBase;
    for (float h = kFirstHeight; h <= kPaintLastHeight; h += kPaintHeightStep) {
        DrawWaveRay(picture1, h, radiusBase);
        radiusBase = static_cast<std::int16_t>(radiusBase + kWaveRadiusGrowth);
        waveRadiusBase = radiusBase;
        if (!Continue(yield)) return false;
    }
    for (float h = kFirstHeight; h <= kPaintLastHeight; h += kPaintHeightStep) {
        DrawRayOut(picture2, h);
        if (!Continue(yield)) return false;
    }
    return true;
}

bool StartIllustrations::DrawClickRays(Canvas &picture1, const Yield &yield)
{
    for (float h = kFirstHeight; h <= kClickLastHeight; h += kClickHeightStep) {
        StartTrace(picture1, h, kWaveFrontX);
        DrawChord(picture1);
        AdvancePosition();
        DrawChord(picture1);
        if (!Continue(yield)) return false;
    }
    return true;
}

} // namespace rb::tavrin
