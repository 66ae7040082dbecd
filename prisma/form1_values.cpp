// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// The numbers on prisma's plot, for a class that should not have to count
// grid lines: with "Werte" on, the lowest point of the curve is ringed and
// its values stand beside it, "D_min = 37,18° bei i = 48,59°". Off at the
// start, so the plot is as it always was.
#include "prisma/form1.h"

#include "common/widgets/values_box.h"
#include "common/widgets/controls.h"
#include "common/widgets/number_text.h"
#include "prisma/model/deviation_plot.h"
#include "prisma/model/minimum_deviation.h"

#include <QCheckBox>
#include <QLabel>
#include <cmath>

namespace rb::prisma {

namespace {
// The plot's y of 0° deviation and its units per degree (deviation_plot.h).
constexpr double kBaseY = 1000, kPerDegree = 10;
// The ring around the minimum, in plot units, and the label's distance
// from the ring's edge in pixels.
constexpr double kRing = 12;
constexpr int kLabelGap = 6;
} // namespace

void Form1::MakeValuesBox()
{
    Check1 = rb::MakeValuesBox(this, font());
    Check1->adjustSize();
    Label11 = MakeValueLabel(Picture1, {9.75, true});
    connect(Check1, &QCheckBox::clicked, this, &Form1::Check1_Click);
}

void Form1::Check1_Click()
{
    Picture1->Cls();
    DrawPlot();
    DescribePlot();
}

bool Form1::ShowsValues() const { return Check1->isChecked(); }

std::optional<DeviationMinimum> Form1::MarkedMinimum() const
{
    if (!ShowsValues()) return std::nullopt;
    return MinimumDeviation(apexAngle, refrIndex, piValue);
}

QString Form1::MinimumText(const DeviationMinimum &m)
{
    return tr("D_min = %1° bei i = %2°").arg(HundredthsText(m.deviation), HundredthsText(m.incidence));
}

void Form1::DrawPlot()
{
    DrawDeviationPlot(*Picture1, apexAngle, refrIndex, piValue);
    const auto m = MarkedMinimum();
    Label11->setVisible(bool(m));
    if (!m) return;
    const double x = kPerDegree * m->incidence, y = kBaseY - kPerDegree * m->deviation;
    Picture1->SetDrawWidth(2);
    Picture1->Circle(x, y, kRing, RGB(200, 0, 0));
    Picture1->SetDrawWidth(1);
    // Below and right of the ring, where the curve has risen away from its
    // minimum on either side; left of it when the plot's edge is near.
    Label11->setText(MinimumText(*m));
    Label11->adjustSize();
    const ScaleMap map = Picture1->Map();
    const int ring = int(std::ceil(kRing * std::fabs(map.PixelsPerUnitX())));
    int left = int(std::lround(map.ToPixelX(x))) + ring + kLabelGap;
    if (left + Label11->width() > Picture1->width()) left = int(std::lround(map.ToPixelX(x))) - ring - kLabelGap - Label11->width();
    Label11->move(left, int(std::lround(map.ToPixelY(y))) + ring + kLabelGap);
}

} // namespace rb::prisma
