// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/export/control_boxes.h"

#include "common/widgets/frame_title.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStyleOptionSlider>
#include <cstdlib>

namespace rb {

Color FromQColor(const QColor &c) { return RGB(c.red(), c.green(), c.blue()); }

QStyleOptionComboBox ComboOption(const QComboBox *c)
{
    QStyleOptionComboBox o;
    o.initFrom(c);
    o.editable = c->isEditable();
    o.currentText = c->currentText();
    o.subControls = QStyle::SC_All;
    return o;
}

namespace {

SvgBox Box(const QRectF &r, Color fill, Color stroke)
{
    SvgBox b;
    b.left = r.left();
    b.top = r.top();
    b.width = r.width();
    b.height = r.height();
    b.fill = fill;
    b.stroke = stroke;
    return b;
}

QStyleOptionSlider SliderOption(const QScrollBar *bar)
{
    QStyleOptionSlider o;
    o.initFrom(bar);
    o.subControls = QStyle::SC_All;
    o.orientation = bar->orientation();
    o.minimum = bar->minimum();
    o.maximum = bar->maximum();
    o.sliderPosition = bar->sliderPosition();
    o.sliderValue = bar->value();
    o.singleStep = bar->singleStep();
    o.pageStep = bar->pageStep();
    o.upsideDown = bar->invertedAppearance();
    if (o.orientation == Qt::Horizontal) o.state |= QStyle::State_Horizontal;
    return o;
}

// A control as its style paints it, to take the colours of its parts from.
class Look {
public:
    explicit Look(const QImage &image, double dpr) : image_(image), dpr_(dpr) {}
    explicit Look(const QWidget *w) : Look(const_cast<QWidget *>(w)->grab().toImage(), w->devicePixelRatioF()) {}

    // The colour at a point in the control's logical pixels, seen over
    // `under` where the control paints it translucent or not at all.
    Color At(QPointF p, Color under) const
    {
        const QPoint d(int(p.x() * dpr_), int(p.y() * dpr_));
        if (!image_.valid(d)) return under;
        const QRgb v = image_.pixel(d);
        const int a = qAlpha(v);
        const auto mix = [a](int top, int bottom) { return (top * a + bottom * (255 - a) + 127) / 255; };
        return RGB(mix(qRed(v), RedOf(under)), mix(qGreen(v), GreenOf(under)), mix(qBlue(v), BlueOf(under)));
    }

private:
    QImage image_;
    double dpr_;
};

// A frame's border where the style paints it: some styles draw it through
// the title's middle, others below the title.
QRectF PaintedFrame(const QGroupBox *g, QImage &painted)
{
    const double dpr = g->devicePixelRatioF();
    painted = QImage((QSizeF(g->size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    painted.setDevicePixelRatio(dpr);
    painted.fill(Qt::transparent);
    QStyleOptionGroupBox opt = FrameOption(g, g->width());
    opt.subControls = QStyle::SC_GroupBoxFrame;
    QPainter p(&painted);
    g->style()->drawComplexControl(QStyle::CC_GroupBox, &opt, &p, g);
    p.end();
    QRect ink;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x)
            if (qAlpha(painted.pixel(x, y)) != 0) ink |= QRect(x, y, 1, 1);
    return QRectF(ink.x() / dpr, ink.y() / dpr, ink.width() / dpr, ink.height() / dpr);
}

// A box painted as the control's part in `local` is: its edge and its
// ground in the colours the style gives them.
SvgBox PartBox(const Look &look, const QRectF &local, QPointF at, Color back)
{
    SvgBox b = Box(local.translated(at), look.At(local.center() + QPointF(0, local.height() / 2 - 3), back),
                   look.At(QPointF(local.center().x(), local.top()), back));
    return b;
}

// The ring round the control that has the keyboard, where the style draws
// one: its edge, painted under the parts that lie on it, `seen` in the ring's colour.
void AddFocusRing(std::vector<SvgItem> &items, const QWidget *w, const QRectF &r, Color seen)
{
    const Color ring_ = FromQColor(w->palette().color(QPalette::Highlight));
    const auto near = [](int a, int b) { return std::abs(a - b) <= 48; };
    if (!w->hasFocus() || !near(RedOf(seen), RedOf(ring_)) || !near(GreenOf(seen), GreenOf(ring_)) ||
        !near(BlueOf(seen), BlueOf(ring_)))
        return;
    SvgBox ring = Box(r, RGB(255, 255, 255), ring_);
    ring.hollow = true;
    items.push_back(ring);
}

void AddScrollBar(std::vector<SvgItem> &items, const QScrollBar *bar, QPointF at, Color back)
{
    const Look look(bar);
    const QStyleOptionSlider opt = SliderOption(bar);
    const auto part = [&](QStyle::SubControl sc) {
        return QRectF(bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, sc, bar));
    };
    const bool across = bar->orientation() == Qt::Horizontal;
    const QRectF page = part(QStyle::SC_ScrollBarAddPage).isEmpty() ? part(QStyle::SC_ScrollBarSubPage)
                                                                      : part(QStyle::SC_ScrollBarAddPage);
    const QRectF all(QPointF(0, 0), QSizeF(bar->size()));
    SvgBox trough = Box(all.translated(at), look.At(page.center(), back),
                        look.At(across ? QPointF(page.center().x(), 0) : QPointF(0, page.center().y()), back));
    items.push_back(trough);
    const auto step = [&](QStyle::SubControl sc, SvgBox::Arrow arrow) {
        const QRectF r = part(sc);
        SvgBox b = Box(r.translated(at), look.At(r.topLeft() + QPointF(r.width() / 4, r.height() / 4), back),
                       look.At(across ? QPointF(sc == QStyle::SC_ScrollBarSubLine ? r.right() - 0.5 : r.left(),
                                                r.center().y())
                                      : QPointF(r.center().x(), sc == QStyle::SC_ScrollBarSubLine ? r.bottom() - 0.5
                                                                                                : r.top()),
                               back));
        b.arrow = arrow;
        b.ink = look.At(r.center(), FromQColor(bar->palette().color(QPalette::Mid)));
        items.push_back(b);
    };
    step(QStyle::SC_ScrollBarSubLine, across ? SvgBox::Left : SvgBox::Up);
    step(QStyle::SC_ScrollBarAddLine, across ? SvgBox::Right : SvgBox::Down);
    const QRectF thumb = part(QStyle::SC_ScrollBarSlider);
    items.push_back(Box(thumb.translated(at), look.At(thumb.center(), back),
                        look.At(across ? QPointF(thumb.left(), thumb.center().y())
                                       : QPointF(thumb.center().x(), thumb.top()),
                                back)));
    AddFocusRing(items, bar, all.translated(at), trough.stroke);
}

} // namespace

// Outlines for the controls that are not pictures: buttons, text boxes,
// scroll bars with their thumbs, frames, check boxes and option rings, and
// labels that fill their background, in the colours their style paints.
void AddControlBoxes(std::vector<SvgItem> &items, const QWidget *w, const QRectF &r)
{
    const Color back = FromQColor(w->palette().color(w->backgroundRole()));
    const Color ink = FromQColor(w->palette().color(w->foregroundRole()));
    const QPointF at = r.topLeft();
    const QRectF local(QPointF(0, 0), r.size());
    if (const auto *g = qobject_cast<const QGroupBox *>(w)) {
        QImage painted;
        const QRectF frame = PaintedFrame(g, painted);
        if (frame.isEmpty()) return;
        const Look look(painted, g->devicePixelRatioF());
        items.push_back(Box(frame.translated(at), look.At(frame.center(), back),
                            look.At(QPointF(frame.left(), frame.center().y()), back)));
        // Where the border runs through the title, the style leaves it open.
        const QRectF title = FrameTitleRect(g);
        if (!g->title().isEmpty() && title.top() <= frame.top() && frame.top() <= title.bottom()) {
            SvgBox ground = Box(title.translated(at), back, back);
            ground.outlined = false;
            items.push_back(ground);
        }
    } else if (const auto *bar = qobject_cast<const QScrollBar *>(w)) {
        AddScrollBar(items, bar, at, back);
    } else if (const auto *c = qobject_cast<const QComboBox *>(w)) {
        const Look look(w);
        items.push_back(PartBox(look, local, at, back));
        const QStyleOptionComboBox opt = ComboOption(c);
        const QRectF arrow = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxArrow, c);
        SvgBox b = Box(arrow.translated(at), look.At(arrow.topLeft() + QPointF(1, 1), back), back);
        b.stroke = b.fill;
        b.arrow = SvgBox::Down;
        b.ink = look.At(arrow.center(), ink);
        items.push_back(b);
    } else if (qobject_cast<const QPushButton *>(w) || qobject_cast<const QLineEdit *>(w)) {
        // A focus ring the style draws is the edge seen there.
        items.push_back(PartBox(Look(w), local, at, back));
    } else if (const auto *o = qobject_cast<const QRadioButton *>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(o);
        const QRectF ring = o->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, o);
        const Look look(w);
        SvgBox b = Box(ring.translated(at), look.At(ring.center() + QPointF(0, ring.height() / 4), back),
                       look.At(QPointF(ring.left() + 0.5, ring.center().y()), ink));
        b.round = true;
        b.marked = o->isChecked();
        b.ink = look.At(ring.center(), ink);
        items.push_back(b);
    } else if (const auto *c = qobject_cast<const QCheckBox *>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(c);
        const QRectF box = c->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, c);
        const Look look(w);
        SvgBox b = Box(box.translated(at), FromQColor(c->palette().color(QPalette::Base)),
                       look.At(QPointF(box.left(), box.center().y()), ink));
        b.ticked = c->isChecked();
        b.ink = ink;
        items.push_back(b);
    } else if (w->autoFillBackground()) {
        items.push_back(Box(r, back, back));
    }
}

} // namespace rb
