// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/wavemodel/form5.h"

#include "common/export/window_saver.h"
#include "common/widgets/bar_text.h"
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

namespace {

// A press on a label or a frame belongs to that control, not to the window
// behind it: only the bare background traces a ray.
void KeepPresses(QWidget *w) { w->setAttribute(Qt::WA_NoMousePropagation); }

} // namespace

Form5::Form5()
{
    setWindowTitle(
        tr("Regenbogen: Zeigerformalismus, Komibination aus Strahlen und Wellenoptik (Huygens-Fresnel)"));
    SetBackColor(kWindowColour);
    setFont(UiFont(kControlFont.points, kControlFont.bold));
    MakeColumn();
    MakeSpeedControl();
    MakePictures();
    MakeOpticsFrame();
    runs_ = std::make_unique<WaveRuns>(model, WaveSurfaces{.background = *this, .chain = *Picture3, .drop = *Picture4, .bars = *Picture1},
                                       RunHooks());

    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form5::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form5::SunlightRequested);
    connect(Option3D1, &QRadioButton::clicked, this, &Form5::Option3D1_Click);
    connect(Option3D2, &QRadioButton::clicked, this, &Form5::Option3D2_Click);
    connect(Option3D3, &QRadioButton::clicked, this, &Form5::Option3D3_Click);
    connect(Option3D4, &QRadioButton::clicked, this, &Form5::Option3D4_Click);
    connect(Option3D5, &QRadioButton::clicked, this, &Form5::Option3D5_Click);
    connect(Option3D6, &QRadioButton::clicked, this, &Form5::Option3D6_Click);
    connect(Option3D7, &QRadioButton::clicked, this, &Form5::Option3D7_Click);
    connect(Check1, &QCheckBox::clicked, this, &Form5::Check1_Click);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form5::VScroll1_Change);
    connect(Picture4, &Picture::MouseDown, this, &Form5::Picture4_MouseDown);
    connect(Picture4, &Picture::KeyDown, this, &Form5::Picture4_KeyDown);
    connect(this, &Picture::MouseDown, this, &Form5::Form_MouseDown);
    // The scale is drawn when the window is first shown, and again whenever
    // the scale's own picture had to rebuild its image.
    connect(this, &Picture::Paint, this, &Form5::Form_Paint);
    connect(Picture2, &Picture::Paint, this, &Form5::Form_Paint);
    connect(this, &Form::Unload, this, [] { End(); });
    new WindowSaver(this, QStringLiteral("wellenmodell"), [this] { return WaveCsv(bars, theory, ValueMarks()); });
    NameControls();
}

Form5::~Form5() = default;

void Form5::MakeColumn()
{
    Command1 = MakeButton(this, tr("cls"), kControlFont);
    Command3 = MakeButton(this, tr("Menu"), kControlFont);
    Command2 = MakeButton(this, tr("Bogensystem"), kControlFont);
    // A size smaller than the buttons above, so the longer text fits the
    // column on the smallest screen.
    Command4 = MakeButton(this, tr("Sonnenlicht …"), kOnOffFont);

    Frame3D1 = MakeFrame(this, tr("Farbe"), kControlFont);
    Option3D1 = MakeOption(Frame3D1, tr("rot  656nm"), kColourFont, true);
    Option3D2 = MakeOption(Frame3D1, tr("grün 527nm"), kColourFont, false);
    Option3D3 = MakeOption(Frame3D1, tr("blau 430nm"), kColourFont, false);
    PlaceTwips(Option3D1, 120, 240, 1575, 405);
    PlaceTwips(Option3D2, 120, 540, 1575, 405);
    PlaceTwips(Option3D3, 120, 900, 1335, 405);

    Frame3D2 = MakeFrame(this, tr("Bild I / II"), kControlFont);
    Option3D4 = MakeOption(Frame3D2, tr("on"), kOnOffFont, true);
    Option3D5 = MakeOption(Frame3D2, tr("off"), kOnOffFont, false);
    PlaceTwips(Option3D4, 120, 240, 975, 400);
    PlaceTwips(Option3D5, 120, 540, 855, 400);

    Frame3D3 = MakeFrame(this, tr("Zeigermodell"), kControlFont);
    Option3D6 = MakeOption(Frame3D3, tr("321 Strahlen"), kModelFont, true);
    Option3D7 = MakeOption(Frame3D3, tr("ganzer Tropfen"), kModelFont, false);
    Check1 = new QCheckBox(tr("Airy-Theorie"), Frame3D3);
    Check1->setFont(UiFont(kModelFont.points, kModelFont.bold));
    // As wide as their texts (FitText grows them): the column is narrow on
    // a 1024 × 768 screen.
    PlaceTwips(Option3D6, 15, 240, 300, 300);
    PlaceTwips(Option3D7, 15, 540, 300, 300);
    PlaceTwips(Check1, 15, 840, 300, 300);

    Label5 = MakeLabel(this, tr("Tropfendurchm."), kControlFont, kLabelColour);
    Label6 = MakeLabel(this, tr("in Miikrometer"), kControlFont, kLabelColour);
    for (QLabel *l : {Label5, Label6}) l->setWordWrap(false);
    // The top end is the smallest drop: 50 at the top, 2000 at the bottom.
    VScroll1 = MakeScrollBar(this, Qt::Vertical, 50, 2000, 1, 1, 1000);
    text1 = MakeTextBox(this, QStringLiteral("1000"), kControlFont);
    // A typed diameter moves the bar; a page is 50 µm, so that the whole
    // range is some forty presses, not two thousand.
    new BarText(text1, VScroll1, 1, [](int v) { return QString::number(v); });
    SetPageJump(VScroll1, kDiameterPage);

    for (QWidget *w : std::initializer_list<QWidget *>{Frame3D1, Frame3D2, Frame3D3, Label5, Label6})
        KeepPresses(w);
}

void Form5::MakePictures()
{
    Picture3 = new Picture(this);
    Picture4 = new Picture(this);
    Picture1 = new Picture(this);
    // The bars of the three colours stand 50 units of obsCoord apart.
    Picture1->SetZoomedLinesApart(50);
    // Made last, so it lies on top of Bild III where the two overlap: the
    // short marks of the scale hang into that strip and stay visible.
    Picture2 = new Picture(this);

    Label7 = MakeClearLabel(Picture3, tr("Zeigeraddition (Bild I) für jeden Strahl "), kControlFont);
    Label8 = MakeClearLabel(Picture4,
                            tr("Zeigeraddition für jeden Strahl im regenbogenrelevanten Winkelbereich "
                               "(Bild II): Automatischer Durchlauf: Klick auf Bogensystem. Per Hand: Mit "
                               "der Maus auf gewünschten Winkel,  Klick mit der linken Maustaste."),
                            kControlFont);
    Text2 = MakeTextBox(Picture4, tr("Text2"), kControlFont);
    Label12 = MakeClearLabel(Picture4, tr("Beobachtung: Fernfeld"), kControlFont);
    Label9 = MakeClearLabel(Picture1,
                            tr("Zeigeraddition:( Bild III): Winkelverteilung der Strahlen "
                               "(Elementarwellen), innere Bögen"),
                            kControlFont);
    Label10 = MakeClearLabel(Picture2, tr("44°"), kDegreeFont);
    Label1 = MakeClearLabel(Picture2, tr("43°"), kDegreeFont);
    Label2 = MakeClearLabel(Picture2, tr("42°"), kDegreeFont);
    Label3 = MakeClearLabel(Picture2, tr("41°"), kDegreeFont);
    Label4 = MakeClearLabel(Picture2, tr("40°"), kDegreeFont);
    Label11 = MakeClearLabel(Picture2, tr("39°"), kDegreeFont);
    for (QLabel *l : {Label7, Label12, Label9, Label10, Label1, Label2, Label3, Label4, Label11})
        l->setWordWrap(false);
    // Shown by the sweep, hidden by a click into Bild II.
    Text2->hide();
    Label12->hide();

    Label13 = MakeClearLabel(Picture1, QString(), kControlFont);
    Label14 = MakeClearLabel(Picture1, QString(), kControlFont);
    Label15 = MakeClearLabel(Picture1, QString(), kControlFont);
    for (QLabel *l : {Label13, Label14, Label15}) {
        l->setWordWrap(false);
        l->hide();
    }
}

// --- load -----------------------------------------------------------------

void Form5::Form_Load()
{
    model = WaveModel();
    LayOut();
}

} // namespace rb::tavrin
