// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// What the wave window keeps of the runs and shows beside them: the bars and
// Airy's curve for the table, the picture state for screen readers, the
// angle, the phasor sum's readout and Descartes' angle.
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

void Form5::RememberBar(double x, double amplitude)
{
    if (bars.size() >= kMaxBars) return;
    bars.push_back({AngleScaleDegrees(x, model.piValue), amplitude, model.RayColor(), model.diameterValue,
                    PhasorModelName()});
}

QString Form5::PhasorModelName() const
{
    return model.phasorModel == PhasorModel::WholeDrop ? Option3D7->text() : Option3D6->text();
}

void Form5::RememberTheory(const AiryBow &bow, double peakAmplitude)
{
    // Sampled where the sweep puts its bars, so each bar has its theory
    // value in the same row of a spreadsheet.
    const QString name = tr("Airy-Theorie");
    for (double x = kObsFirst; x <= kObsLast && theory.size() < kMaxBars; x += kObsStep)
        theory.push_back({AngleScaleDegrees(x, model.piValue), peakAmplitude * bow.Relative(AngleAtScaleX(x)),
                          TheoryColour(model.colour), model.diameterValue, name});
}

WaveRunHooks Form5::RunHooks()
{
    return {.DoEvents = [] { return DoEvents(); },
            .ShowAngle = [this](double degrees) { ShowAngle(degrees); },
            .ShowReadout = [this](bool visible) { ShowReadout(visible); },
            .Wait = [](int ms) { return WaitEvents(ms); },
            .ShowDescartes = [this](WaveColour c, double degrees, double x) { ShowDescartes(c, degrees, x); },
            .BarDrawn =
                [this](double x, double amplitude) {
                    RememberBar(x, amplitude);
                    shown_.bars.push_back({x, amplitude});
                },
            .TheoryDrawn = [this](const AiryBow &bow, double peak) { RememberTheory(bow, peak); },
            .ChainSummed =
                [this](double c, double s) {
                    shown_.c = c;
                    shown_.s = s;
                }};
}

void Form5::ShowAngle(double degrees)
{
    shown_.angle = degrees;
    Text2->setText(NumberText(degrees) + QStringLiteral("°"));
    // The text layout may leave the vector unit in its slow state; the next
    // ray's maths should not pay for it.
    ClearUpperVectorState();
}

void Form5::ShowReadout(bool visible)
{
    Text2->setVisible(visible);
    Label12->setVisible(visible);
}

void Form5::ShowDescartes(WaveColour colour, double degrees, double x)
{
    // One label per colour, each a line lower, so three colours' values
    // stand apart; each just right of its line.
    QLabel *label = colour == WaveColour::Red ? Label13 : colour == WaveColour::Green ? Label14 : Label15;
    const int row = colour == WaveColour::Red ? 0 : colour == WaveColour::Green ? 1 : 2;
    const Color c = TheoryColour(colour);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(RedOf(c), GreenOf(c), BlueOf(c)));
    label->setPalette(pal);
    label->setText(tr("Descartes-Winkel %1°").arg(NumberText(degrees)));
    label->adjustSize();
    const ScaleMap m = Picture1->Map();
    constexpr double kFirstRowY = 1850;
    label->move(int(m.ToPixelX(x)) + 4, int(m.ToPixelY(kFirstRowY)) + row * label->height());
    label->show();
}

} // namespace rb::tavrin
