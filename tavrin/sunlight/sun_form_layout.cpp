// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The sunlight window on its screen: 90 % of it, centred, in units of 4000
// across and 3000 down; the controls in a column on the left, the sky and the
// spectrum to the right of it.
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
constexpr double kColumnRight = 1000, kPicturesLeft = 1050, kPicturesWidth = 2925;
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
    Label2->setGeometry(left, y, right - left, 1);
    FitText(Label2);
    put(Label2, std::max(Label2->height(), 4 * Label2->fontMetrics().height()));
    Label3->setGeometry(left, y, right - left, 1);
    FitText(Label3);
    y += Label3->height() + gap;

    Place(Label4, kPicturesLeft, 25, kPicturesWidth, 100);
    Place(Picture1, kPicturesLeft, 140, kPicturesWidth, 1450);
    Place(Label5, kPicturesLeft, 1620, kPicturesWidth, 100);
    Place(Picture2, kPicturesLeft, 1735, kPicturesWidth, 1020);
    Place(Label6, kPicturesLeft, 2880, kPicturesWidth, 100);
    PlaceDegreeLabels();
    FreezeSize();
}

// The degree labels stand centred under their place on the spectrum's axis.
void SunForm::PlaceDegreeLabels()
{
    const double x0 = Picture2->x(), wPx = Picture2->width();
    const int top = Picture2->y() + Picture2->height() + 2;
    for (std::size_t i = 0; i < degreeLabels.size(); ++i) {
        QLabel *l = degreeLabels[i];
        l->adjustSize();
        const double deg = kFirstDeg + 5.0 * static_cast<double>(i);
        const double x = x0 + (deg - kFirstDeg) / (kLastDeg - kFirstDeg) * wPx;
        l->move(int(std::lround(x - l->width() / 2.0)), top);
    }
}

// One value per device pixel across the spectrum.
int SunForm::AnglePixels() const
{
    return std::max(64, int(std::lround(Picture2->width() * devicePixelRatioF())));
}

} // namespace rb::tavrin
