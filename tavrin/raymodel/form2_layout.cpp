// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The ray model's window laid out on its screen: its share of the screen,
// the frames and their contents, the three pictures and their scales.
#include "tavrin/raymodel/form2.h"

#include "common/widgets/controls.h"
#include "common/widgets/units.h"
#include "tavrin/raymodel/form2_design.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace rb::tavrin {

using namespace ray_window;

namespace {

void PlaceInFrame(QWidget *w, const DesignBox &b)
{
    PlaceBox(w, b);
    FitText(w);
}

// A control in a picture, in the picture's units. The lowest degree label's
// box reaches below the strip; it ends at the picture's edge, its text is
// well above it.
void PlaceOn(const Picture *p, QWidget *w, const DesignBox &b)
{
    p->Place(w, b.left, b.top, b.width, b.height);
    FitText(w);
    w->setGeometry(w->geometry().intersected(p->rect()));
}

} // namespace

// The window takes its share of the screen with its frame, and is centred.
void form2::LayOut()
{
    const double screenW = ScreenWidthTwips(), screenH = ScreenHeightTwips();
    SetOuterGeometryTwips(LeftTwips(), TopTwips(), kScreenShare * screenW, kScreenShare * screenH);
    FreezeSize();
    Scale(kWindowLeft, kWindowTop, kWindowWidth, kWindowHeight);
    PlaceFrames();
    PlacePictures();
    MoveTwips((screenW - OuterWidthTwips()) / 2, (screenH - OuterHeightTwips()) / 2);
    // Laid out again once shown: the pictures have new images to draw on.
    // A new zoom keeps what they show.
    if (isVisible() && !HeldForZoom()) DrawFresh();
}

void form2::DrawFresh()
{
    Picture3->Cls();
    model.DrawDropOutline(*Picture3);
    Label6->setVisible(true);
    Picture1->Cls();
    model.stripMarks.clear();
    model.DrawAngleTicks(*Picture1);
    sceneTally_ = {};
    stripTally_ = {};
    DescribePictures();
}

void form2::PlaceFrames()
{
    const auto place = [this](QWidget *w, const DesignBox &b) { Place(w, b.left, b.top, b.width, b.height); };
    place(Command4, kCommand4);
    FitText(Command4);
    place(Frame3D2, kFrame3D2);
    place(Frame3D1, kFrame3D1);
    place(Frame3D3, kFrame3D3);
    place(Frame3D4, kFrame3D4);
    place(Frame3D5, kFrame3D5);
    place(Frame3D6, kFrame3D6);

    PlaceInFrame(Option3, kOption3);
    PlaceInFrame(Option4, kOption4);
    PlaceInFrame(Option5, kOption5);
    PlaceInFrame(Option1, kOption1);
    PlaceInFrame(Option2, kOption2);
    PlaceInFrame(Option6, kOption6);
    PlaceInFrame(Option7, kOption7);
    PlaceInFrame(Option8, kOption8);
    PlaceInFrame(Option9, kOption9);
    PlaceInFrame(Option10, kOption10);
    PlaceInFrame(Option11, kOption11);
    PlaceInFrame(Label5, kLabel5);
    PlaceInFrame(Command6, kCommand6);
    PlaceInFrame(Command7, kCommand7);
    PlaceInFrame(Option13, kOption13);
    PlaceInFrame(Option14, kOption14);
    // The frames are sized in window units, their contents placed in inches.
    // A frame grows for its title only as far as the column reaches, up to a
    // gap before the angle strip; a longer title wraps.
    const int column = int(std::lround(Map().ToPixelX(kPicture1.left))) - kColumnGap;
    for (QGroupBox *f : {Frame3D2, Frame3D1, Frame3D3, Frame3D4, Frame3D5, Frame3D6}) FitFrame(f, column - f->x());
}

void form2::PlacePictures()
{
    Place(Picture1, kPicture1.left, kPicture1.top, kPicture1.width, kPicture1.height);
    Place(Picture2, kPicture2.left, kPicture2.top, kPicture2.width, kPicture2.height);
    Place(Picture3, kPicture3.left, kPicture3.top, kPicture3.width, kPicture3.height);

    Picture1->Scale(0, 0, kStripWidth, kStripHeight);
    Picture2->Scale(0, 0, kStripWidth, kStripHeight);
    ScaleScene(1, kLoadStretch);

    PlaceOn(Picture1, Command3, kCommand3);
    PlaceOn(Picture2, Label1, kLabel1);
    PlaceOn(Picture2, Label2, kLabel2);
    PlaceOn(Picture2, Label3, kLabel3);
    PlaceOn(Picture2, Label4, kLabel4);
    PlaceOn(Picture3, Command2, kCommand2);
    PlaceOn(Picture3, Label6, kLabel6);
    PlaceValuesBox();
}

// On a screen wider than 4:3 the scene shows more room to the right of the
// drop (narrower: more below it) instead of stretching the drop into an
// ellipse, which would bend every angle the rays make on the screen.
void form2::ScaleScene(double factor, double loadStretch)
{
    double aspect = (WidthTwips() / HeightTwips()) / kDesignAspect;
    // A 4:3 screen gives a 4:3 window but for the rounding to whole pixels.
    if (std::abs(aspect - 1) * height() < 1) aspect = 1;
    const double across = std::max(1.0, aspect), down = std::max(1.0, 1.0 / aspect);
    Picture3->Scale(kSceneLeft * factor, kSceneTop * factor, kSceneWidth * factor * across * loadStretch,
                    kSceneHeight * factor * down);
}

} // namespace rb::tavrin
