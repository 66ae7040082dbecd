#include "tavrin/wavemodel/form5.h"

#include "tavrin/wavemodel/model/airy_theory.h"
#include "tavrin/wavemodel/model/angle_scale.h"
#include "tavrin/wavemodel/model/wave_fan.h"
#include "common/widgets/event_loop.h"
#include "common/widgets/controls.h"
#include "common/widgets/fonts.h"
#include "common/widgets/number_text.h"
#include "common/widgets/units.h"
#include "common/widgets/vector_state.h"
#include "common/export/window_saver.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace rb::tavrin {

namespace {

constexpr FontSpec kControlFont{9.75, true};
constexpr FontSpec kColourFont{8.25, false};
constexpr FontSpec kOnOffFont{8.25, true};
constexpr FontSpec kDegreeFont{12, true};
constexpr FontSpec kModelFont{8.25, false};
constexpr Color kWindowColour = RGB(224, 224, 224);
constexpr Color kLabelColour = RGB(192, 192, 192);

// The window's own units: 4000 across, 3000 down, whatever the screen.
constexpr double kWindowScaleWidth = 4000, kWindowScaleHeight = 3000;
// The window takes this share of the screen, centred on it.
constexpr double kScreenShare = 0.95;
// The buttons, frames and labels of the left column end here.
constexpr double kColumnRight = 425;
// Bild I begins at 450: a frame may widen up to just before it.
constexpr double kPhasorFrameMaxRight = 448;
// An option keeps this much room from its frame's right edge.
constexpr int kOptionMargin = 3;

// A rectangle in window units (or in 1/1440 inch inside a frame).
struct Box {
    double left, top, width, height;
};

// The user coordinates of a picture: left, top, width, height.
struct Scale4 {
    double left, top, width, height;
};
// Bild I: the phasor chain around the centre, y up.
constexpr Scale4 kBild1{-100, 100, 200, -200};
// Bild II: the drop (radius 2000) in the upper right corner, y up, the same
// number of units per window unit on both axes (36417 : 19000 = 2300 : 1200).
constexpr Scale4 kBild2{-33417, 3000, 36417, -19000};
// Bild III: x is the sweep's obsCoord, amplitude bars grow up from 0.
constexpr Scale4 kBild3{-198000, 2000, 38000, -2000};
// The angle scale shares Bild III's x axis; its marks hang from the top.
constexpr Scale4 kScaleBar{-198000, 0, 38000, 200};

// The incoming rays of Bild II are drawn from x = −14000 on.
constexpr double kHelpTextRight = -14500;

void Apply(Picture *p, const Scale4 &s) { p->Scale(s.left, s.top, s.width, s.height); }

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
    MakePictures();
    runs_ = std::make_unique<WaveRuns>(model, WaveSurfaces{*this, *Picture3, *Picture4, *Picture1},
                                       RunHooks());

    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form5::Command3_Click);
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
    new WindowSaver(this, QStringLiteral("wellenmodell"), [this] { return WaveCsv(bars, theory); });
    NameControls();
}

Form5::~Form5() = default;

void Form5::MakeColumn()
{
    Command1 = MakeButton(this, tr("cls"), kControlFont);
    Command3 = MakeButton(this, tr("Menu"), kControlFont);
    Command2 = MakeButton(this, tr("Bogensystem"), kControlFont);

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

    for (QWidget *w : std::initializer_list<QWidget *>{Frame3D1, Frame3D2, Frame3D3, Label5, Label6})
        KeepPresses(w);
}

void Form5::MakePictures()
{
    Picture3 = new Picture(this);
    Picture4 = new Picture(this);
    Picture1 = new Picture(this);
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

void Form5::RememberBar(double x, double amplitude)
{
    if (bars.size() >= kMaxBars) return;
    bars.push_back({AngleScaleDegrees(x, model.piValue), amplitude, model.RayColor(), model.diameterValue,
                    PhasorModelName()});
}

QString Form5::PhasorModelName() const
{
    return model.phasorModel == PhasorModel::WholeDrop ? Option3D7->text() : Option3D6->text();
}

void Form5::RememberTheory(const AiryBow &bow, double peakAmplitude)
{
    // Sampled where the sweep puts its bars, so each bar has its theory
    // value in the same row of a spreadsheet.
    const QString name = tr("Airy-Theorie");
    for (double x = kObsFirst; x <= kObsLast && theory.size() < kMaxBars; x += kObsStep)
        theory.push_back({AngleScaleDegrees(x, model.piValue), peakAmplitude * bow.Relative(AngleAtScaleX(x)),
                          TheoryColour(model.colour), model.diameterValue, name});
}

WaveRunHooks Form5::RunHooks()
{
    return {[] { return DoEvents(); }, [this](double degrees) { ShowAngle(degrees); },
            [this](bool visible) { ShowReadout(visible); }, [](int ms) { return WaitEvents(ms); },
            [this](WaveColour c, double degrees, double x) { ShowDescartes(c, degrees, x); },
            [this](double x, double amplitude) {
                RememberBar(x, amplitude);
                shown_.bars.push_back({x, amplitude});
            },
            [this](const AiryBow &bow, double peak) { RememberTheory(bow, peak); },
            [this](double c, double s) {
                shown_.c = c;
                shown_.s = s;
            }};
}

void Form5::ShowAngle(double degrees)
{
    shown_.angle = degrees;
    Text2->setText(NumberText(degrees) + QStringLiteral("°"));
    // The text layout may leave the vector unit in its slow state; the next
    // ray's maths should not pay for it.
    ClearUpperVectorState();
}

void Form5::ShowReadout(bool visible)
{
    Text2->setVisible(visible);
    Label12->setVisible(visible);
}

void Form5::ShowDescartes(WaveColour colour, double degrees, double x)
{
    // One label per colour, each a line lower, so three colours' values
    // stand apart; each just right of its line.
    QLabel *label = colour == WaveColour::Red ? Label13 : colour == WaveColour::Green ? Label14 : Label15;
    const int row = colour == WaveColour::Red ? 0 : colour == WaveColour::Green ? 1 : 2;
    const Color c = TheoryColour(colour);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(RedOf(c), GreenOf(c), BlueOf(c)));
    label->setPalette(pal);
    label->setText(tr("Descartes-Winkel %1°").arg(NumberText(degrees)));
    label->adjustSize();
    const ScaleMap m = Picture1->Map();
    constexpr double kFirstRowY = 1850;
    label->move(int(m.ToPixelX(x)) + 4, int(m.ToPixelY(kFirstRowY)) + row * label->height());
    label->show();
}

// --- load -----------------------------------------------------------------

void Form5::Form_Load()
{
    model = WaveModel();
    LayOut();
}

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
    // Texts grow to show whole, but not out of the column.
    const int right = int(std::lround(Map().ToPixelX(kColumnRight)));
    for (QWidget *w : std::initializer_list<QWidget *>{Command1, Command3, Command2, Label5, Label6})
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

// --- events ---------------------------------------------------------------

void Form5::Form_Paint() { DrawAngleScale(*Picture2, model.piValue); }

template <typename Run> void Form5::RunCounted(Run run)
{
    nesting_.Enter();
    const RunEnd end = run();
    nesting_.Leave(end == RunEnd::Completed);
}

void Form5::Command1_Click()
{
    Picture4->Cls();
    Picture1->Cls();
    bars.clear();
    theory.clear();
    Picture3->Cls();
    for (QLabel *l : {Label13, Label14, Label15}) l->hide();
    model.stopRequest = true;
    shown_ = {};
    DescribePictures();
}

void Form5::Command2_Click()
{
    if (!nesting_.MayStart([this] { Command2_Click(); })) return;
    shown_.lastSweepFrom = shown_.bars.size();
    shown_.c = shown_.s = std::nan(""); // until a run reports its sum
    const bool figures = model.drawFigures;
    RunCounted([this] { return runs_->AutomaticSweep(); });
    if (figures) {
        shown_.figures = Figures::Sweep;
        shown_.singleRays = 0;
    }
    DescribePictures();
}

void Form5::Command3_Click()
{
    emit StartRequested();
}

void Form5::Picture4_MouseDown(int button, int shift, double x, double y)
{
    if (!nesting_.MayStart([this, button, shift, x, y] { Picture4_MouseDown(button, shift, x, y); })) return;
    const bool figures = model.drawFigures;
    shown_.c = shown_.s = std::nan(""); // until a run reports its sum
    RunCounted([this, x, y] { return runs_->ObservationPointByHand(x, y); });
    shown_.figures = figures ? Figures::ByHand : Figures::OriginOnly;
    shown_.pointX = x;
    shown_.pointY = y;
    if (figures) shown_.singleRays = 0;
    DescribePictures();
}

// The arrows move the marked point by a hundredth of Bild II's width, with
// Shift by a tenth of that; Enter (or Space) runs the point as a click would.
void Form5::Picture4_KeyDown(int key, int shift)
{
    const double step = std::fabs(Picture4->ScaleWidth()) / ((shift & kShift) ? 1000 : 100);
    double dx = 0, dy = 0;
    switch (key) {
    case Qt::Key_Left: dx = -step; break;
    case Qt::Key_Right: dx = step; break;
    case Qt::Key_Up: dy = step; break; // y grows upwards in Bild II
    case Qt::Key_Down: dy = -step; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: Picture4_MouseDown(kLeftButton, shift, keyX_, keyY_); return;
    default: return;
    }
    const double left = Picture4->ScaleLeft(), right = left + Picture4->ScaleWidth();
    const double top = Picture4->ScaleTop(), bottom = top + Picture4->ScaleHeight();
    keyX_ = std::clamp(keyX_ + dx, std::min(left, right), std::max(left, right));
    keyY_ = std::clamp(keyY_ + dy, std::min(top, bottom), std::max(top, bottom));
    Picture4->SetMarker(Picture::Marker::Point, keyX_, keyY_);
}

void Form5::Form_MouseDown(int button, int, double x, double y)
{
    if (runs_->SingleRay(x, y, button) && model.drawFigures) {
        ++shown_.singleRays;
        DescribePictures();
    }
}

void Form5::Option3D1_Click() { model.SelectColour(WaveColour::Red); }
void Form5::Option3D2_Click() { model.SelectColour(WaveColour::Green); }
void Form5::Option3D3_Click() { model.SelectColour(WaveColour::Blue); }
void Form5::Option3D4_Click() { model.drawFigures = true; }
void Form5::Option3D5_Click() { model.drawFigures = false; }
void Form5::Option3D6_Click() { model.SelectPhasorModel(PhasorModel::Fan321); }
void Form5::Option3D7_Click() { model.SelectPhasorModel(PhasorModel::WholeDrop); }

void Form5::Check1_Click()
{
    model.showTheory = Check1->isChecked();
    if (model.showTheory) runs_->DrawTheory();
}

void Form5::VScroll1_Change()
{
    model.SetDiameter(VScroll1->value());
    text1->setText(QString::number(model.diameterValue));
}

} // namespace rb::tavrin
