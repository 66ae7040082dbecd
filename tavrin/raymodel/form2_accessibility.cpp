// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The ray-model window for screen readers and the keyboard: names for the
// controls that have no caption of their own, the scene and the strip told
// in words, with the numbers they show, after every ray and every sweep, and
// the scene's keys.
#include "tavrin/raymodel/form2.h"

#include "common/widgets/number_text.h"

#include <QLabel>
#include <cmath>

namespace rb::tavrin {

namespace {
// The strip shows the angles between its bottom and top edges.
constexpr double kStripLowest = (kStripZeroY - 1000) / kStripScale;
constexpr double kStripHighest = kStripZeroY / kStripScale;
} // namespace

void form2::StripTally::Add(double angle)
{
    if (!(angle >= kStripLowest && angle <= kStripHighest)) return;
    low = marks == 0 ? angle : std::min(low, angle);
    high = marks == 0 ? angle : std::max(high, angle);
    ++marks;
}

void form2::NameControls()
{
    Picture1->setAccessibleName(tr("Winkelstreifen"));
    Picture2->setAccessibleName(tr("Gradskala"));
    Picture3->setAccessibleName(tr("Tropfen und Strahlen"));
    Picture2->setAccessibleDescription(tr("Streuwinkel von 30° unten bis 60° oben"));
    Picture3->TakeKeyboardFocus();
    Picture3->SetMarker(Picture::Marker::Height, 0, keyHeight_);
    Picture3->setToolTip(tr("Tastatur: Pfeil auf/ab verschiebt die markierte Höhe, Bild auf/ab in großen "
                            "Schritten; Eingabe zeichnet dort einen Strahl; mit Umschalt zeichnet jeder "
                            "Schritt einen Strahl."));
}

void form2::NoteRay(bool byHand, double impact)
{
    ++sceneTally_.rays;
    sceneTally_.lastByHand = byHand;
    sceneTally_.lastImpact = impact;
    sceneTally_.lastAngle = model.scatterAngle;
    stripTally_.Add(model.scatterAngle);
}

void form2::DescribePictures()
{
    const SceneTally &s = sceneTally_;
    QString scene = tr("Tropfen, innere Reflexionen: %1; ").arg(model.reflCount);
    if (s.rays == 0)
        scene += tr("keine Strahlen");
    else if (s.lastByHand)
        scene += tr("%n Strahlen, zuletzt bei Stoßparameter %1 mit Streuwinkel %2°", nullptr, s.rays)
                     .arg(NumberText(std::round(s.lastImpact)), HundredthsText(s.lastAngle));
    else
        scene += tr("%n Strahlen, zuletzt mit Streuwinkel %1°", nullptr, s.rays).arg(HundredthsText(s.lastAngle));
    Picture3->setAccessibleDescription(scene);

    const StripTally &t = stripTally_;
    Picture1->setAccessibleDescription((t.marks == 0 ? tr("Streuwinkel 30° bis 60°: keine Marken")
                                                     : tr("Streuwinkel 30° bis 60°: %n Marken von %1° bis %2°", nullptr,
                                                          t.marks)
                                                           .arg(HundredthsText(t.low), HundredthsText(t.high))) +
                                       DescartesDescription());
}

} // namespace rb::tavrin
