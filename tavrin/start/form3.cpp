// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/start/form3.h"

#include "common/export/window_saver.h"
#include "common/widgets/controls.h"
#include "common/widgets/design_box.h"
#include "common/widgets/event_loop.h"
#include "common/widgets/fonts.h"
#include "common/widgets/units.h"
#include "common/widgets/zoom.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace rb::tavrin {

namespace {

constexpr Color kLightYellow = RGB(255, 255, 128);

// The client area and every control, in 1/1440 inch.
constexpr double kClientWidth = 10395, kClientHeight = 10500;

constexpr DesignBox kLabel2{600, 240, 4095, 615};
constexpr DesignBox kPicture2{360, 720, 4455, 5175};
constexpr DesignBox kLabel6{240, 6120, 4575, 2295};
constexpr DesignBox kCommand4{1560, 9960, 1335, 495};
constexpr DesignBox kCommand1{4320, 9960, 1335, 495};
constexpr DesignBox kLabel3{5280, 240, 4455, 615};
constexpr DesignBox kPicture1{5400, 720, 4455, 5175};
constexpr DesignBox kLabel7{360, 720, 255, 375};   // on Picture1
constexpr DesignBox kLabel8{2640, 2280, 255, 255}; // on Picture1
constexpr DesignBox kLabel5{4920, 6000, 5415, 4215};
constexpr DesignBox kCommand3{7200, 9960, 1335, 495};

constexpr FontSpec kTitleFont{18, true};
constexpr FontSpec kTextFont{9.75, true};
constexpr FontSpec kButtonFont{12, true};
constexpr FontSpec kMarkFont{12, true};

// Both illustrations share one scale: 4000 units across, about as many per
// inch down as across, y upwards, the drop's centre 66.6 % of the width from
// the left and 30 % of the height from the top.
constexpr double kIllustrationWidth = 4000;
constexpr double kOriginFromTop = 0.3;
constexpr double kOriginFromLeft = 0.666;

// The design boxes were made for a narrower face: grow a text control until
// its whole text shows, and keep a wrapped text's width.
void PlaceText(QWidget *w, const DesignBox &b, FontSpec font, double zoom)
{
    w->setFont(UiFont(font.points * zoom, font.bold));
    PlaceBox(w, b, zoom);
    FitText(w);
}

} // namespace

Form3::Form3()
{
    setWindowTitle(tr("Moddelle zur Regenbogendeutung"));
    SetBackColor(kLightYellow);
    setFont(UiFont(kTextFont.points, true));

    Label2 = MakeLabel(this, tr("Strahlenmodell"), kTitleFont, kLightYellow);
    Picture2 = new Picture(this);
    Label6 = MakeLabel(this,
                       tr("Parallele Strahlen treffen die Tropfen : Reflexion und Brechung an den Grenzflächen. "
                          "Der Verlauf der  gebrochenen, an der Rückseite gespiegelten und wieder gebrochenen "
                          "Strahlen wird mit Hilfe der Strahlenoptik berechnet.. Der Winkelbereich der "
                          "rückgestreuten Strahlen und die Farbe werden angezeigt."),
                       kTextFont, kLightYellow);
    Command4 = MakeButton(this, tr("Start"), kButtonFont);
    Command1 = MakeButton(this, tr("End"), kButtonFont);
    Label3 = MakeLabel(this, tr("Wellenmodell"), kTitleFont, kLightYellow);
    Picture1 = new Picture(this);
    Label7 = MakeLabel(Picture1, tr("A"), kMarkFont, kWindowBackground);
    Label8 = MakeLabel(Picture1, tr("B"), kMarkFont, kWindowBackground);
    Label5 = MakeLabel(
        this,
        tr("Die Simulation beruht auf der Kombination der Hugenschen und der Fresnelschen Vorstellung zur "
           "Lichtausbreitung. Ebene Wellen (Start in (A)), die durch die Überlagerung elementarer Kreiswellen "
           "entstanden sind, treffen auf den Tropfen, werden gebrochen, an der Rückseite reflektiert, wieder "
           "gebrochen und gelangen zum Beobachter (B). Der Weg (Strahl) jeder einzelnen Elementarwelle "
           "(Huygens) erlaubt die Berechnung der jeweiligen Phase in (B). Aus Phase und Richtung werden "
           "(Fresnel) die einzelnen Elementarwellen zur in (B) eintreffenden Welle zusammengesetzt. Dabei "
           "wird entscheidend der Zeigerformalismus eingesetzt."),
        kTextFont, kLightYellow);
    Command3 = MakeButton(this, tr("Start"), kButtonFont);

    for (QLabel *l : {Label2, Label3, Label7, Label8}) l->setWordWrap(false);
    // A click on a text is not a click on the free window area.
    // Texts lie on the window's surface, under the buttons and pictures: the
    // description of the wave model reaches down beside "End".
    for (QLabel *l : {Label2, Label3, Label5, Label6, Label7, Label8}) {
        l->setAttribute(Qt::WA_NoMousePropagation);
        if (l->parentWidget() == this) l->lower();
    }
    // The marks "A" and "B" appear once the window has loaded.
    Label7->setVisible(false);
    Label8->setVisible(false);

    PlaceControls(1.0);

    // The illustrations told in words for screen readers.
    Picture2->setAccessibleName(Label2->text());
    Picture2->setAccessibleDescription(
        tr("Parallele Strahlen treffen einen Tropfen, werden gebrochen, an der Rückseite gespiegelt, "
           "wieder gebrochen und verlassen ihn als Fächer"));
    Picture1->setAccessibleName(Label3->text());
    Picture1->setAccessibleDescription(
        tr("Ebene Wellen starten in A, treffen den Tropfen, und die Elementarwellen laufen nach "
           "Brechung und Spiegelung zum Beobachter B"));

    connect(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(this, &Picture::Click, this, &Form3::Form_Click);
    for (Picture *p : {static_cast<Picture *>(this), Picture1, Picture2})
        connect(p, &Picture::Paint, this, [this] { illustrationsPaint_.Request(); });
    connect(this, &Form::Unload, this, &Form3::Form_Unload);
    new WindowSaver(this, QStringLiteral("regenbogen")); // pictures only: no numbers behind them
}

void Form3::Form_Load()
{
    LayOut();
    illustrations.piValue = 4 * std::atan(1.0);
    illustrations.dropRadius = 1000;
    illustrations.refrIndex = 1.33;
    Label7->setVisible(true);
    Label8->setVisible(true);
}

// Centred on the screen at its laid-out size, frame included. A screen too
// small for it (or a large scale factor) gets the whole layout shrunk in
// proportion, fonts and illustrations with it, so every control stays on
// the screen and can be reached.
void Form3::LayOut()
{
    const double frameWidth = OuterWidthTwips() - WidthTwips(), frameHeight = OuterHeightTwips() - HeightTwips();
    const double room =
        std::min((ScreenWidthTwips() - frameWidth) / kClientWidth, (ScreenHeightTwips() - frameHeight) / kClientHeight);
    // Beyond the program's zoom the window grows on its own, up to the zoom
    // asked for, as far as its screen has room.
    const double zoom = std::min(std::max(1.0, RequestedZoom() / Zoom()), room);
    // The design is placed again at every layout: the presentation zoom
    // may have changed what its inches are on the screen.
    PlaceControls(zoom);
    const double width = kClientWidth * zoom + frameWidth, height = kClientHeight * zoom + frameHeight;
    SetOuterGeometryTwips((ScreenWidthTwips() - width) / 2, (ScreenHeightTwips() - height) / 2, width, height);
    FreezeSize();
    ScaleIllustration(Picture1);
    ScaleIllustration(Picture2);
}

double Form3::OwnZoom() const { return Zoom() * zoom_; }

void Form3::PlaceControls(double zoom)
{
    zoom_ = zoom;
    PlaceBox(Picture2, kPicture2, zoom);
    PlaceBox(Picture1, kPicture1, zoom);
    PlaceText(Label2, kLabel2, kTitleFont, zoom);
    PlaceText(Label6, kLabel6, kTextFont, zoom);
    PlaceText(Command4, kCommand4, kButtonFont, zoom);
    PlaceText(Command1, kCommand1, kButtonFont, zoom);
    PlaceText(Label3, kLabel3, kTitleFont, zoom);
    PlaceText(Label7, kLabel7, kMarkFont, zoom);
    PlaceText(Label8, kLabel8, kMarkFont, zoom);
    PlaceText(Label5, kLabel5, kTextFont, zoom);
    PlaceText(Command3, kCommand3, kButtonFont, zoom);
}

void Form3::ScaleIllustration(Picture *p)
{
    const double w = PixelsToTwips(p->width()), h = PixelsToTwips(p->height());
    p->SetScaleWidth(kIllustrationWidth);
    p->SetScaleHeight(-kIllustrationWidth * h / w);
    p->SetScaleTop(-kOriginFromTop * p->ScaleHeight());
    p->SetScaleLeft(-kOriginFromLeft * p->ScaleWidth());
}

void Form3::Form_Paint()
{
    illustrations.DrawIllustrations(*Picture1, *Picture2, [] { return DoEvents(); });
}

void Form3::Form_Click()
{
    illustrations.DrawClickRays(*Picture1, [] { return DoEvents(); });
}

void Form3::Command4_Click()
{
    emit RayModelRequested();
    hide();
}

void Form3::Command3_Click() { emit WaveModelRequested(); }

// Every window is closed and the program ends. End() hides them all: none is
// destroyed while a run of another window may still be on the stack.
void Form3::Command1_Click() { End(); }

void Form3::Form_Unload() { End(); }

} // namespace rb::tavrin
