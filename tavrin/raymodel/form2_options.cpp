// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// What the ray model's buttons and options do.
#include "tavrin/raymodel/form2.h"

#include "common/widgets/event_loop.h"
#include "tavrin/raymodel/form2_design.h"

#include <QLabel>

namespace rb::tavrin {

using namespace ray_window;

// --- window and buttons -----------------------------------------------------

void form2::Form_Unload() { End(); }

void form2::Command4_Click()
{
    emit StartRequested();
    hide();
}

void form2::ClearScene()
{
    Picture3->Cls();
    model.DrawDropOutline(*Picture3);
    sceneTally_ = {};
    DescribePictures();
}

void form2::Command2_Click()
{
    ClearScene();
    model.DrawAngleTicks(*Picture1);
    Label6->setVisible(true);
}

void form2::Command3_Click()
{
    Picture1->Cls();
    model.stripMarks.clear();
    model.DrawAngleTicks(*Picture1);
    stripTally_ = {};
    DescribePictures();
}

// --- options ------------------------------------------------------------------

void form2::SetReflCount(std::int16_t k)
{
    model.reflCount = k;
    ClearScene();
}

void form2::Option1_Click() { SetReflCount(1); }
void form2::Option2_Click() { SetReflCount(2); }
void form2::Option6_Click() { SetReflCount(3); }
void form2::Option7_Click() { SetReflCount(5); }

void form2::SetShowReflected(std::int16_t on)
{
    model.showReflected = on;
    ClearScene();
}

void form2::Option8_Click() { SetShowReflected(1); }
void form2::Option9_Click() { SetShowReflected(2); }

// Colour and material take effect with the next ray; the rays already drawn
// keep their colours.
void form2::SetRayColour(std::int16_t r, std::int16_t g, std::int16_t b, std::int16_t index)
{
    model.rayRed = r;
    model.rayGreen = g;
    model.rayBlue = b;
    model.colourIndex = index;
}

void form2::Option3_Click() { SetRayColour(255, 0, 0, 1); }
void form2::Option4_Click() { SetRayColour(0, 255, 0, 2); }
void form2::Option5_Click() { SetRayColour(0, 0, 255, 3); }
void form2::Option13_Click() { model.material = 0; }
void form2::Option14_Click() { model.material = 1; }

void form2::Option10_Click()
{
    ScaleScene(1);
    ClearScene();
    model.rayLength = kDetailRayLength;
}

void form2::Option11_Click()
{
    ScaleScene(kOverviewFactor);
    ClearScene();
    model.rayLength = kOverviewRayLength;
}

} // namespace rb::tavrin
