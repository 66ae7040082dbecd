// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The window of the ray model: on the left the options (colour, number of
// internal reflections, reflected rays, picture scale, the sweep, material),
// then the black angle strip with its degree labels, and the scene in which
// rays are sent through the drop by hand or by the sweep.
#pragma once

#include "common/widgets/form.h"
#include "tavrin/raymodel/model/ray_model.h"

#include <QElapsedTimer>
#include <random>

class QGroupBox;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace rb::tavrin {

class form2 : public Form {
    Q_OBJECT
public:
    form2();

    void Form_Load();
    void Form_Unload();
    void Command4_Click(); // "Menu"
    void Command2_Click(); // "cls" on the scene
    void Command3_Click(); // "cls" on the strip
    void Option1_Click();  // k = 1
    void Option2_Click();  // k = 2
    void Option6_Click();  // k = 3
    void Option7_Click();  // k = 5
    void Option8_Click();  // reflected rays on
    void Option9_Click();  // reflected rays off
    void Option3_Click();  // red
    void Option4_Click();  // green
    void Option5_Click();  // blue
    void Option13_Click(); // water
    void Option14_Click(); // glass BK7
    void Option10_Click(); // "Details"
    void Option11_Click(); // "Überblick"
    void Command6_Click(); // slow sweep
    void Command7_Click(); // fast sweep
    void Picture3_MouseDown(int button, int shift, double x, double y);
    void Picture3_MouseMove(int button, int shift, double x, double y);
    void Picture3_MouseUp(int button, int shift, double x, double y);
    void Picture3_Paint();
    // Rays by keyboard in the scene: the arrows move a marked height, Enter
    // traces the ray there.
    void Picture3_KeyDown(int key, int shift);
    double KeyHeight() const { return keyHeight_; }

    // True while a sweep runs.
    bool Sweeping() const { return sweeping_; }

    // The window-level state of the ray model and its drawing procedures.
    RayModel model;

    QPushButton *Command4;
    QGroupBox *Frame3D2, *Frame3D1, *Frame3D3, *Frame3D4, *Frame3D5, *Frame3D6;
    QRadioButton *Option3, *Option4, *Option5;            // colour
    QRadioButton *Option1, *Option2, *Option6, *Option7;  // k
    QRadioButton *Option8, *Option9;                      // reflected rays
    QRadioButton *Option10, *Option11;                    // picture scale
    QLabel *Label5;
    QPushButton *Command6, *Command7;
    QRadioButton *Option13, *Option14;                    // material
    Picture *Picture1; // the angle strip
    Picture *Picture2; // its degree labels
    Picture *Picture3; // the scene
    QPushButton *Command3; // "cls" on the strip
    QLabel *Label1, *Label2, *Label3, *Label4; // "30°" … "60°"
    QPushButton *Command2; // "cls" on the scene
    QLabel *Label6;        // how to place rays
    // "Werte": Descartes' angle marked on the strip, with its value.
    QCheckBox *Check1;
    QFrame *Line1;
    QLabel *Label7;

signals:
    // "Menu": the user asked for the start window.
    void StartRequested();

protected:
    void LayOut() override;

private:
    void MakeValuesBox();
    void PlaceValuesBox();
    void ShowDescartesMark();
    std::optional<RayModel::DescartesMark> MarkedDescartes() const;
    QString DescartesDescription() const;
    // The scene with only the outline and the help text, the strip with only
    // its ticks: the window as it opens.
    void DrawFresh();
    // What the scene and the strip show, told in words for screen readers.
    struct SceneTally {
        int rays = 0;
        bool lastByHand = false;
        double lastImpact = 0, lastAngle = 0;
    };
    struct StripTally {
        int marks = 0;
        double low = 0, high = 0;
        void Add(double angle);
    };
    void NameControls();
    void NoteRay(bool byHand, double impact);
    void DescribePictures();

    void BuildFrames();
    void BuildPictures();
    void ConnectHandlers();
    void PlaceFrames();
    void PlacePictures();
    // The scene's scale: 3254 units across in "Details" on a 4:3 screen,
    // wider on a wider one so that a unit is as long across as down.
    void ScaleScene(double factor, double loadStretch = 1.0);
    void ClearScene();
    void SetReflCount(std::int16_t k);
    void SetShowReflected(std::int16_t on);
    void SetRayColour(std::int16_t r, std::int16_t g, std::int16_t b, std::int16_t index);
    void SweepImpactParameter(SweepMode mode);
    void PaceSlowSweep();
    double Rnd();

    // The height the keys have marked, in scene units (y downwards): at the
    // start in the upper half of the drop, where the rays of the primary bow
    // enter, so the first Enter gives a mark on the strip.
    double keyHeight_ = -600;
    SceneTally sceneTally_;
    StripTally stripTally_;
    bool sweeping_ = false;
    bool sweepStopped_ = false; // the slow sweep was asked to stop
    QElapsedTimer stepClock_;
    std::mt19937_64 rnd_; // never seeded: every run draws the same numbers
};

} // namespace rb::tavrin
