#include "tavrin/raymodel/form2.h"

#include "common/widgets/event_loop.h"
#include "common/widgets/controls.h"
#include "common/widgets/fonts.h"
#include "tavrin/raymodel/input_hold.h"
#include "tavrin/raymodel/strip_table.h"
#include "common/widgets/units.h"
#include "common/widgets/vector_state.h"
#include "common/export/window_saver.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace rb::tavrin {

namespace {

constexpr Color kGrey = RGB(192, 192, 192);
constexpr Color kBlack = RGB(0, 0, 0);

constexpr FontSpec kWindowFont{8.25, true};
constexpr FontSpec kHelpFont{9.75, true};
constexpr FontSpec kDegreeFont{12, true};

// The window fills 95 % of the screen and has its own scale: x from −2800
// across 4000 units, y from −1200 down 3000 units.
constexpr double kScreenShare = 0.95;
constexpr double kWindowLeft = -2800, kWindowTop = -1200, kWindowWidth = 4000, kWindowHeight = 3000;

struct Box {
    double left, top, width, height;
};

// Controls on the window, in window units.
constexpr Box kCommand4{-2780, -1170, 450, 150};
constexpr Box kFrame3D2{-2780, -980, 450, 420};
constexpr Box kFrame3D1{-2780, -480, 450, 450};
constexpr Box kFrame3D3{-2780, 0, 450, 400};
constexpr Box kFrame3D4{-2780, 440, 450, 400};
constexpr Box kFrame3D5{-2780, 890, 450, 500};
constexpr Box kFrame3D6{-2780, 1390, 450, 300};
constexpr Box kPicture1{-2300, -1175, 300, 2950};
constexpr Box kPicture2{-2000, -1175, 140, 2950};
constexpr Box kPicture3{-1885, -1175, 3200, 2950};

// Controls in the frames, in 1/1440 inch from the frame's corner.
constexpr Box kOption3{120, 360, 1455, 375};
constexpr Box kOption4{120, 720, 1455, 255};
constexpr Box kOption5{120, 1080, 1455, 255};
constexpr Box kOption1{120, 360, 375, 255};
constexpr Box kOption2{120, 600, 375, 255};
constexpr Box kOption6{120, 840, 375, 255};
constexpr Box kOption7{120, 1080, 375, 255};
constexpr Box kOption8{120, 240, 735, 255};
constexpr Box kOption9{120, 480, 735, 255};
constexpr Box kOption10{120, 240, 1095, 375};
constexpr Box kOption11{120, 480, 1215, 495};
constexpr Box kLabel5{120, 240, 1455, 495};
constexpr Box kCommand6{120, 720, 1335, 375};
constexpr Box kCommand7{120, 1200, 1335, 375};
constexpr Box kOption13{120, 240, 1455, 375};
constexpr Box kOption14{120, 600, 1455, 255};

// The strip and its labels: 200 units across, 1000 down.
constexpr double kStripWidth = 200, kStripHeight = 1000;
constexpr Box kCommand3{20, 1, 160, 48};
// Each degree label stands 10 units above the tick it names.
constexpr Box kLabel1{5, 940, 180, 100};
constexpr Box kLabel2{5, 640, 180, 100};
constexpr Box kLabel3{5, 340, 180, 100};
constexpr Box kLabel4{5, 40, 180, 100};

// The scene in "Details": x from −2254 across 3254 units, y from −1000 down
// 3000, so the drop (R = 800) sits in the right part and the upper third,
// with room on the left for the incoming rays and below for those scattered
// back. "Überblick" is ten times that. The load step starts 3400 units
// across, which draws the drop a little narrower until a scale is chosen.
constexpr double kSceneLeft = -2254, kSceneTop = -1000, kSceneWidth = 3254, kSceneHeight = 3000;
constexpr double kOverviewFactor = 10;
constexpr double kLoadStretch = 3400.0 / 3254.0;
// The scene's design proportions were made for a 4:3 screen, where its
// units are as long across as down.
constexpr double kDesignAspect = 4.0 / 3.0;
constexpr Box kCommand2{-2250, -995, 250, 150};
constexpr Box kLabel6{-2200, 1000, 600, 950};

constexpr float kDetailRayLength = 2000, kOverviewRayLength = 20000;

// The slow sweep shows every ray for at least this long, so the marks are
// seen piling up at the bow (about 3.5 s for the 134 rays of k = 1).
constexpr qint64 kSlowStepMs = 25;

// The left column ends this many pixels before the angle strip.
constexpr int kColumnGap = 2;

void PlaceInFrame(QWidget *w, const Box &b)
{
    PlaceTwips(w, b.left, b.top, b.width, b.height);
    FitText(w);
}

// A control in a picture, in the picture's units. The lowest degree label's
// box reaches below the strip; it ends at the picture's edge, its text is
// well above it.
void PlaceOn(const Picture *p, QWidget *w, const Box &b)
{
    p->Place(w, b.left, b.top, b.width, b.height);
    FitText(w);
    w->setGeometry(w->geometry().intersected(p->rect()));
}

} // namespace

form2::form2()
{
    setWindowTitle(tr("Regenbogen: Strahlenmodell (Huygens)"));
    SetBackColor(kGrey);
    setFont(UiFont(kWindowFont.points, kWindowFont.bold));
    Command4 = MakeButton(this, tr("Menu"), kWindowFont);
    BuildFrames();
    BuildPictures();
    ConnectHandlers();
    new WindowSaver(this, QStringLiteral("strahlenmodell"), [this] { return StripMarksCsv(model.stripMarks); });
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

// --- layout -----------------------------------------------------------------

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
    if (isVisible()) DrawFresh();
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
    const auto place = [this](QWidget *w, const Box &b) { Place(w, b.left, b.top, b.width, b.height); };
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

// --- window and buttons -----------------------------------------------------

void form2::Form_Unload() { End(); }

void form2::Command4_Click()
{
    emit StartRequested();
    hide();
}

void form2::ClearScene()
{
    Picture3->Cls();
    model.DrawDropOutline(*Picture3);
    sceneTally_ = {};
    DescribePictures();
}

void form2::Command2_Click()
{
    ClearScene();
    model.DrawAngleTicks(*Picture1);
    Label6->setVisible(true);
}

void form2::Command3_Click()
{
    Picture1->Cls();
    model.stripMarks.clear();
    model.DrawAngleTicks(*Picture1);
    stripTally_ = {};
    DescribePictures();
}

// --- options ------------------------------------------------------------------

void form2::SetReflCount(std::int16_t k)
{
    model.reflCount = k;
    ClearScene();
}

void form2::Option1_Click() { SetReflCount(1); }
void form2::Option2_Click() { SetReflCount(2); }
void form2::Option6_Click() { SetReflCount(3); }
void form2::Option7_Click() { SetReflCount(5); }

void form2::SetShowReflected(std::int16_t on)
{
    model.showReflected = on;
    ClearScene();
}

void form2::Option8_Click() { SetShowReflected(1); }
void form2::Option9_Click() { SetShowReflected(2); }

// Colour and material take effect with the next ray; the rays already drawn
// keep their colours.
void form2::SetRayColour(std::int16_t r, std::int16_t g, std::int16_t b, std::int16_t index)
{
    model.rayRed = r;
    model.rayGreen = g;
    model.rayBlue = b;
    model.colourIndex = index;
}

void form2::Option3_Click() { SetRayColour(255, 0, 0, 1); }
void form2::Option4_Click() { SetRayColour(0, 255, 0, 2); }
void form2::Option5_Click() { SetRayColour(0, 0, 255, 3); }
void form2::Option13_Click() { model.material = 0; }
void form2::Option14_Click() { model.material = 1; }

void form2::Option10_Click()
{
    ScaleScene(1);
    ClearScene();
    model.rayLength = kDetailRayLength;
}

void form2::Option11_Click()
{
    ScaleScene(kOverviewFactor);
    ClearScene();
    model.rayLength = kOverviewRayLength;
}

// --- rays by hand -------------------------------------------------------------

// Only the pointer's height counts: every ray comes in from the left.
void form2::Picture3_MouseDown(int, int, double, double y)
{
    Label6->setVisible(false);
    if (model.PlaceRayByPress(*Picture3, *Picture1, static_cast<float>(y))) NoteRay(true, y);
    DescribePictures();
}

void form2::Picture3_MouseMove(int button, int, double, double y)
{
    if (button == kLeftButton && model.PlaceRay(*Picture3, *Picture1, static_cast<float>(y))) {
        NoteRay(true, y);
        DescribePictures();
    }
}

// The outline dots the rays painted over come back.
void form2::Picture3_MouseUp(int, int, double, double) { model.DrawDropOutline(*Picture3); }

void form2::Picture3_Paint() { model.DrawDropOutline(*Picture3); }

// Up and down move the marked height by a hundredth of the scene's height
// (10 units in "Details"), Page Up and Page Down by ten times that; Enter
// (or Space) sends a ray there as a press would, and with Shift every step
// sends one, so a fan builds up as under a dragged mouse.
void form2::Picture3_KeyDown(int key, int shift)
{
    const double step = Picture3->ScaleHeight() / 300;
    double move = 0;
    switch (key) {
    case Qt::Key_Up: move = -step; break;
    case Qt::Key_Down: move = step; break;
    case Qt::Key_PageUp: move = -10 * step; break;
    case Qt::Key_PageDown: move = 10 * step; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Picture3_MouseDown(kLeftButton, shift, 0, keyHeight_);
        Picture3_MouseUp(kLeftButton, shift, 0, keyHeight_);
        return;
    default: return;
    }
    const double top = Picture3->ScaleTop(), bottom = top + Picture3->ScaleHeight();
    keyHeight_ = std::clamp(keyHeight_ + move, std::min(top, bottom), std::max(top, bottom));
    Picture3->SetMarker(Picture::Marker::Height, 0, keyHeight_);
    if (shift & kShift) {
        Picture3_MouseDown(kLeftButton, shift, 0, keyHeight_);
        Picture3_MouseUp(kLeftButton, shift, 0, keyHeight_);
    }
}

// --- the sweep ------------------------------------------------------------------

void form2::Command6_Click() { SweepImpactParameter(SweepMode::Slow); }
void form2::Command7_Click() { SweepImpactParameter(SweepMode::Fast); }

double form2::Rnd()
{
    // 53 random bits: uniform in [0, 1), never 1.
    return static_cast<double>(rnd_() >> 11) * 0x1.0p-53;
}

// The sweep takes no input until it has ended: what the user does meanwhile
// is held back and handled afterwards, except that presses of the two sweep
// buttons queue one more sweep at most, and a close ends the program at once.
void form2::SweepImpactParameter(SweepMode mode)
{
    if (sweeping_) return;
    sweeping_ = true;
    InputHold hold({Command6, Command7});
    if (mode == SweepMode::Fast) {
        Label6->setVisible(false);
        sceneTally_ = {};
    }
    stepClock_.start();
    const auto afterRay = [this, mode] {
        NoteRay(false, 0);
        if (mode == SweepMode::Slow) PaceSlowSweep();
    };
    model.SweepImpactParameter(*Picture3, *Picture1, mode, [this] { return Rnd(); }, afterRay, EndRequested);
    DescribePictures();
    sweeping_ = false;
    hold.Release();
}

// Shows the ray just drawn and lets the window live (repaints, timers, and
// the input that the hold keeps for after the sweep) until the step has
// lasted its time.
void form2::PaceSlowSweep()
{
    Picture3->FlushNow();
    Picture1->FlushNow();
    QTimer wake;
    wake.setSingleShot(true);
    while (!EndRequested()) {
        const qint64 left = kSlowStepMs - stepClock_.elapsed();
        if (left <= 0) break;
        wake.start(int(left));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    stepClock_.start();
    ClearUpperVectorState();
}

} // namespace rb::tavrin
