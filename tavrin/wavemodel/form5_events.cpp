// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// What the wave model's buttons, options, pictures and scroll bar do.
#include "tavrin/wavemodel/form5.h"

#include "common/export/window_saver.h"
#include "common/widgets/controls.h"
#include "common/widgets/event_loop.h"
#include "common/widgets/fonts.h"
#include "common/widgets/number_text.h"
#include "common/widgets/units.h"
#include "common/widgets/vector_state.h"
#include "tavrin/wavemodel/form5_design.h"
#include "tavrin/wavemodel/model/airy_theory.h"
#include "tavrin/wavemodel/model/angle_scale.h"
#include "tavrin/wavemodel/model/wave_fan.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace rb::tavrin {

using namespace wave_window;

// --- events ---------------------------------------------------------------

void Form5::Form_Paint() { DrawAngleScale(*Picture2, model.piValue); }

template <typename Run> void Form5::RunCounted(Run run)
{
    nesting_.Enter();
    const RunEnd end = run();
    WriteAngle();
    nesting_.Leave(end == RunEnd::Completed);
}

void Form5::Command1_Click()
{
    Picture4->Cls();
    Picture1->Cls();
    record = {};
    Picture3->Cls();
    for (QLabel *l : DescartesLabels()) l->hide();
    model.stopRequest = true;
    shown_ = {};
    DescribePictures();
}

void Form5::Command2_Click()
{
    if (!nesting_.MayStart([this] { Command2_Click(); })) return;
    record.lastSweepFrom = record.bars.size();
    shown_.c = shown_.s = std::nan(""); // until a run reports its sum
    const bool figures = model.drawFigures;
    const unsigned mieBefore = mieGeneration_;
    RunCounted([this] { return runs_->AutomaticSweep(); });
    MieAfterSweep(mieBefore);
    if (figures) {
        shown_.figures = Figures::Sweep;
        shown_.singleRays = 0;
    }
    DescribePictures();
}

void Form5::Command3_Click()
{
    emit StartRequested();
}

void Form5::Picture4_MouseDown(int button, int shift, double x, double y)
{
    if (!nesting_.MayStart([this, button, shift, x, y] { Picture4_MouseDown(button, shift, x, y); })) return;
    const bool figures = model.drawFigures;
    shown_.c = shown_.s = std::nan(""); // until a run reports its sum
    RunCounted([this, x, y] { return runs_->ObservationPointByHand(x, y); });
    shown_.figures = figures ? Figures::ByHand : Figures::OriginOnly;
    shown_.pointX = x;
    shown_.pointY = y;
    if (figures) shown_.singleRays = 0;
    DescribePictures();
}

// The arrows move the marked point by a hundredth of Bild II's width, with
// Shift by a tenth of that; Enter (or Space) runs the point as a click would.
void Form5::Picture4_KeyDown(int key, int shift)
{
    const double step = std::fabs(Picture4->ScaleWidth()) / ((shift & kShift) ? 1000 : 100);
    double dx = 0, dy = 0;
    switch (key) {
    case Qt::Key_Left: dx = -step; break;
    case Qt::Key_Right: dx = step; break;
    case Qt::Key_Up: dy = step; break; // y grows upwards in Bild II
    case Qt::Key_Down: dy = -step; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: Picture4_MouseDown(kLeftButton, shift, keyX_, keyY_); return;
    default: return;
    }
    const double left = Picture4->ScaleLeft(), right = left + Picture4->ScaleWidth();
    const double top = Picture4->ScaleTop(), bottom = top + Picture4->ScaleHeight();
    keyX_ = std::clamp(keyX_ + dx, std::min(left, right), std::max(left, right));
    keyY_ = std::clamp(keyY_ + dy, std::min(top, bottom), std::max(top, bottom));
    Picture4->SetMarker(Picture::Marker::Point, keyX_, keyY_);
}

void Form5::Form_MouseDown(int button, int, double x, double y)
{
    if (runs_->SingleRay(x, y, button) && model.drawFigures) {
        ++shown_.singleRays;
        DescribePictures();
    }
}

void Form5::Option3D1_Click() { model.SelectColour(WaveColour::Red); }
void Form5::Option3D2_Click() { model.SelectColour(WaveColour::Green); }
void Form5::Option3D3_Click() { model.SelectColour(WaveColour::Blue); }
void Form5::Option3D4_Click() { model.drawFigures = true; }
void Form5::Option3D5_Click() { model.drawFigures = false; }
void Form5::Option3D6_Click() { model.SelectPhasorModel(PhasorModel::Fan321); }
void Form5::Option3D7_Click() { model.SelectPhasorModel(PhasorModel::WholeDrop); }

void Form5::Check1_Click()
{
    model.showTheory = Check1->isChecked();
    if (model.showTheory) runs_->DrawTheory();
}

void Form5::VScroll1_Change()
{
    model.SetDiameter(VScroll1->value());
    text1->setText(QString::number(model.diameterValue));
}

} // namespace rb::tavrin
