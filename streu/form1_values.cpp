// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// The numbers on streu's plot: with "Werte" on, the curve's turning point,
// where neighbouring rays leave together and the bow is, is ringed and its
// direction written beside it. Off at the start, so the plot is as it was.
#include "streu/form1.h"

#include "common/widgets/values_box.h"
#include "common/widgets/controls.h"
#include "common/widgets/number_text.h"
#include "streu/model/rainbow_ray.h"
#include "streu/model/scatter_plot.h"

#include <QCheckBox>
#include <QLabel>
#include <cmath>

namespace rb::streu {

namespace {
// The plot's y of 0° and its units per degree (scatter_plot.h).
constexpr double kBaseY = 3700, kPerDegree = 10, kPerImpact = 1000;
// The ring's radius in pixels and the label's gap from it.
constexpr int kRingPixels = 7, kLabelGap = 5;
// The neighbours that tell a lowest from a highest point, in drop radii.
constexpr double kNeighbour = 0.01;
} // namespace

void Form1::MakeValuesBox()
{
    Check1 = rb::MakeValuesBox(this, font());
    Check1->adjustSize();
    Label10 = MakeValueLabel(Picture1, {9.75, true});
    connect(Check1, &QCheckBox::clicked, this, [this] {
        Picture1_Paint();
        DescribePlot();
    });
}

bool Form1::ShowsValues() const { return Check1->isChecked(); }

std::optional<TurningPoint> Form1::MarkedTurningPoint() const
{
    if (!ShowsValues()) return std::nullopt;
    const auto b = RainbowImpact(reflCount, refrIndex);
    if (!b) return std::nullopt;
    return TurningPoint{*b, ScatterDirection(*b, reflCount, refrIndex, piValue)};
}

QString Form1::TurningText(const TurningPoint &t)
{
    return tr("Umkehrpunkt %1° bei b = %2").arg(HundredthsText(t.direction), NumberText(std::round(t.impact * 1000) / 1000));
}

void Form1::DrawValues()
{
    const auto t = MarkedTurningPoint();
    Label10->setVisible(bool(t));
    if (!t) return;
    const ScaleMap map = Picture1->Map();
    const double x = kPerImpact * t->impact, y = kBaseY - kPerDegree * t->direction;
    Picture1->SetDrawWidth(2);
    Picture1->Circle(x, y, kRingPixels / std::fabs(map.PixelsPerUnitX()), RGB(200, 0, 0));
    Picture1->SetDrawWidth(1);
    // On the side the curve turns away from: under a lowest point, over a
    // highest; right of the ring, left of it near the plot's right edge.
    const double before = ScatterDirection(t->impact - kNeighbour, reflCount, refrIndex, piValue);
    const bool lowest = before > t->direction;
    Label10->setText(TurningText(*t));
    Label10->adjustSize();
    const int px = int(std::lround(map.ToPixelX(x))), py = int(std::lround(map.ToPixelY(y)));
    int left = px + kRingPixels + kLabelGap;
    if (left + Label10->width() > Picture1->width()) left = px - kRingPixels - kLabelGap - Label10->width();
    const int top = lowest ? py + kRingPixels + kLabelGap : py - kRingPixels - kLabelGap - Label10->height();
    Label10->move(left, top);
}

} // namespace rb::streu
