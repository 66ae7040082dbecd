// tavrin's start window and ray model as a user meets them: what the windows
// show when they open, the way between them, every way to end the program,
// rays by hand and the two sweeps.
#include "common/widgets/event_loop.h"
#include "tavrin/raymodel/form2.h"
#include "tavrin/raymodel/input_hold.h"
#include "tavrin/start/form3.h"
#include "tavrin/wavemodel/form5.h"
#include "tavrin/navigation.h"
#include "tests/windows/text_fit.h"
#include "common/widgets/units.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace rb;
using namespace rb::tavrin;
using rb::testing::ClippedTexts;
using rb::testing::OverlappingControls;

namespace {

void Settle() { QTest::qWait(40); }

QPoint PixelOf(Picture *p, double x, double y)
{
    const ScaleMap m = p->Map();
    return QPoint(int(std::lround(m.ToPixelX(x))), int(std::lround(m.ToPixelY(y))));
}

// True when the picture has a pixel of the colour within two pixels of (x, y).
bool ColourNear(Picture *p, double x, double y, QRgb colour)
{
    const QImage &img = p->Image();
    const double dpr = img.devicePixelRatio();
    const ScaleMap m = p->Map();
    const QPoint c(int(m.ToPixelX(x) * dpr), int(m.ToPixelY(y) * dpr));
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (img.rect().contains(c + QPoint(dx, dy)) && (img.pixel(c + QPoint(dx, dy)) & 0xffffff) == (colour & 0xffffff))
                return true;
    return false;
}

bool DarkNear(Picture *p, double x, double y)
{
    const QImage &img = p->Image();
    const double dpr = img.devicePixelRatio();
    const ScaleMap m = p->Map();
    const QPoint c(int(m.ToPixelX(x) * dpr), int(m.ToPixelY(y) * dpr));
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            if (img.rect().contains(c + QPoint(dx, dy)) && qGray(img.pixel(c + QPoint(dx, dy))) < 100) return true;
    return false;
}

bool HasColour(Picture *p, QRgb colour)
{
    const QImage img = p->Image().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((row[x] & 0xffffff) == (colour & 0xffffff)) return true;
    }
    return false;
}

// True when the picture shows exactly what `draw` draws on a cleared
// picture of the same size and scale.
bool ShowsOnly(Picture *p, const std::function<void(Picture &)> &draw)
{
    Picture ref;
    ref.resize(p->size());
    ref.SetBackColor(p->BackColor());
    ref.SetForeColor(p->ForeColor());
    ref.Scale(p->ScaleLeft(), p->ScaleTop(), p->ScaleWidth(), p->ScaleHeight());
    ref.Cls();
    draw(ref);
    return ref.Image() == p->Image();
}

bool SceneShowsOnlyTheOutline(form2 &f)
{
    return ShowsOnly(f.Picture3, [&f](Picture &p) { f.model.DrawDropOutline(p); });
}

bool StripShowsOnlyTheTicks(form2 &f)
{
    return ShowsOnly(f.Picture1, [&f](Picture &p) { f.model.DrawAngleTicks(p); });
}

void SendMouse(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Runs the event loop until the program ends (status) or 20 s pass (-1).
int RunUntilEnd()
{
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    watchdog.start(20000);
    return QApplication::exec();
}

class TavrinWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        Navigation::Get().Reset();
        ResetEndRequest();
    }
    void TearDown() override
    {
        Navigation::Get().Reset();
        ResetEndRequest();
    }
};

} // namespace

TEST_F(TavrinWindows, StartWindowIsLaidOutCentredAndDrawsItsIllustrations)
{
    Form3 &f = Navigation::Get().StartForm();
    f.show();
    Settle();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Moddelle zur Regenbogendeutung"));
    EXPECT_NEAR(f.width(), TwipsToPixels(10395), 1);
    EXPECT_NEAR(f.height(), TwipsToPixels(10500), 1);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(f.x(), (screen.width() - f.width()) / 2, 1);
    EXPECT_NEAR(f.y(), (screen.height() - f.height()) / 2, 1);
    EXPECT_TRUE(f.Label7->isVisible());
    EXPECT_TRUE(f.Label8->isVisible());
    for (Picture *p : {f.Picture1, f.Picture2}) {
        EXPECT_FLOAT_EQ(p->ScaleWidth(), 4000);
        EXPECT_NEAR(p->ScaleLeft(), -2664, 0.01);
        EXPECT_NEAR(p->ScaleHeight(), -4646.5, 1);
        EXPECT_NEAR(p->ScaleTop(), 1393.9, 0.5);
    }
    EXPECT_TRUE(ClippedTexts(&f).isEmpty()) << ClippedTexts(&f).join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(OverlappingControls(&f).isEmpty()) << OverlappingControls(&f).join(QLatin1Char('\n')).toStdString();
    // Buttons are not hidden under the long description beside them.
    EXPECT_EQ(f.childAt(f.Command1->geometry().center()), f.Command1);

    // The left picture: a ray coming in from beyond the edge; the right
    // one: the plane wave's dot where the same ray starts.
    // They are drawn at the first paint, ray by ray.
    EXPECT_TRUE(QTest::qWaitFor([&f] { return DarkNear(f.Picture2, -1500, 475); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&f] { return DarkNear(f.Picture1, -2000, 475); }, 5000));
    // A click between the buttons adds rays to the right picture; a click
    // on a text does not.
    const QImage before = f.Picture1->Image().copy();
    QTest::mouseClick(f.Label5, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.Picture1->Image(), before);
    QTest::mouseClick(&f, Qt::LeftButton, {}, QPoint(int(TwipsToPixels(300)), int(TwipsToPixels(10200))));
    EXPECT_NE(f.Picture1->Image(), before);
    EXPECT_TRUE(DarkNear(f.Picture1, -1500, 525)); // a click ray between the first two
}

TEST_F(TavrinWindows, MenuAndStartReturnToTheSameWindowsWithTheirSettings)
{
    Form3 &start = Navigation::Get().StartForm();
    start.show();
    start.Command4->click();
    form2 *ray = Navigation::Get().LoadedRayForm();
    ASSERT_NE(ray, nullptr);
    EXPECT_TRUE(ray->isVisible());
    EXPECT_FALSE(start.isVisible());
    ray->Option6->setChecked(true);
    ray->Option5->setChecked(true);
    ray->Option14->setChecked(true);
    ray->Option9->setChecked(true);
    ray->Option11->setChecked(true);

    ray->Command4->click(); // "Menu"
    EXPECT_TRUE(start.isVisible());
    EXPECT_FALSE(ray->isVisible());
    start.Command4->click();
    start.Command4_Click(); // a second "Start" while it is open
    EXPECT_EQ(Navigation::Get().LoadedRayForm(), ray);
    EXPECT_TRUE(ray->isVisible());
    EXPECT_TRUE(ray->Option6->isChecked());
    EXPECT_EQ(ray->model.reflCount, 3);
    EXPECT_EQ(ray->model.colourIndex, 3);
    EXPECT_EQ(ray->model.material, 1);
    EXPECT_EQ(ray->model.showReflected, 2);
    EXPECT_EQ(ray->model.rayLength, 20000);
    EXPECT_FLOAT_EQ(ray->Picture3->ScaleLeft(), -22540);

    ray->Command4->click();
    start.Command3->click();
    start.Command3->click();
    Form5 *wave = Navigation::Get().LoadedWaveForm();
    ASSERT_NE(wave, nullptr);
    EXPECT_TRUE(start.isVisible()); // the wave model opens beside it
    int rayWindows = 0, waveWindows = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        rayWindows += qobject_cast<form2 *>(w) != nullptr;
        waveWindows += qobject_cast<Form5 *>(w) != nullptr;
    }
    EXPECT_EQ(rayWindows, 1);
    EXPECT_EQ(waveWindows, 1);
}

TEST_F(TavrinWindows, EveryEndPathEndsTheProgramWithStatusZero)
{
    struct Path {
        const char *name;
        bool openRay, openWave;
        std::function<void()> act;
    };
    auto &w = Navigation::Get();
    const Path paths[] = {
        {"End at once", false, false, [&w] { w.StartForm().Command1->click(); }},
        {"End with both models open", true, true, [&w] { w.StartForm().Command1->click(); }},
        {"close the start window", false, true, [&w] { w.StartForm().close(); }},
        {"close the hidden start window", true, false, [&w] { w.StartForm().close(); }},
        {"close the ray model", true, false, [&w] { w.RayForm().close(); }},
        {"close the wave model", true, true, [&w] { w.WaveForm().close(); }},
    };
    for (const Path &p : paths) {
        SetUp();
        w.StartForm().show();
        if (p.openWave) w.StartForm().Command3->click();
        if (p.openRay) w.StartForm().Command4->click();
        QTimer::singleShot(0, p.act);
        EXPECT_EQ(RunUntilEnd(), 0) << p.name;
        EXPECT_TRUE(EndRequested()) << p.name;
        for (QWidget *top : QApplication::topLevelWidgets()) EXPECT_FALSE(top->isVisible()) << p.name;
    }
}

TEST_F(TavrinWindows, RayWindowOpensWithOnlyTheOutlineTheHelpAndTheTicks)
{
    form2 &f = Navigation::Get().RayForm();
    Settle();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Regenbogen: Strahlenmodell (Huygens)"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(f.height(), 0.95 * screen.height(), 1);
    EXPECT_NEAR(f.width(), 0.95 * screen.width(), 1);
    EXPECT_NEAR(f.x(), (screen.width() - f.width()) / 2, 1);
    for (QRadioButton *o : {f.Option1, f.Option3, f.Option8, f.Option10, f.Option13}) EXPECT_TRUE(o->isChecked());
    EXPECT_TRUE(f.Label6->isVisible());
    EXPECT_TRUE(SceneShowsOnlyTheOutline(f));
    EXPECT_TRUE(StripShowsOnlyTheTicks(f));
    EXPECT_TRUE(ClippedTexts(&f).isEmpty()) << ClippedTexts(&f).join(QLatin1Char('\n')).toStdString();
    // The degree labels' strip reaches under the scene by design.
    EXPECT_TRUE(OverlappingControls(&f, {{f.Picture2, f.Picture3}}).isEmpty())
        << OverlappingControls(&f, {{f.Picture2, f.Picture3}}).join(QLatin1Char('\n')).toStdString();
    // Everything in the left column lies left of the strip.
    for (QWidget *w : {static_cast<QWidget *>(f.Command4), static_cast<QWidget *>(f.Frame3D2),
                       static_cast<QWidget *>(f.Frame3D1), static_cast<QWidget *>(f.Frame3D3),
                       static_cast<QWidget *>(f.Frame3D4), static_cast<QWidget *>(f.Frame3D5),
                       static_cast<QWidget *>(f.Frame3D6)})
        EXPECT_LE(w->geometry().right(), f.Picture1->x()) << w->objectName().toStdString();

    // The load scale draws the drop 3254/3400 as wide as high; "Details"
    // makes it round, "Überblick" a tenth the size.
    const auto ratio = [&f] { return f.Picture3->Map().PixelsPerUnitX() / f.Picture3->Map().PixelsPerUnitY(); };
    EXPECT_NEAR(ratio(), 3254.0 / 3400, 0.01);
    EXPECT_FLOAT_EQ(f.Picture3->ScaleTop(), -1000);
    EXPECT_FLOAT_EQ(f.Picture3->ScaleHeight(), 3000);
    f.Option11->setChecked(true);
    EXPECT_FLOAT_EQ(f.Picture3->ScaleLeft(), -22540);
    EXPECT_FLOAT_EQ(f.Picture3->ScaleHeight(), 30000);
    EXPECT_NEAR(ratio(), 1, 0.01);
    f.Option10->setChecked(true);
    EXPECT_FLOAT_EQ(f.Picture3->ScaleLeft(), -2254);
    EXPECT_NEAR(ratio(), 1, 0.01);
    EXPECT_TRUE(SceneShowsOnlyTheOutline(f));
}

TEST_F(TavrinWindows, PressesOutsideTheDropDrawNothingAndRightDragsDrawNoFan)
{
    form2 &f = Navigation::Get().RayForm();
    Settle();
    Picture *scene = f.Picture3;
    const QImage sceneBefore = scene->Image().copy(), stripBefore = f.Picture1->Image().copy();
    for (double y : {-900.0, 805.0, 1500.0}) QTest::mouseClick(scene, Qt::LeftButton, {}, PixelOf(scene, -1500, y));
    for (double y : {800.0, -800.0}) { // level with the top and bottom
        f.Picture3_MouseDown(kRightButton, 0, 0, y);
        f.Picture3_MouseUp(kRightButton, 0, 0, y);
    }
    EXPECT_FALSE(f.Label6->isVisible());
    EXPECT_EQ(scene->Image(), sceneBefore);
    EXPECT_EQ(f.Picture1->Image(), stripBefore);

    // A right press places one ray; moving with the right button held adds
    // nothing, nor with both held.
    const QPoint bow = PixelOf(scene, -1500, -689);
    SendMouse(scene, QEvent::MouseButtonPress, bow, Qt::RightButton, Qt::RightButton);
    const QImage oneRay = scene->Image().copy();
    EXPECT_NE(oneRay, sceneBefore);
    EXPECT_TRUE(ColourNear(f.Picture1, 75, 1850 - 30 * 42.34, qRgb(255, 0, 0))); // red, at the bow
    for (int dy = 5; dy <= 60; dy += 5) {
        SendMouse(scene, QEvent::MouseMove, bow + QPoint(0, dy), Qt::NoButton, Qt::RightButton);
        SendMouse(scene, QEvent::MouseMove, bow - QPoint(0, dy), Qt::NoButton, Qt::RightButton | Qt::LeftButton);
    }
    EXPECT_EQ(scene->Image(), oneRay);
    SendMouse(scene, QEvent::MouseButtonRelease, bow, Qt::RightButton, Qt::NoButton);

    // With the left button every move sends a ray.
    SendMouse(scene, QEvent::MouseButtonPress, bow, Qt::LeftButton, Qt::LeftButton);
    const QImage pressed = scene->Image().copy();
    SendMouse(scene, QEvent::MouseMove, bow + QPoint(0, 40), Qt::NoButton, Qt::LeftButton);
    EXPECT_NE(scene->Image(), pressed);
    SendMouse(scene, QEvent::MouseButtonRelease, bow, Qt::LeftButton, Qt::NoButton);
}

TEST_F(TavrinWindows, OptionsAndClsButtonsWipeWhatTheyShould)
{
    form2 &f = Navigation::Get().RayForm();
    Settle();
    f.Picture3_MouseDown(kLeftButton, 0, 0, -600);
    f.Option4->setChecked(true); // green: nothing wiped
    f.Option14->setChecked(true); // glass: nothing wiped either
    EXPECT_FALSE(SceneShowsOnlyTheOutline(f));
    f.Picture3_MouseDown(kLeftButton, 0, 0, -500);
    EXPECT_EQ(f.model.refrIndex, 1.513);
    EXPECT_TRUE(HasColour(f.Picture3, qRgb(0, 255, 0)));
    EXPECT_TRUE(HasColour(f.Picture3, qRgb(255, 0, 0)));

    f.Option6->setChecked(true); // "3 " wipes the rays, not the strip
    EXPECT_EQ(f.model.reflCount, 3);
    EXPECT_TRUE(SceneShowsOnlyTheOutline(f));
    f.Picture3_MouseDown(kLeftButton, 0, 0, -500);
    f.Option9->setChecked(true);
    EXPECT_TRUE(SceneShowsOnlyTheOutline(f));

    // The scene's "cls" brings the help back and leaves the strip's marks.
    f.Picture3_MouseDown(kLeftButton, 0, 0, -500);
    f.Option1->setChecked(true);
    f.Option3->setChecked(true);
    f.Option13->setChecked(true);
    f.Picture3_MouseDown(kLeftButton, 0, 0, -689);
    f.Command2->click();
    EXPECT_TRUE(f.Label6->isVisible());
    EXPECT_TRUE(SceneShowsOnlyTheOutline(f));
    EXPECT_TRUE(ColourNear(f.Picture1, 75, 1850 - 30 * 42.34, qRgb(255, 0, 0)));
    EXPECT_FALSE(StripShowsOnlyTheTicks(f));
    f.Command3->click();
    EXPECT_TRUE(StripShowsOnlyTheTicks(f));
}

// The slow sweep shows its rays one by one, at least 25 ms apart, and
// handles what the user does meanwhile only once it has ended.
TEST_F(TavrinWindows, SlowSweepBuildsUpVisiblyAndHoldsInputUntilItEnds)
{
    form2 &f = Navigation::Get().RayForm();
    Settle();
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    f.Picture1->installEventFilter(&counter);

    bool heldDuringSweep = false;
    QTimer::singleShot(300, [&f] {
        QTest::mouseClick(f.Picture3, Qt::LeftButton, {}, PixelOf(f.Picture3, -1500, 1500));
        QTest::mouseClick(f.Option2, Qt::LeftButton, {}, QPoint(5, f.Option2->height() / 2));
    });
    QTimer::singleShot(600, [&f, &heldDuringSweep] {
        heldDuringSweep = f.Sweeping() && f.model.reflCount == 1 && f.Label6->isVisible();
    });
    QElapsedTimer clock;
    clock.start();
    f.Command6->click();
    const qint64 took = clock.elapsed();

    EXPECT_GE(took, 134 * 25 - 10);
    EXPECT_LT(took, 134 * 25 * 3);
    EXPECT_GE(counter.paints, 67); // the strip was shown at least every other ray
    EXPECT_TRUE(heldDuringSweep);
    EXPECT_FALSE(f.Sweeping());
    Settle();
    EXPECT_EQ(f.model.reflCount, 2); // the held click on "2 " came through
    EXPECT_TRUE(f.Option2->isChecked());
    EXPECT_FALSE(f.Label6->isVisible()); // and so did the press
}

// A close during a sweep ends the program at once: the sweep stops before
// its last ray, and the input held until then is dropped.
TEST_F(TavrinWindows, CloseDuringASlowSweepEndsTheProgramAtOnce)
{
    form2 &f = Navigation::Get().RayForm();
    f.Option2->setChecked(true); // 80 rays, the last at b = 799
    Settle();
    QTimer::singleShot(0, [&f] { f.Command6->click(); });
    QTimer::singleShot(150, [&f] { QTest::mouseClick(f.Option1, Qt::LeftButton, {}, QPoint(5, f.Option1->height() / 2)); });
    QTimer::singleShot(300, [&f] { f.close(); });
    EXPECT_EQ(RunUntilEnd(), 0);
    EXPECT_TRUE(EndRequested());
    EXPECT_FALSE(f.Sweeping());
    EXPECT_LT(f.model.curY, 790);
    EXPECT_EQ(f.model.reflCount, 2);
    EXPECT_FALSE(f.isVisible());
}

// While input is held, presses of the buttons that start a run queue one
// run at most, whether they come through the window or to the button, by
// mouse or by key; the rest of the input keeps its order. A close goes
// through at once and drops what was held.
TEST_F(TavrinWindows, HeldInputQueuesOneRunAndYieldsToAClose)
{
    Form top;
    auto *slow = new QPushButton(QStringLiteral("slow"), &top);
    auto *fast = new QPushButton(QStringLiteral("fast"), &top);
    auto *option = new QPushButton(QStringLiteral("option"), &top);
    slow->setGeometry(0, 0, 80, 30);
    fast->setGeometry(0, 40, 80, 30);
    option->setGeometry(0, 80, 80, 30);
    top.resize(100, 120);
    top.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
    QStringList clicked;
    for (QPushButton *b : {slow, fast, option})
        QObject::connect(b, &QPushButton::clicked, [&clicked, b] { clicked << b->text(); });
    const auto viaWindow = [&top](QWidget *w) {
        QTest::mouseClick(top.windowHandle(), Qt::LeftButton, {}, w->mapTo(&top, w->rect().center()));
    };

    {
        InputHold hold({slow, fast});
        viaWindow(slow);
        viaWindow(option);
        viaWindow(slow);
        QTest::keyClick(slow, Qt::Key_Space);
        viaWindow(fast);
        QTest::mouseClick(slow, Qt::LeftButton);
        viaWindow(option);
        EXPECT_TRUE(clicked.isEmpty());
    }
    Settle();
    EXPECT_EQ(clicked, QStringList({"slow", "option", "option"}));

    clicked.clear();
    bool closed = false;
    QObject::connect(&top, &Form::Unload, [&closed] { closed = true; });
    {
        InputHold hold({slow, fast});
        viaWindow(option);
        top.close();
        EXPECT_TRUE(closed && hold.Closing());
        viaWindow(slow);
    }
    Settle();
    EXPECT_TRUE(clicked.isEmpty());
}

TEST_F(TavrinWindows, FastSweepWipesTheRaysHidesTheHelpAndKeepsTheMarks)
{
    form2 &f = Navigation::Get().RayForm();
    Settle();
    f.Picture3_MouseDown(kLeftButton, 0, 0, -689);
    f.Picture3_MouseUp(kLeftButton, 0, 0, -689);
    f.Command2->click(); // help back, the bow's mark stays
    f.Option2->setChecked(true);
    QElapsedTimer clock;
    clock.start();
    f.Command7->click();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(f.Label6->isVisible());
    EXPECT_TRUE(ColourNear(f.Picture1, 75, 1850 - 30 * 42.34, qRgb(255, 0, 0)));
    // The secondary bow's dots lie between about 50.4° and 60°.
    const QImage &strip = f.Picture1->Image();
    const double dpr = strip.devicePixelRatio();
    const ScaleMap m = f.Picture1->Map();
    const double markRow = m.ToPixelY(1850 - 30 * 42.34) * dpr;
    int above = 0, below = 0;
    for (int y = 0; y < strip.height(); ++y) {
        if (std::fabs(y - markRow) <= 2 * dpr) continue; // the hand-placed ray's mark
        for (int x = 0; x < int(m.ToPixelX(150) * dpr); ++x)
            if ((strip.pixel(x, y) & 0xffffff) == 0xff0000u) (m.ToUserY(y / dpr) < 1850 - 30 * 50.3 ? above : below)++;
    }
    EXPECT_GT(above, 20);
    EXPECT_EQ(below, 0);
    EXPECT_FALSE(SceneShowsOnlyTheOutline(f));
}
