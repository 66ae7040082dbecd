// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The window of the wave model: a column of buttons, options and the drop
// diameter on the left, and four pictures to the right of it:
//   Bild I   (Picture3) the chain of phasors of the fan, origin in the centre,
//   Bild II  (Picture4) the drop with the rays running to the observer,
//   Bild III (Picture1) one amplitude bar per observation angle,
//   and under Bild III the angle scale (Picture2) with its degree labels.
// The window's own background takes presses outside the controls: a press
// there traces one ray at the press height.
#pragma once

#include "common/widgets/form.h"
#include "common/widgets/queued_call.h"
#include "tavrin/wavemodel/model/wave_model.h"
#include "tavrin/wavemodel/model/wave_runs.h"
#include "tavrin/wavemodel/run_nesting.h"
#include "tavrin/wavemodel/wave_record.h"

#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace rb::tavrin {

class Form5 : public Form {
    Q_OBJECT
public:
    Form5();
    ~Form5() override;

    void Form_Load();
    void Form_Paint();
    void Form_MouseDown(int button, int shift, double x, double y);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Picture4_MouseDown(int button, int shift, double x, double y);
    // The observation point by keyboard in Bild II: the arrows move a marked
    // point, Enter runs it.
    void Picture4_KeyDown(int key, int shift);
    double KeyX() const { return keyX_; }
    double KeyY() const { return keyY_; }
    void Option3D1_Click();
    void Option3D2_Click();
    void Option3D3_Click();
    void Option3D4_Click();
    void Option3D5_Click();
    void Option3D6_Click();
    void Option3D7_Click();
    void Check1_Click();
    // The wave-optics frame in Bild III: the polarisation options and the
    // outer reflection.
    void Option3D8_Click();
    void Option3D9_Click();
    void Option3D10_Click();
    void Option3D11_Click();
    void Check2_Click();
    // Lorenz–Mie theory over Bild III (form5_mie.cpp): on or off, and all
    // paths or the bow ray only. The curve is computed off this thread.
    void Check3_Click();
    void Option3D12_Click();
    void Option3D13_Click();
    bool MieBusy() const;
    double MieMilliseconds() const { return mieMs_; } // the latest curve's, from request to drawing
    void VScroll1_Change();
    // The sweep's pace: ¼×, ½×, 1×, 2×, 4×.
    void Combo1_Change(int index);

    // How many sweeps and by-hand runs are on the stack right now: a run
    // started during another run's yield runs inside it, at most
    // RunNesting::kDeepest of them.
    int RunsActive() const { return nesting_.Active(); }

    // The window-level state of the wave model.
    WaveModel model;
    // The bars in Bild III since it was last cleared and the curves drawn
    // over them, at the bars' places.
    WaveRecord record;

    QPushButton *Command1; // "cls"
    QPushButton *Command3; // "Menu"
    QPushButton *Command2; // "Bogensystem"
    QPushButton *Command4; // "Sonnenlicht …"
    QGroupBox *Frame3D1;   // colour
    QRadioButton *Option3D1, *Option3D2, *Option3D3;
    QGroupBox *Frame3D2;   // figures on / off
    QRadioButton *Option3D4, *Option3D5;
    QGroupBox *Frame3D3;   // phasor model and theory
    QRadioButton *Option3D6, *Option3D7; // "321 Strahlen", "ganzer Tropfen"
    QCheckBox *Check1;     // Airy's theory in Bild III
    // "Wellenoptik", inside Bild III over the dark side of the bow: a grid
    // of rows, the polarisation options two to a row, then the check boxes.
    QGroupBox *Frame3D4;
    QRadioButton *Option3D8, *Option3D9, *Option3D10, *Option3D11; // ohne, s, p, unpolarisiert
    QCheckBox *Check2;     // "Außenreflexion"
    QCheckBox *Check3;     // "Mie-Theorie"
    QRadioButton *Option3D12, *Option3D13; // "alle Wege", "nur Bogenstrahl"
    QCheckBox *Check4;     // "Werte": the angles of the bows written on Bild III
    // The values on Bild III: the tallest bar, the first and second inner bow.
    QLabel *Label17, *Label18, *Label19;
    QLabel *Label16;       // Bild I's legend of the s and p chains
    QLabel *Label5, *Label6;
    QScrollBar *VScroll1;  // drop diameter
    QLineEdit *text1;      // shows the diameter; a typed one moves the bar
    QComboBox *Combo1;     // the sweep's pace
    Picture *Picture3;     // Bild I
    Picture *Picture4;     // Bild II
    Picture *Picture1;     // Bild III
    Picture *Picture2;     // angle scale
    QLabel *Label7, *Label8, *Label9, *Label12;
    QLineEdit *Text2;      // the sweep's angle readout
    // Degree labels of the angle scale, 44° … 39° from left to right.
    QLabel *Label10, *Label1, *Label2, *Label3, *Label4, *Label11;
    // Descartes' angle beside its line in Bild III: the first line of each
    // colour in its own row, red, green, blue; later lines of other angles
    // (a colour chosen again, another model) in rows of their own below.
    QLabel *Label13, *Label14, *Label15;
    // Every Descartes label, the three above first.
    std::vector<QLabel *> DescartesLabels() const;

signals:
    // "Menu": the user asked for the start window.
    void StartRequested();
    // "Sonnenlicht …": the user asked for the rainbow in sunlight.
    void SunlightRequested();

protected:
    void LayOut() override;

private:
    // What Bild I and II show, told in words for screen readers (Bild III's
    // bars are in the record).
    enum class Figures { Empty, Sweep, ByHand, OriginOnly };
    struct PictureState {
        Figures figures = Figures::Empty;
        double angle = 0;              // the sweep's latest observation angle
        double pointX = 0, pointY = 0; // the point chosen by hand
        double c = 0, s = 0;           // the latest phasor sum
        int singleRays = 0;            // single rays drawn into Bild II
    };
    void NameControls();
    void DescribePictures();
    QString DescribeBars() const;

    void MakeColumn();
    void MakeSpeedControl();
    void MakeOpticsFrame();
    void PlaceOpticsFrame();
    void SelectPolarisation(Polarisation p);
    // Adds a control to the wave-optics frame, in the next free place of
    // its grid; `wide` ones take a whole row.
    void AddOpticsRow(QWidget *control, bool wide);
    QString PolarisationName() const;
    // "Werte": the check box and the labels of the values on Bild III.
    QCheckBox *MakeValuesBox();
    // The latest sweep's tallest bar, then up to `innerBows` maxima beside
    // it at smaller angles, as indices into record.bars.
    std::vector<std::size_t> Bows(int innerBows) const;
    std::vector<WaveMark> ValueMarks() const;
    void ShowValues();
    QString DescribeValues() const;
    QString DescribePolarisation() const;
    struct MieJob;
    void MakeMieControls();
    void StartMie();
    void CancelMie();
    void MieAfterSweep(unsigned generationBefore);
    void ShowMie(unsigned generation, const std::vector<double> &heights, double unitsPerAmplitude);
    void MakePictures();
    void PlaceColumn();
    void ScalePictures();
    void PlacePictureLabels();
    void MoveDegreeLabels();
    WaveRunHooks RunHooks();
    void RememberBar(double x, double amplitude, double top);
    void RememberTheory(const AiryBow &bow, double peakAmplitude);
    QString PhasorModelName() const;
    bool YieldToEvents();
    void ShowAngle(double degrees);
    // Writes the latest angle the runs showed into Text2, if it is not there.
    void WriteAngle();
    void ShowReadout(bool visible);
    void ShowDescartes(WaveColour colour, double degrees, double x);
    template <typename Run> void RunCounted(Run run);

    // The point the keys have marked in Bild II: at the start below and left
    // of the drop, about where the bow's light goes.
    double keyX_ = -11000, keyY_ = -10000;
    PictureState shown_;
    unsigned undrawnYields_ = 0;
    std::optional<double> angleDue_; // an angle shown but not yet written into Text2
    QueuedCall angleWrite_{this, [this] { WriteAngle(); }};
    std::vector<QLabel *> moreDescartes_;
    std::unique_ptr<WaveRuns> runs_;
    RunNesting nesting_{this};
    // The Mie curve being computed, if any (its destruction stops and joins
    // the worker); a change of settings counts the generation up, so a
    // result that arrives late is dropped.
    std::shared_ptr<MieJob> mieJob_;
    std::vector<std::shared_ptr<MieJob>> mieRetired_; // stopped, not yet joined
    unsigned mieGeneration_ = 0;
    QString mieDescription_;
    double mieMs_ = -1;
};

} // namespace rb::tavrin
