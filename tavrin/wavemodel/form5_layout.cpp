// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The wave model's window laid out on its screen: its share of the screen,
// the left column, the pictures' scales and the labels on them.
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
#include <QComboBox>
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

namespace {

void Apply(Picture *p, const DesignBox &s) { p->Scale(s.left, s.top, s.width, s.height); }

// Controls inside a picture stand at a place in the picture's own units, so
// they keep their place on the drawing on every screen; their size is that
// of their text (given in 1/1440 inch, grown until the text fits).
void PlaceInPicture(Picture *p, QWidget *c, double left, double top, double widthTwips,
                    double heightTwips)
{
    p->Move(c, left, top);
    c->resize(std::max(1, int(std::lround(TwipsToPixels(widthTwips)))),
              std::max(1, int(std::lround(TwipsToPixels(heightTwips)))));
    FitText(c);
}

// A control at a fixed place from its picture's top-left corner, in 1/1440
// inch like a control in a frame; it grows until its text fits.
void PlaceFromCorner(QWidget *c, double left, double top, double width, double height)
{
    PlaceTwips(c, left, top, width, height);
    FitText(c);
}

} // namespace

// The window takes its share of the screen with its frame, centred on it.
void Form5::LayOut()
{
    const double screenW = ScreenWidthTwips(), screenH = ScreenHeightTwips();
    const double w = kScreenShare * screenW, h = kScreenShare * screenH;
    SetOuterGeometryTwips((screenW - w) / 2, (screenH - h) / 2, w, h);
    Scale(0, 0, kWindowScaleWidth, kWindowScaleHeight);
    PlaceColumn();
    Place(Picture3, 450, 25, 1200, 1200);
    Place(Picture4, 1675, 25, 2300, 1200);
    Place(Picture1, 450, 1250, 3525, 1575);
    Place(Picture2, 450, 2775, 3525, 200);
    ScalePictures();
    PlacePictureLabels();
    PlaceOpticsFrame();
    MoveDegreeLabels();
    FreezeSize();
    DescribePictures();
}

void Form5::PlaceColumn()
{
    Place(Command1, 25, 25, 400, 150);
    Place(Command3, 25, 200, 400, 150);
    Place(Command2, 25, 375, 400, 150);
    // The colour and figure frames end just below their options, which
    // leaves room for the phasor-model frame above the diameter.
    Place(Frame3D1, 25, 575, 400, 380);
    Place(Frame3D2, 25, 1000, 400, 280);
    Place(Frame3D3, 25, 1325, 400, 400);
    Place(Label5, 25, 1750, 400, 80);
    Place(Label6, 25, 1830, 400, 80);
    Place(VScroll1, 25, 1955, 180, 600);
    Place(text1, 230, 2200, 200, 180);
    Place(Combo1, 25, 2800, 400, 150);
    Place(Command4, 25, 2600, 400, 150);
    // Texts grow to show whole, but not out of the column.
    const int right = int(std::lround(Map().ToPixelX(kColumnRight)));
    for (QWidget *w : std::initializer_list<QWidget *>{Command1, Command3, Command2, Command4, Label5, Label6})
        FitTextInColumn(w, right);
    // The phasor model's options are laid out at their text's width.
    for (QWidget *w : std::initializer_list<QWidget *>{Option3D6, Option3D7, Check1}) FitText(w);
    // A frame whose options need more than the column (on a 1024 × 768
    // screen "ganzer Tropfen", or a colour in English) reaches into the free
    // gap before Bild I, and no further.
    const int gapEnd = int(std::lround(Map().ToPixelX(kPhasorFrameMaxRight)));
    for (QGroupBox *f : {Frame3D1, Frame3D2, Frame3D3}) {
        int need = f->width();
        for (const QAbstractButton *o : f->findChildren<QAbstractButton *>())
            need = std::max(need, o->x() + o->sizeHint().width() + kOptionMargin);
        f->resize(std::min(need, gapEnd - f->x()), f->height());
        FitFrame(f, std::max(right - f->x(), f->width()));
    }
    FitText(text1);
}

void Form5::ScalePictures()
{
    Apply(Picture3, kBild1);
    Apply(Picture1, kBild3);
    Apply(Picture2, kScaleBar);
    Apply(Picture4, kBild2);
}

void Form5::PlacePictureLabels()
{
    PlaceInPicture(Picture3, Label7, kBild1.left, kBild1.top, 4335, 255);
    PlaceInPicture(Picture4, Label8, kBild2.left, kBild2.top, 7455, 1215);
    // The help text of Bild II ends left of where the incoming rays are drawn
    // from, so no ray runs through it; on a small screen it wraps once more.
    const int raysFrom = int(Picture4->Map().ToPixelX(kHelpTextRight));
    if (Label8->x() + Label8->width() > raysFrom) {
        Label8->resize(raysFrom - Label8->x(), Label8->height());
        FitText(Label8);
    }
    PlaceFromCorner(Label9, 120, 0, 11175, 255);
    // Descartes' line stops a pixel below the caption, which it would strike through.
    runs_->SetDescartesLineTop(Picture1->Map().ToUserY(Label9->geometry().bottom() + 2));
    // The readout near the foot of Bild II: the angle, then what it is the
    // angle of.
    Text2->setText(NumberText(44.71) + QStringLiteral("°")); // as wide as any readout
    PlaceFromCorner(Text2, 4440, 3840, 735, 375);
    Text2->setText(tr("Text2"));
    PlaceFromCorner(Label12, 5280, 3840, 2775, 375);
}

void Form5::MoveDegreeLabels()
{
    // Each label's left edge stands at the long mark of its angle; its top
    // keeps its place, 240/1440 inch below the scale's top edge.
    constexpr double kLabelTopTwips = 240;
    const struct {
        QLabel *label;
        double degrees;
        double widthTwips;
    } labels[] = {{Label10, 44, 735}, {Label1, 43, 855}, {Label2, 42, 855},
                  {Label3, 41, 615},  {Label4, 40, 855}, {Label11, 39, 735}};
    for (const auto &l : labels) {
        PlaceFromCorner(l.label, 0, kLabelTopTwips, l.widthTwips, 375);
        l.label->move(int(std::lround(Picture2->Map().ToPixelX(AngleScaleX(l.degrees, model.piValue)))),
                      l.label->y());
    }
}

} // namespace rb::tavrin
