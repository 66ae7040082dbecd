// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/raymodel/model/ray_model.h"
#include "optics/drop_chord.h"
#include "optics/drop_ray.h"

#include <cmath>

namespace rb::tavrin {

void RayModel::SetRefractiveIndex()
{
    if (colourIndex < 1 || colourIndex > 3) return;
    const int column = colourIndex - 1;
    if (material == 0) refrIndex = kWaterIndex[column];
    else if (material == 1) refrIndex = kGlassBk7Index[column];
}

bool RayModel::Traceable() const
{
    return reflCount == 1 || reflCount == 2 || reflCount == 3 || reflCount == 5;
}

bool RayModel::TraceRay(Canvas &scene)
{
    if (!Traceable()) return false;
    const double b = curY;
    const double r = dropRadius;
    curX = optics::EntryX(r, b);
    TraceFromEntryPoint(scene);
    return true;
}

void RayModel::TraceFromEntryPoint(Canvas &scene)
{
    const double b = curY;
    scene.Line(-rayLength, b, curX, b, RayColor());

    // The entry point lies at distance R from the centre, so b / −curX is
    // tan α.
    incAngle = optics::IncidenceAngle(curX, b);
    sinRefr = optics::SinRefraction(incAngle, refrIndex);
    refrAngle = optics::RefractionAngle(sinRefr);
    posAngle = optics::EntryPosition(piValue, incAngle);

    const bool partial = showReflected == 1;
    if (partial) DrawOutgoingRay(scene); // reflected at the outer surface
    DrawChord(scene);
    for (int i = 0; i < reflCount; ++i) {
        AdvancePosition();
        if (partial) DrawOutgoingRay(scene); // the part that leaves here
        DrawChord(scene);
    }
    AdvancePosition();
    DrawOutgoingRay(scene);
    scatterAngle = ScatterAngle();
}

// The far end of a chord lies 2β − π further round the circle.
void RayModel::AdvancePosition() { posAngle = optics::NextPosition(posAngle, piValue, refrAngle); }

void RayModel::DrawChord(Canvas &scene)
{
    const optics::Chord c = optics::ChordFrom(curX, curY, piValue + posAngle + refrAngle);
    dirSin = c.dirSin;
    dirCos = c.dirCos;
    nextX = c.nextX;
    nextY = c.nextY;
    scene.Line(curX, curY, nextX, nextY, RayColor());
    curX = nextX;
    curY = nextY;
}

void RayModel::DrawOutgoingRay(Canvas &scene)
{
    const double theta = optics::ExitDirection(posAngle, incAngle);
    dirSin = std::sin(theta);
    dirCos = std::cos(theta);
    scene.Line(curX, curY, curX + rayLength * dirCos, curY + rayLength * dirSin, RayColor());
}

double RayModel::ScatterAngle() const
{
    const double a = incAngle;
    const double b = refrAngle;
    switch (reflCount) {
    case 1:
        return 180 * (2 * a - 4 * b) / piValue;
    case 2:
        return 180 * (piValue + 2 * a - 6 * b) / piValue;
    case 3:
        return 180 * (piValue + 2 * a - 8 * b) / piValue;
    case 5:
        return std::fabs(360 - 180 * std::fabs(2 * a - 12 * b) / piValue);
    default:
        return scatterAngle;
    }
}

} // namespace rb::tavrin
