// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/raymodel/form2.h"

#include "common/export/window_saver.h"
#include "common/widgets/controls.h"
#include "common/widgets/fonts.h"
#include "tavrin/raymodel/form2_design.h"
#include "tavrin/raymodel/strip_table.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>

namespace rb::tavrin {

using namespace ray_window;

form2::form2()
{
    setWindowTitle(tr("Regenbogen: Strahlenmodell (Huygens)"));
    SetBackColor(kGrey);
    setFont(UiFont(kWindowFont.points, kWindowFont.bold));
    Command4 = MakeButton(this, tr("Menu"), kWindowFont);
    BuildFrames();
    BuildPictures();
    ConnectHandlers();
    MakeValuesBox();
    new WindowSaver(this, QStringLiteral("strahlenmodell"), [this] {
        std::optional<StripMark> descartes;
        if (const auto d = MarkedDescartes())
            descartes = StripMark{d->angle, model.colourIndex, model.reflCount, model.material};
        return StripMarksCsv(model.stripMarks, descartes);
    });
    NameControls();
}

void form2::BuildFrames()
{
    // The classic etched frame, its title set into the top edge.
    QStyle *frameStyle = QStyleFactory::create(QStringLiteral("Windows"));
    if (frameStyle) frameStyle->setParent(this);
    const auto frame = [this, frameStyle](const QString &title) {
        QGroupBox *f = MakeFrame(this, title, kWindowFont);
        if (frameStyle) f->setStyle(frameStyle);
        return f;
    };
    Frame3D2 = frame(tr(" Farbe"));
    Option3 = MakeOption(Frame3D2, tr("rot   656nm"), kWindowFont, true);
    Option4 = MakeOption(Frame3D2, tr("grün  527nm"), kWindowFont, false);
    Option5 = MakeOption(Frame3D2, tr("blau 430nm"), kWindowFont, false);

    Frame3D1 = frame(tr("Zahl int.  Reflexionen"));
    Option1 = MakeOption(Frame3D1, tr("1 "), kWindowFont, true);
    Option2 = MakeOption(Frame3D1, tr("2 "), kWindowFont, false);
    Option6 = MakeOption(Frame3D1, tr("3 "), kWindowFont, false);
    Option7 = MakeOption(Frame3D1, tr("5 "), kWindowFont, false);

    Frame3D3 = frame(tr("reflekt. Strahlen"));
    Option8 = MakeOption(Frame3D3, tr("on"), kWindowFont, true);
    Option9 = MakeOption(Frame3D3, tr("off"), kWindowFont, false);

    Frame3D4 = frame(tr("Bild "));
    Option10 = MakeOption(Frame3D4, tr("Details"), kWindowFont, true);
    Option11 = MakeOption(Frame3D4, tr("Überblick"), kWindowFont, false);

    Frame3D5 = frame(tr("Kontinuierl."));
    Label5 = MakeClearLabel(Frame3D5, tr("Wechsel des Stoßparameters"), kWindowFont);
    Command6 = MakeButton(Frame3D5, tr("langsam"), kWindowFont);
    Command7 = MakeButton(Frame3D5, tr("schnell"), kWindowFont);

    Frame3D6 = frame(tr("Material"));
    Option13 = MakeOption(Frame3D6, tr("Wasser"), kWindowFont, true);
    Option14 = MakeOption(Frame3D6, tr("Glas BK7"), kWindowFont, false);
}

void form2::BuildPictures()
{
    Picture1 = new Picture(this);
    Picture1->SetBackColor(kBlack);
    Command3 = MakeButton(Picture1, tr("cls"), kWindowFont);

    Picture2 = new Picture(this);
    Picture2->SetBackColor(kGrey);
    Label1 = MakeLabel(Picture2, tr("30°"), kDegreeFont, kGrey);
    Label2 = MakeLabel(Picture2, tr("40°"), kDegreeFont, kGrey);
    Label3 = MakeLabel(Picture2, tr("50°"), kDegreeFont, kGrey);
    Label4 = MakeLabel(Picture2, tr("60°"), kDegreeFont, kGrey);
    for (QLabel *l : {Label1, Label2, Label3, Label4}) l->setWordWrap(false);

    Picture3 = new Picture(this);
    Command2 = MakeButton(Picture3, tr("cls"), kWindowFont);
    Label6 = MakeClearLabel(Picture3,
                            tr("Strahlen: per Hand : Maus vor Tropfen positionieren und li. Klick, mehrere "
                               "Strahlen : bei gedr. li. Maustaste nach oben und unten verschieben.   "
                               "Automatisch :  Klick auf kont. Wechsel des Stoßparamters"),
                            kHelpFont);
}

void form2::ConnectHandlers()
{
    connect(this, &Form::Unload, this, &form2::Form_Unload);
    connect(Command4, &QPushButton::clicked, this, &form2::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, &form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &form2::Command3_Click);
    connect(Command6, &QPushButton::clicked, this, &form2::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &form2::Command7_Click);
    // An option acts when it becomes the selected one of its frame, by
    // click, by key or from code.
    const auto onSelect = [this](QRadioButton *o, void (form2::*handler)()) {
        connect(o, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on) (this->*handler)();
        });
    };
    onSelect(Option1, &form2::Option1_Click);
    onSelect(Option2, &form2::Option2_Click);
    onSelect(Option6, &form2::Option6_Click);
    onSelect(Option7, &form2::Option7_Click);
    onSelect(Option8, &form2::Option8_Click);
    onSelect(Option9, &form2::Option9_Click);
    onSelect(Option3, &form2::Option3_Click);
    onSelect(Option4, &form2::Option4_Click);
    onSelect(Option5, &form2::Option5_Click);
    onSelect(Option13, &form2::Option13_Click);
    onSelect(Option14, &form2::Option14_Click);
    onSelect(Option10, &form2::Option10_Click);
    onSelect(Option11, &form2::Option11_Click);
    connect(Picture3, &Picture::MouseDown, this, &form2::Picture3_MouseDown);
    connect(Picture3, &Picture::MouseMove, this, &form2::Picture3_MouseMove);
    connect(Picture3, &Picture::MouseUp, this, &form2::Picture3_MouseUp);
    connect(Picture3, &Picture::Paint, this, &form2::Picture3_Paint);
    connect(Picture3, &Picture::KeyDown, this, &form2::Picture3_KeyDown);
}

void form2::Form_Load()
{
    LayOut();

    model.dropRadius = 800;
    model.refrIndex = 1.33;
    model.piValue = 4 * std::atan(1.0);
    model.rayLength = kDetailRayLength;
    model.reflCount = 1;
    model.showReflected = 1;
    model.rayRed = 255;
    model.colourIndex = 1;
    model.material = 0;
    show();
    DrawFresh();
}

} // namespace rb::tavrin
