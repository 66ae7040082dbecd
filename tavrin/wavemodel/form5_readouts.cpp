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

void Form5::RememberBar(double x, double amplitude, double top)
{
    record.AddBar({.angle = AngleScaleDegrees(x, model.piValue),
                   .amplitude = amplitude,
                   .colour = model.RayColor(),
                   .diameter = model.diameterValue,
                   .model = PhasorModelName(),
                   .polarisation = PolarisationName(),
                   .outerReflection = model.outerReflection,
                   .x = x,
                   .top = top});
}

QString Form5::PhasorModelName() const
{
    return model.phasorModel == PhasorModel::WholeDrop ? Option3D7->text() : Option3D6->text();
}

void Form5::RememberTheory(const AiryBow &bow, double peakAmplitude)
{
    // Sampled where the sweep puts its bars, so each bar has its theory
    // value in the same row of a spreadsheet.
    // The curve is drawn again whenever the theory is switched on or a
    // sweep ends; the table keeps each curve once, as drawn last. Its
    // colour is the light's, so curves of different colours tell apart.
    const QString name = tr("Airy-Theorie"), polarisation = PolarisationName();
    const Color colour = model.RayColor();
    const int diameter = model.diameterValue;
    const bool outer = model.outerReflection;
    const QString scaledTo = PhasorModelName();
    std::vector<WaveCurvePoint> &theory = record.theory;
    std::erase_if(theory, [&](const WaveCurvePoint &p) {
        return p.colour == colour && p.diameter == diameter && p.model == name && p.polarisation == polarisation &&
               p.outerReflection == outer && p.scaledTo == scaledTo;
    });
    for (double x = kObsFirst; x <= kObsLast && theory.size() < WaveRecord::kMaxBars; x += kObsStep)
        theory.push_back({AngleScaleDegrees(x, model.piValue), peakAmplitude * bow.Relative(AngleAtScaleX(x)),
                          colour, diameter, name, polarisation, outer, scaledTo});
}

WaveRunHooks Form5::RunHooks()
{
    return {.DoEvents = [this] { return YieldToEvents(); },
            .ShowAngle = [this](double degrees) { ShowAngle(degrees); },
            .ShowReadout = [this](bool visible) { ShowReadout(visible); },
            .Wait = [](int ms) { return WaitEvents(ms); },
            .ShowDescartes = [this](WaveColour c, double degrees, double x) { ShowDescartes(c, degrees, x); },
            .BarDrawn = [this](double x, double amplitude, double top) { RememberBar(x, amplitude, top); },
            .TheoryDrawn = [this](const AiryBow &bow, double peak) { RememberTheory(bow, peak); },
            .ChainSummed =
                [this](double c, double s) {
                    shown_.c = c;
                    shown_.s = s;
                }};
}

// The runs yield after every ray. With the figures off a ray takes about
// 0.2 µs and draws nothing, and the event loop is looked at only once per
// 1 to 4 ms tick of its clock anyway: asking after every ray whether the tick
// has come cost about a tenth of the sweep. Then every 16th yield asks, a
// few microseconds apart. A stop still takes effect before the next ray, as
// events, and with them a stop or the end of the program, only ever run
// inside DoEvents.
bool Form5::YieldToEvents()
{
    constexpr unsigned kUndrawnYieldsPerLook = 16;
    if (!model.drawFigures && ++undrawnYields_ % kUndrawnYieldsPerLook != 0) return !EndRequested();
    return DoEvents();
}

void Form5::ShowAngle(double degrees)
{
    shown_.angle = degrees;
    angleDue_ = degrees;
    // With the figures on, each position is drawn over many frames and
    // shows its angle at once. With them off, a sweep runs through its
    // positions many to a frame, and laying out Text2 for every one of them
    // cost a twentieth of the sweep for texts no screen showed: Text2 then
    // gets the latest angle at the next pass of the event loop, when it can
    // be painted, and at the end of the run.
    if (model.drawFigures)
        WriteAngle();
    else
        angleWrite_.Request();
}

void Form5::WriteAngle()
{
    if (!angleDue_) return;
    Text2->setText(NumberText(*angleDue_) + QStringLiteral("°"));
    angleDue_.reset();
    // The text layout may leave the vector unit in its slow state; the next
    // ray's maths should not pay for it.
    ClearUpperVectorState();
}

void Form5::ShowReadout(bool visible)
{
    Text2->setVisible(visible);
    Label12->setVisible(visible);
}

std::vector<QLabel *> Form5::DescartesLabels() const
{
    std::vector<QLabel *> all{Label13, Label14, Label15};
    all.insert(all.end(), moreDescartes_.begin(), moreDescartes_.end());
    return all;
}

void Form5::ShowDescartes(WaveColour colour, double degrees, double x)
{
    // Every line drawn since "cls" keeps its label: a second line of the
    // same colour (the colour chosen again, so the fan's index is the
    // colour's own and no longer 1.33) gets a row of its own rather than
    // taking the first line's label away. Each label stands just right of
    // its line; the first of each colour in that colour's row.
    const QString text = tr("Descartes-Winkel %1°").arg(NumberText(degrees));
    const Color c = TheoryColour(colour);
    const int colourRow = colour == WaveColour::Red ? 0 : colour == WaveColour::Green ? 1 : 2;
    const std::vector<QLabel *> all = DescartesLabels();
    for (QLabel *l : all)
        if (l->isVisible() && l->text() == text && l->property("descartesColour").toUInt() == c) return;
    int row = colourRow;
    if (all[std::size_t(row)]->isVisible()) {
        row = 3;
        while (std::size_t(row) < all.size() && all[std::size_t(row)]->isVisible()) ++row;
        if (std::size_t(row) == all.size()) {
            moreDescartes_.push_back(MakeClearLabel(Picture1, QString(), kControlFont));
            moreDescartes_.back()->setWordWrap(false);
        }
    }
    QLabel *label = DescartesLabels()[std::size_t(row)];
    label->setProperty("descartesColour", QVariant::fromValue(c));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(RedOf(c), GreenOf(c), BlueOf(c)));
    label->setPalette(pal);
    label->setText(text);
    label->adjustSize();
    const ScaleMap m = Picture1->Map();
    constexpr double kFirstRowY = 1850;
    label->move(int(m.ToPixelX(x)) + 4, int(m.ToPixelY(kFirstRowY)) + row * label->height());
    label->show();
    ShowValues(); // the values keep clear of the new label
}

} // namespace rb::tavrin
