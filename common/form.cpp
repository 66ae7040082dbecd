#include "form.h"

#include "units.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <cmath>

namespace rb {

Form::Form(QWidget *parent) : Picture(parent) { setWindowFlag(Qt::Window, true); }

void Form::SetOuterGeometryTwips(double left, double top, double width, double height)
{
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const int x = int(std::lround(TwipsToPixels(left)));
    const int y = int(std::lround(TwipsToPixels(top)));
    const int w = std::max(1, int(std::lround(TwipsToPixels(width))));
    const int h = std::max(1, int(std::lround(TwipsToPixels(height))));
    resize(w, h);
    move(x, y);
}

void Form::MoveTwips(double left, double top)
{
    move(int(std::lround(TwipsToPixels(left))), int(std::lround(TwipsToPixels(top))));
}

double Form::LeftTwips() const { return PixelsToTwips(x()); }
double Form::TopTwips() const { return PixelsToTwips(y()); }
double Form::WidthTwips() const { return PixelsToTwips(width()); }
double Form::HeightTwips() const { return PixelsToTwips(height()); }

void Form::FreezeSize() { setFixedSize(size()); }

void Form::BringToUser()
{
    // show() alone leaves a minimised window minimised and a covered one
    // covered: the user would see nothing happen.
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    // A headless screen has no stacking order to change.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();
    activateWindow();
}

void Form::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit Unload();
}

} // namespace rb
