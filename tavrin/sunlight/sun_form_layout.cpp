// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The sunlight window on its screen: 90 % of it, centred, in units of 4000
// across and 3000 down; the controls in a column on the left, the sky and the
// spectrum and Lee's diagram to the right of it, one under the other on one
// angle axis, the diagram's diameters to its right.
#include "tavrin/sunlight/sun_form.h"

#include "common/widgets/controls.h"
#include "common/widgets/units.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace rb::tavrin {

namespace {

constexpr double kScreenShare = 0.9;
constexpr double kUnitsWide = 4000, kUnitsHigh = 3000;
constexpr double kColumnRight = 1000, kPicturesLeft = 1050, kPicturesWidth = 2780;
// The spectrum's angle axis.
constexpr double kFirstDeg = 35, kLastDeg = 57;

} // namespace

void SunForm::LayOut()
{
    const double screenW = ScreenWidthTwips(), screenH = ScreenHeightTwips();
    const double w = kScreenShare * screenW, h = kScreenShare * screenH;
    SetOuterGeometryTwips((screenW - w) / 2, (screenH - h) / 2, w, h);
    Scale(0, 0, kUnitsWide, kUnitsHigh);

    // The column runs down from the top, each control under the one before
    // at its own height, so it keeps its order on every screen and face.
    const int left = int(std::lround(Map().ToPixelX(25)));
    const int right = int(std::lround(Map().ToPixelX(kColumnRight)));
    const int gap = std::max(4, int(std::lround(TwipsToPixels(90))));
    int y = int(std::lround(Map().ToPixelY(25)));
    const auto put = [&](QWidget *w, int height, int x = -1, int width = -1) {
        w->setGeometry(x < 0 ? left : x, y, width < 0 ? right - left : width, height);
        y += height + gap;
    };
    put(Label1, Label1->sizeHint().height());
    const int barHeight = std::max(Text1->sizeHint().height(), HScroll1->sizeHint().height());
    const int textWidth = std::max(Text1->fontMetrics().horizontalAdvance(QStringLiteral("00000,0")) + 12,
                                   (right - left) / 4);
    HScroll1->setGeometry(left, y, right - left - textWidth - gap, barHeight);
    put(Text1, barHeight, right - textWidth, textWidth);
    put(Label7, Label7->sizeHint().height());
    HScroll2->setGeometry(left, y, right - left - textWidth - gap, barHeight);
    put(Text2, barHeight, right - textWidth, textWidth);
    // The options stand one under the other in their frames, the frames as
    // tall as their options need.
    for (QGroupBox *f : {Frame1, Frame2}) {
        int top = f->fontMetrics().height() + gap;
        for (QAbstractButton *o : f->findChildren<QAbstractButton *>()) {
            o->adjustSize();
            o->move(int(std::lround(TwipsToPixels(120))), top);
            top += o->height() + gap / 2;
        }
        f->setGeometry(left, y, right - left, top + gap / 2);
        FitFrame(f, right - left);
        y += f->height() + gap;
        if (f == Frame1) put(Check1, Check1->sizeHint().height());
    }
    put(Busy, std::max(6, gap * 2));
    // As tall as the longest summary it may show, so that none is cut off.
    const QString longest = SummaryText(BowTheory::WholeDrop, 99, 99'999'999, 99'999, 99);
    const int summaryHeight =
        Label2->fontMetrics().boundingRect(QRect(0, 0, right - left, 100000), Qt::TextWordWrap, longest).height();
    put(Label2, std::max(summaryHeight + 2, 4 * Label2->fontMetrics().height()));
    Label3->setGeometry(left, y, right - left, 1);
    FitText(Label3);
    y += Label3->height() + gap;
    Label9->setGeometry(left, y, right - left, 1);
    FitText(Label9);
    put(Label9, std::max(Label9->height(), 2 * Label9->fontMetrics().height()));
    put(Busy2, std::max(6, gap * 2));

    Place(Label4, kPicturesLeft, 25, kPicturesWidth, 100);
    Place(Picture1, kPicturesLeft, 130, kPicturesWidth, 760);
    Place(Label5, kPicturesLeft, 905, kPicturesWidth, 100);
    Place(Picture2, kPicturesLeft, 1015, kPicturesWidth, 600);
    Place(Label6, kPicturesLeft, 1700, kPicturesWidth, 100);
    Place(Label8, kPicturesLeft, 1815, kPicturesWidth, 100);
    Place(Picture3, kPicturesLeft, 1925, kPicturesWidth, 890);
    PlaceDegreeLabels();
    PlaceDiameterLabels();
    FreezeSize();
}

// The degree labels stand centred under their place on the axis of the
// spectrum and of Lee's diagram.
void SunForm::PlaceDegreeLabels()
{
    const double x0 = Picture2->x(), wPx = Picture2->width();
    const std::size_t perAxis = leeDegreeLabels.size();
    for (std::size_t i = 0; i < 2 * perAxis; ++i) {
        QLabel *l = i < perAxis ? degreeLabels[i] : leeDegreeLabels[i - perAxis];
        const QWidget *under = i < perAxis ? static_cast<QWidget *>(Picture2) : Picture3;
        l->adjustSize();
        const double deg = kFirstDeg + 5.0 * static_cast<double>(i % perAxis);
        const double x = x0 + (deg - kFirstDeg) / (kLastDeg - kFirstDeg) * wPx;
        l->move(int(std::lround(x - l->width() / 2.0)), under->y() + under->height() + 2);
    }
}

// The diameters stand to the right of Lee's diagram at their height on its
// logarithmic axis; the rows run half a row beyond the ends.
void SunForm::PlaceDiameterLabels()
{
    const double decades = std::log10(kLeeLargest / kLeeSmallest), half = decades / (kLeeRows - 1) / 2;
    for (QLabel *l : diameterLabels) {
        l->adjustSize();
        const double up = std::log10(l->text().toDouble() / kLeeSmallest) + half;
        const double y = Picture3->y() + Picture3->height() * (1 - up / (decades + 2 * half));
        l->move(Picture3->x() + Picture3->width() + 4, int(std::lround(y - l->height() / 2.0)));
    }
}

// One value per device pixel across the spectrum.
int SunForm::AnglePixels() const
{
    return std::max(64, int(std::lround(Picture2->width() * devicePixelRatioF())));
}

} // namespace rb::tavrin
