// The wave-model window as a user meets it: its layout and texts, what its
// controls do to the model, the sweep with its readout, stops and closes in
// the middle of a sweep, runs started during a sweep, the observation point
// by hand and the single ray on the window's background.
#include "common/widgets/event_loop.h"
#include "tests/windows/bar_input.h"
#include "common/widgets/number_text.h"
#include "tavrin/start/form3.h"
#include "tavrin/wavemodel/model/angle_scale.h"
#include "tavrin/wavemodel/form5.h"
#include "tavrin/wavemodel/model/wave_fan.h"
#include "tavrin/wavemodel/model/wave_runs.h"
#include "tavrin/navigation.h"
#include "tests/windows/text_fit.h"
#include "common/widgets/units.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace rb;
using rb::tavrin::Form5;
using rb::testing::ClippedTexts;
using rb::testing::OverlappingControls;

namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);
// The bar of the sweep's last position stands on Bild III's right edge.
constexpr double kLastVisibleBar = tavrin::kObsLast - tavrin::kObsStep;

class WaveWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetEndRequest();
        tavrin::SetRunPace(0); // no waiting for the eye
    }
    void TearDown() override
    {
        QLocale::setDefault(savedLocale_);
        tavrin::Navigation::Get().Reset();
        ResetEndRequest();
    }

    Form5 &Open()
    {
        Form5 &f = tavrin::Navigation::Get().WaveForm();
        f.show();
        QTest::qWait(30); // the queued first paint
        return f;
    }

    // Runs `action` once, at the first event pass (during a run's yield)
    // where `when` holds.
    void During(std::function<bool()> when, std::function<void()> action)
    {
        auto *t = new QTimer(&timers_);
        t->setInterval(0);
        QObject::connect(t, &QTimer::timeout, t, [t, when, action] {
            if (!when()) return;
            t->stop();
            action();
        });
        t->start();
    }

    // A press at a point in a picture's (or the window's) user units.
    static void Press(Picture *p, double x, double y, Qt::MouseButton b = Qt::LeftButton)
    {
        const ScaleMap m = p->Map();
        QTest::mouseClick(p, b, Qt::NoModifier, QPoint(int(m.ToPixelX(x)), int(m.ToPixelY(y))));
    }

    QObject timers_;
    QLocale savedLocale_;
};

std::string Name(const QWidget *w)
{
    if (auto *l = qobject_cast<const QLabel *>(w)) return l->text().toStdString();
    if (auto *g = qobject_cast<const QGroupBox *>(w)) return g->title().toStdString();
    return w->metaObject()->className();
}

// Device pixels of a picture that are not its white background.
int Inked(Picture *p)
{
    const QImage &img = p->Image();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

// Is there a pixel of colour c within a third of a bar's spacing of x?
bool BarAt(Picture *p1, double x, QRgb c)
{
    const QImage &img = p1->Image();
    const double dpr = img.devicePixelRatio();
    const ScaleMap m = p1->Map();
    const int from = int(m.ToPixelX(x - 60) * dpr), to = int(m.ToPixelX(x + 60) * dpr);
    for (int px = std::max(0, from); px <= std::min(img.width() - 1, to); ++px)
        for (int py = 0; py < img.height(); ++py)
            if (img.pixel(px, py) == c) return true;
    return false;
}

// The number of separate dark marks along a row of the angle scale.
int MarksAtHeight(Picture *p2, double y)
{
    const QImage &img = p2->Image();
    const int row = int(p2->Map().ToPixelY(y) * img.devicePixelRatio());
    int marks = 0;
    bool inMark = false;
    for (int x = 0; x < img.width(); ++x) {
        const bool dark = qGray(img.pixel(x, row)) < 128;
        marks += dark && !inMark;
        inMark = dark;
    }
    return marks;
}

} // namespace

TEST_F(WaveWindow, OpensEmptyWithItsScaleAndEveryTextVisible)
{
    Form5 &f = Open();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Regenbogen: Zeigerformalismus, Komibination aus Strahlen und "
                                              "Wellenoptik (Huygens-Fresnel)"));
    // 95 % of the screen, centred.
    EXPECT_NEAR(f.WidthTwips(), 0.95 * ScreenWidthTwips(), 20);
    EXPECT_NEAR(f.HeightTwips(), 0.95 * ScreenHeightTwips(), 20);
    EXPECT_NEAR(f.LeftTwips(), 0.025 * ScreenWidthTwips(), 20);
    EXPECT_NEAR(f.TopTwips(), 0.025 * ScreenHeightTwips(), 20);
    EXPECT_TRUE(ClippedTexts(&f).isEmpty()) << ClippedTexts(&f).join(QLatin1Char('\n')).toStdString();

    // Bild I, II and III are empty; the readout waits for the first sweep.
    EXPECT_EQ(Inked(f.Picture3) + Inked(f.Picture4) + Inked(f.Picture1), 0);
    EXPECT_FALSE(f.Text2->isVisible());
    EXPECT_FALSE(f.Label12->isVisible());

    // Six long marks reach the middle of the scale, sixty short ones hang
    // from its top; the scale lies over Bild III where the two overlap.
    EXPECT_EQ(MarksAtHeight(f.Picture2, 75), 6);
    EXPECT_EQ(MarksAtHeight(f.Picture2, 25), 60);
    const QPoint inOverlap = f.Picture2->geometry().topLeft() + QPoint(5, 2);
    EXPECT_EQ(f.childAt(inOverlap), f.Picture2);
    // The degree labels stand at their marks, 44° on the left to 39°.
    const QLabel *degrees[] = {f.Label10, f.Label1, f.Label2, f.Label3, f.Label4, f.Label11};
    for (int i = 0; i < 6; ++i) {
        const double mark = tavrin::AngleScaleX(44 - i, f.model.piValue);
        EXPECT_EQ(degrees[i]->text(), QStringLiteral("%1°").arg(44 - i));
        EXPECT_NEAR(degrees[i]->x(), f.Picture2->Map().ToPixelX(mark), 1) << i;
    }
    // Help texts and readout inside Bild II, clear of the drop.
    for (const QWidget *w : {static_cast<QWidget *>(f.Label8), static_cast<QWidget *>(f.Text2),
                             static_cast<QWidget *>(f.Label12)})
        EXPECT_TRUE(f.Picture4->rect().contains(w->geometry()));
    EXPECT_LT(f.Label8->geometry().right(), f.Picture4->Map().ToPixelX(-14000));

    // The left column: no control overlaps the next, the shortened frames
    // still hold their options, and the phasor model starts as the fan of
    // 321 rays without theory.
    const QWidget *column[] = {f.Command1, f.Command3, f.Command2, f.Frame3D1, f.Frame3D2,
                               f.Frame3D3, f.Label5, f.Label6, f.VScroll1};
    for (std::size_t i = 0; i + 1 < std::size(column); ++i)
        EXPECT_LE(column[i]->geometry().bottom(), column[i + 1]->geometry().top()) << i;
    EXPECT_TRUE(f.Option3D6->isChecked());
    EXPECT_FALSE(f.Check1->isChecked());
    // Controls in a picture or a frame stand at their places in 1/1440 inch
    // from its corner, the degree labels at their marks.
    const struct {
        const QWidget *control;
        double left, top; // 1/1440 inch; left < 0: at its mark
    } places[] = {{f.Label7, 0, 0},         {f.Label8, 0, 0},          {f.Label9, 120, 0},
                  {f.Text2, 4440, 3840},    {f.Label12, 5280, 3840},   {f.Label10, -1, 240},
                  {f.Label11, -1, 240},     {f.Option3D1, 120, 240},   {f.Option3D5, 120, 540}};
    for (const auto &p : places) {
        if (p.left >= 0) {
            EXPECT_NEAR(p.control->x(), TwipsToPixels(p.left), 1) << p.left;
        }
        EXPECT_NEAR(p.control->y(), TwipsToPixels(p.top), 1) << p.left;
    }
    // Nothing covers anything, but Bild III's foot under the angle scale;
    // the left column ends where its buttons end.
    EXPECT_TRUE(OverlappingControls(&f, {{f.Picture1, f.Picture2}}).isEmpty())
        << OverlappingControls(&f, {{f.Picture1, f.Picture2}}).join(QLatin1Char('\n')).toStdString();
    for (const QWidget *w : {static_cast<QWidget *>(f.Label5), static_cast<QWidget *>(f.Label6),
                             static_cast<QWidget *>(f.Frame3D1), static_cast<QWidget *>(f.Frame3D2)})
        EXPECT_LE(w->geometry().right(), f.Command1->geometry().right()) << Name(w);
}

TEST_F(WaveWindow, DiameterBarTakesTheFocusAndMovesByKeysAndWheel)
{
    Form5 &f = Open();
    const QStringList errors = rb::testing::DriveByKeysAndWheel(f.VScroll1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(f.model.diameterValue, f.VScroll1->value());
    EXPECT_EQ(f.text1->text(), QString::number(f.VScroll1->value()));
    EXPECT_TRUE(rb::testing::TabReaches(&f, f.VScroll1));
}

TEST_F(WaveWindow, ControlsSetTheModelAndRaiseTheStop)
{
    Form5 &f = Open();
    EXPECT_EQ(f.model.refrIndex, 1.33); // until a colour is clicked
    struct Case {
        QRadioButton *option;
        int offset;
        double waveParam, refrIndex;
        Color colour;
    };
    const Case cases[] = {
        {f.Option3D2, 50, 0.589, 1.3352, RGB(0, 255, 0)},
        {f.Option3D3, 100, 0.4, 1.3406, RGB(0, 0, 255)},
        {f.Option3D1, 0, 0.7, 1.3312, RGB(255, 0, 0)},
        {f.Option3D1, 0, 0.7, 1.3312, RGB(255, 0, 0)}, // clicking the chosen one again
    };
    for (const Case &c : cases) {
        f.model.stopRequest = false;
        QTest::mouseClick(c.option, Qt::LeftButton, Qt::NoModifier, QPoint(8, c.option->height() / 2));
        EXPECT_TRUE(c.option->isChecked());
        EXPECT_EQ(f.model.barOffset, c.offset);
        EXPECT_EQ(f.model.waveParam, c.waveParam);
        EXPECT_EQ(f.model.refrIndex, c.refrIndex);
        EXPECT_EQ(f.model.RayColor(), c.colour);
        EXPECT_TRUE(f.model.stopRequest);
    }

    QTest::mouseClick(f.Option3D5, Qt::LeftButton, Qt::NoModifier, QPoint(8, f.Option3D5->height() / 2));
    EXPECT_FALSE(f.model.drawFigures);
    QTest::mouseClick(f.Option3D4, Qt::LeftButton, Qt::NoModifier, QPoint(8, f.Option3D4->height() / 2));
    EXPECT_TRUE(f.model.drawFigures);

    // The scroll bar's top end is the smallest drop; the text box only shows.
    f.model.stopRequest = false;
    f.VScroll1->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(f.model.diameterValue, 50);
    EXPECT_EQ(f.text1->text(), QStringLiteral("50"));
    EXPECT_TRUE(f.model.stopRequest);
    f.VScroll1->setFocus();
    QTest::keyClick(f.VScroll1, Qt::Key_Down);
    EXPECT_EQ(f.model.diameterValue, 51);
    QTest::keyClicks(f.text1, QStringLiteral("7"));
    EXPECT_EQ(f.model.diameterValue, 51);

    // "cls" clears the figures, keeps the scale, raises the stop.
    f.Picture1->Line(-190000, 0, -190000, 1000);
    f.model.stopRequest = false;
    const int scale = Inked(f.Picture2);
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    EXPECT_EQ(Inked(f.Picture1), 0);
    EXPECT_EQ(Inked(f.Picture2), scale);
    EXPECT_TRUE(f.model.stopRequest);

    // "Menu" brings the start window; this one stays open as it is.
    QTest::mouseClick(f.Command3, Qt::LeftButton);
    EXPECT_TRUE(tavrin::Navigation::Get().StartForm().isVisible());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.model.diameterValue, 51);
}

TEST_F(WaveWindow, SweepReadsOutTheAnglesInTheUsersLocaleAndDrawsTheBow)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Form5 &f = Open();
    QStringList readouts;
    QObject::connect(f.Text2, &QLineEdit::textChanged, f.Text2, [&](const QString &t) { readouts << t; });
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_EQ(f.RunsActive(), 0);
    ASSERT_EQ(readouts.size(), tavrin::kSweepPositions);
    EXPECT_EQ(readouts.front(), QStringLiteral("44,71°"));
    EXPECT_EQ(readouts.back(), QStringLiteral("38,66°"));
    EXPECT_TRUE(f.Text2->isVisible());
    EXPECT_TRUE(f.Label12->isVisible());
    // The drop and the rays of the last position, and its phasor chain.
    EXPECT_GT(Inked(f.Picture4), 1000);
    EXPECT_GT(Inked(f.Picture3), 0);
    // The main bow's bars and the inner bows' stand in Bild III.
    EXPECT_TRUE(BarAt(f.Picture1, -185000, kRed));
    EXPECT_TRUE(BarAt(f.Picture1, -179800, kRed));
    EXPECT_FALSE(f.model.stopRequest);
    EXPECT_TRUE(ClippedTexts(&f).isEmpty()) << ClippedTexts(&f).join(QLatin1Char('\n')).toStdString();

    // With the figures off only bars and readout change.
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    f.Option3D5->click();
    readouts.clear();
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_EQ(readouts.size(), tavrin::kSweepPositions);
    EXPECT_EQ(Inked(f.Picture3) + Inked(f.Picture4), 0);
    EXPECT_TRUE(BarAt(f.Picture1, kLastVisibleBar, kRed));
}

TEST_F(WaveWindow, StopDuringASweepTakesEffectBeforeTheNextRayAndDrawsNoBar)
{
    enum Stop { Cls, Colour, ScrollBar };
    for (Stop stop : {Cls, Colour, ScrollBar}) {
        Form5 &f = Open();
        tavrin::WaveModel atStop;
        During([&] { return f.model.obsCoord >= -185000; },
               [&] {
                   atStop = f.model;
                   if (stop == Cls) QTest::mouseClick(f.Command1, Qt::LeftButton);
                   if (stop == Colour) QTest::mouseClick(f.Option3D2, Qt::LeftButton, {}, QPoint(8, 8));
                   if (stop == ScrollBar) f.VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
               });
        QTest::mouseClick(f.Command2, Qt::LeftButton);
        // No ray was traced after the stop: the ray state is where the stop
        // found it, and after "cls" Bild I and II stay empty.
        EXPECT_EQ(f.model.obsCoord, atStop.obsCoord) << stop;
        EXPECT_EQ(f.model.curX, atStop.curX) << stop;
        EXPECT_EQ(f.model.curY, atStop.curY) << stop;
        EXPECT_EQ(f.model.rayAngle, atStop.rayAngle) << stop;
        if (stop == Cls) {
            EXPECT_EQ(Inked(f.Picture3) + Inked(f.Picture4) + Inked(f.Picture1), 0);
        }
        // The interrupted position has no bar; the one before it has.
        if (stop != Cls) {
            EXPECT_TRUE(BarAt(f.Picture1, atStop.obsCoord - tavrin::kObsStep, kRed)) << stop;
            EXPECT_FALSE(BarAt(f.Picture1, atStop.obsCoord, kRed)) << stop;
        }
        // The readout keeps the angle of the interrupted position.
        EXPECT_EQ(f.Text2->text(),
                  NumberText(tavrin::ReadoutAngle(atStop.obsCoord, f.model.piValue)) + QStringLiteral("°"));
        TearDown();
    }
}

TEST_F(WaveWindow, ClosingDuringASweepEndsTheProgramAtOnce)
{
    Form5 &f = Open();
    QElapsedTimer sinceClose;
    During([&] { return f.model.obsCoord >= -190000; },
           [&] {
               sinceClose.start();
               f.close();
           });
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_TRUE(sinceClose.isValid());
    EXPECT_LT(sinceClose.elapsed(), 100);
    EXPECT_TRUE(EndRequested());
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.RunsActive(), 0);
    EXPECT_LT(f.model.obsCoord, tavrin::kObsLast);
}

TEST_F(WaveWindow, RunsStartedDuringASweepRunInsideIt)
{
    Form5 &f = Open();
    f.Option3D5->click(); // figures off: quicker, and the by-hand run still marks Bild I
    // A press into Bild II during the sweep: the sweep goes on to its end.
    During([&] { return f.model.obsCoord >= -190000; },
           [&] {
               Press(f.Picture4, -20000, -12000);
               Press(&f, 437, 1500); // and a single ray from the background
           });
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_EQ(f.model.obsCoord, tavrin::kObsLast + tavrin::kObsStep);
    EXPECT_TRUE(BarAt(f.Picture1, kLastVisibleBar, kRed));
    EXPECT_EQ(f.Text2->text(), NumberText(38.66) + QStringLiteral("°"));
    EXPECT_FALSE(f.Text2->isVisible()); // hidden by the press into Bild II

    // A second "Bogensystem" during a sweep runs to its end; the first one
    // then finishes the position it was at and ends as well.
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    int inner = 0;
    During([&] { return f.model.obsCoord >= -190000; },
           [&] {
               QTest::mouseClick(f.Command2, Qt::LeftButton);
               inner = f.RunsActive();
           });
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_EQ(inner, 1);
    EXPECT_EQ(f.RunsActive(), 0);
    EXPECT_TRUE(BarAt(f.Picture1, kLastVisibleBar, kRed));
    EXPECT_FALSE(f.model.stopRequest);
}

// Presses by the thousand on a control that starts a run, while the runs go
// on: they nest one deep at most, so the stack holds, and a close after the
// last press still ends the program at once.
TEST_F(WaveWindow, ThousandsOfPressesNestOneDeepAndTheWindowStillCloses)
{
    constexpr int kPresses = 3000, kPerPass = 20;
    for (const bool sweep : {true, false}) {
        SCOPED_TRACE(sweep ? "Bogensystem" : "Bild II");
        Form5 &f = Open();
        QWidget *target = sweep ? static_cast<QWidget *>(f.Command2) : f.Picture4;
        const ScaleMap m = f.Picture4->Map();
        const QPoint at = sweep ? f.Command2->rect().center()
                                : QPoint(int(m.ToPixelX(-20000)), int(m.ToPixelY(-12000)));
        int sent = 0, deepest = 0;
        QElapsedTimer sinceClose;
        QTimer stream;
        stream.setInterval(0);
        QObject::connect(&stream, &QTimer::timeout, [&] {
            deepest = std::max(deepest, f.RunsActive());
            if (sent == kPresses) {
                stream.stop();
                sinceClose.start();
                f.close();
                return;
            }
            // Posted, so each arrives in the event pass of a running run.
            for (int i = 0; i < kPerPass; ++i, ++sent) {
                const QPointF global = target->mapToGlobal(QPointF(at));
                for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                    QCoreApplication::postEvent(
                        target, new QMouseEvent(type, QPointF(at), global, Qt::LeftButton,
                                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                                Qt::NoModifier));
            }
        });
        stream.start();
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_TRUE(QTest::qWaitFor([&] { return sinceClose.isValid() && f.RunsActive() == 0; }, 60000));
        EXPECT_EQ(sent, kPresses);
        // The presses met a run nested in another, and went no deeper.
        EXPECT_EQ(deepest, 2);
        EXPECT_TRUE(EndRequested());
        EXPECT_LT(sinceClose.elapsed(), 1000);
        TearDown();
    }
}

TEST_F(WaveWindow, ClickIntoBildTwoShowsThatPointsChainAndResultant)
{
    for (const bool figures : {false, true}) {
        Form5 &f = Open();
        (figures ? f.Option3D4 : f.Option3D5)->click();
        // A sweep shows the readout; the click into Bild II hides it.
        During([] { return true; }, [&] { f.Command1->click(); });
        f.Command2->click();
        EXPECT_TRUE(f.Text2->isVisible());
        Press(f.Picture4, -12000, -13300);
        EXPECT_FALSE(f.Text2->isVisible());
        EXPECT_FALSE(f.Label12->isVisible());
        const QImage &chain = f.Picture3->Image();
        const double dpr = chain.devicePixelRatio();
        // The origin of Bild I is marked either way.
        EXPECT_LT(qGray(chain.pixel(int(chain.width() / 2), int(chain.height() / 2))), 128) << figures;
        if (figures) {
            // Where the rays meet nearly in step the chain is long: the red
            // resultant runs out of Bild I.
            EXPECT_GT(Inked(f.Picture4), 1000);
            EXPECT_GT(Inked(f.Picture3), int(300 * dpr));
            const ScaleMap m = f.Picture3->Map();
            int red = 0;
            for (int y = 0; y < chain.height(); ++y)
                for (int x = 0; x < chain.width(); ++x) red += chain.pixel(x, y) == kRed;
            EXPECT_GT(red, int(m.PixelsPerUnitX() * 100 * dpr)) << "resultant";
        } else {
            EXPECT_LT(Inked(f.Picture3), int(25 * dpr * dpr));
        }
        TearDown();
    }
}

TEST_F(WaveWindow, PressOnTheBackgroundTracesOneRay)
{
    Form5 &f = Open();
    const auto redOnForm = [&](double y) {
        const QImage &img = f.Image();
        const double dpr = img.devicePixelRatio();
        const int x = int(f.Map().ToPixelX(5) * dpr), row = int(f.Map().ToPixelY(y) * dpr);
        for (int py = row - 1; py <= row + 1; ++py)
            if (img.pixel(x, py) == kRed) return true;
        return false;
    };
    // Below the drop's height nothing happens.
    Press(&f, 437, 2100);
    EXPECT_EQ(Inked(f.Picture4), 0);
    EXPECT_FALSE(redOnForm(2100));
    // A press on a label is the label's.
    QTest::mouseClick(f.Label5, Qt::LeftButton);
    EXPECT_EQ(Inked(f.Picture4), 0);

    Press(&f, 437, 1800);
    EXPECT_TRUE(redOnForm(1800)); // the stroke to the window's left edge
    const int left = Inked(f.Picture4);
    EXPECT_GT(left, 100);
    f.Picture4->Cls();
    Press(&f, 437, 1800, Qt::RightButton); // adds the secondary bow
    EXPECT_GT(Inked(f.Picture4), left);
}

TEST_F(WaveWindow, PacedRunsCanBeWatchedAndStillStopAtOnce)
{
    tavrin::SetRunPace(1);
    Form5 &f = Open();
    // With the figures on, each position's rays take at least 120 ms.
    std::vector<qint64> shown;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(f.Text2, &QLineEdit::textChanged, f.Text2, [&] { shown.push_back(clock.elapsed()); });
    tavrin::WaveModel atStop;
    QElapsedTimer sinceCls;
    During([&] { return shown.size() >= 5; },
           [&] {
               atStop = f.model;
               sinceCls.start();
               QTest::mouseClick(f.Command1, Qt::LeftButton);
           });
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    ASSERT_EQ(shown.size(), 5u);
    for (std::size_t i = 1; i < shown.size(); ++i) {
        EXPECT_GE(shown[i] - shown[i - 1], 120) << i;
        EXPECT_LT(shown[i] - shown[i - 1], 1000) << i;
    }
    // "cls" stopped it before the next ray, within a frame or so.
    EXPECT_LT(sinceCls.elapsed(), 100);
    EXPECT_EQ(f.model.curY, atStop.curY);
    EXPECT_EQ(Inked(f.Picture3) + Inked(f.Picture4), 0);

    // A run by hand lasts at least a second; with the figures off nothing
    // waits: the whole sweep is done long before one paced position.
    clock.restart();
    Press(f.Picture4, -12000, -13300);
    EXPECT_GE(clock.elapsed(), 1000);
    f.Option3D5->click();
    clock.restart();
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_EQ(f.model.obsCoord, tavrin::kObsLast + tavrin::kObsStep);
    EXPECT_LT(clock.elapsed(), 191 * 120 / 4);
}

TEST_F(WaveWindow, WholeDropWithTheoryDrawsBarsOnAirysCurve)
{
    Form5 &f = Open();
    f.model.stopRequest = false;
    QTest::mouseClick(f.Option3D7, Qt::LeftButton, Qt::NoModifier, QPoint(8, f.Option3D7->height() / 2));
    EXPECT_EQ(f.model.phasorModel, tavrin::PhasorModel::WholeDrop);
    EXPECT_TRUE(f.model.stopRequest);

    // Theory at once: the curve and Descartes' angle with its value.
    QTest::mouseClick(f.Check1, Qt::LeftButton, Qt::NoModifier, QPoint(8, f.Check1->height() / 2));
    EXPECT_TRUE(f.model.showTheory);
    const int theory = Inked(f.Picture1);
    EXPECT_GT(theory, 0);
    EXPECT_TRUE(f.Label13->isVisible());
    EXPECT_EQ(f.Label13->text(), QStringLiteral("Descartes-Winkel %1°").arg(NumberText(42.34)));
    const double descartesX = tavrin::AngleScaleX(42.34, f.model.piValue);
    EXPECT_NEAR(f.Label13->x(), f.Picture1->Map().ToPixelX(descartesX), 6);

    // A sweep: red bars, the tallest where Airy's main maximum is (41.99°),
    // none left of Descartes' angle taller than a tenth of it.
    f.Option3D5->click();
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_TRUE(BarAt(f.Picture1, tavrin::AngleScaleX(41.99, f.model.piValue), kRed));
    EXPECT_GT(Inked(f.Picture1), theory);
    EXPECT_TRUE(ClippedTexts(&f).isEmpty()) << ClippedTexts(&f).join(QLatin1Char('\n')).toStdString();

    // "cls" clears the theory with the bars.
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    EXPECT_EQ(Inked(f.Picture1), 0);
    EXPECT_FALSE(f.Label13->isVisible());
}
