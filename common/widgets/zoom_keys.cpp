// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A window following the presentation zoom: the keys that change it, the
// fonts, layout and pens taken up anew, and the note in the title.
#include "common/widgets/form.h"

#include "common/widgets/zoom.h"

#include <QApplication>
#include <QLocale>
#include <QShortcut>
#include <QVariant>
#include <algorithm>
#include <cmath>

namespace rb {

namespace {
// A font set on a control keeps its size relative to the zoom.
void ScaleFont(QWidget *w, double ratio)
{
    if (!w->testAttribute(Qt::WA_SetFont)) return;
    QFont f = w->font();
    if (!(f.resolveMask() & QFont::SizeResolved) || f.pointSizeF() <= 0) return;
    f.setPointSizeF(f.pointSizeF() * ratio);
    w->setFont(f);
}

// Controls a window places once, when it is made, keep their place in the
// design: their geometry at zoom 1 is remembered and scaled to the new zoom.
// Those the layout places are placed anew after this.
void ScaleGeometry(QWidget *w, double from)
{
    static const char *const kDesign = "rbDesignGeometry";
    QVariant design = w->property(kDesign);
    if (!design.isValid()) {
        const QRectF g(w->geometry());
        design = QRectF(g.topLeft() / from, g.size() / from);
        w->setProperty(kDesign, design);
    }
    const QRectF d = design.toRectF();
    const double z = Zoom();
    const int x = int(std::lround(d.left() * z)), y = int(std::lround(d.top() * z));
    w->setGeometry(x, y, std::max(1, int(std::lround(d.right() * z)) - x),
                   std::max(1, int(std::lround(d.bottom() * z)) - y));
}

QString ZoomText(double z) { return QLocale().toString(z, 'g', 3); }
} // namespace

void Form::AddZoomKeys()
{
    // Ctrl+= is where the plus lies without Shift on many keyboards.
    auto *in = new QShortcut(this);
    in->setKeys({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
                 QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)});
    connect(in, &QShortcut::activated, this, [] { StepZoom(+1); });
    auto *out = new QShortcut(this);
    out->setKeys({QKeySequence(Qt::CTRL | Qt::Key_Minus), QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)});
    connect(out, &QShortcut::activated, this, [] { StepZoom(-1); });
    auto *reset = new QShortcut(this);
    reset->setKeys({QKeySequence(Qt::CTRL | Qt::Key_0), QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_0)});
    connect(reset, &QShortcut::activated, this, [] { StepZoom(0); });
}

void Form::StepZoom(int direction)
{
    const double from = Zoom();
    // Steps go from the largest zoom a window has, not from a larger one
    // asked for earlier that did not fit: every press shows.
    double shown = from;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *form = qobject_cast<Form *>(top); form && form->isVisible())
            shown = std::max(shown, form->WindowZoom());
    const double grid = shown / kZoomStep;
    double wanted = kMinZoom;
    if (direction > 0) wanted = (std::floor(grid + 1e-9) + 1) * kZoomStep;
    if (direction < 0) wanted = (std::ceil(grid - 1e-9) - 1) * kZoomStep;
    SetProgramZoom(wanted);
}

void Form::SetProgramZoom(double requested)
{
    const double from = Zoom(), askedBefore = RequestedZoom();
    RequestZoom(requested);
    if (Zoom() != from) {
        QFont appFont = QApplication::font();
        appFont.setPointSizeF(appFont.pointSizeF() * Zoom() / from);
        QApplication::setFont(appFont);
    }
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<Form *>(top)) {
            // A window that grows beyond the program's zoom follows the
            // zoom asked for too.
            if (Zoom() != from || RequestedZoom() != askedBefore) form->FollowZoom(from);
            form->ShowZoomNote();
        }
    }
}

void Form::FollowZoom(double from)
{
    const double ratio = Zoom() / from;
    // The pictures keep what they show while the window changes size.
    HoldForZoom();
    for (Picture *p : findChildren<Picture *>()) p->HoldForZoom();
    ScaleFont(this, ratio);
    for (QWidget *w : findChildren<QWidget *>()) {
        ScaleFont(w, ratio);
        // A popup is placed when it opens.
        if (w->window() == this) ScaleGeometry(w, from);
    }
    LayOut();
    RefreshZoom();
    for (Picture *p : findChildren<Picture *>()) p->RefreshZoom();
}

void Form::ShowZoomNote()
{
    if (!titleNoted_) plainTitle_ = windowTitle();
    const double reached = WindowZoom(), asked = RequestedZoom();
    if (asked > kMinZoom && reached < asked - 0.005) {
        setWindowTitle(plainTitle_ + QStringLiteral("   ") +
                       tr("(Zoom %1 statt %2: größer passt es nicht auf den Bildschirm)")
                           .arg(ZoomText(reached), ZoomText(asked)));
        titleNoted_ = true;
    } else if (titleNoted_) {
        setWindowTitle(plainTitle_);
        titleNoted_ = false;
    }
}

} // namespace rb
