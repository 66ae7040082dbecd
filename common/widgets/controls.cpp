// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/controls.h"

#include "common/widgets/fonts.h"
#include "common/widgets/frame_title.h"
#include "common/widgets/scroll_bar.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <algorithm>
#include <cmath>

namespace rb {

namespace {
void SetBackground(QWidget *w, Color c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor(RedOf(c), GreenOf(c), BlueOf(c)));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

// Width and height the text of a label needs at the label's width.
QSize LabelNeed(const QLabel *l)
{
    const QRect cr = l->contentsRect();
    const QFontMetrics fm(l->font());
    const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect need = fm.boundingRect(QRect(0, 0, std::max(1, cr.width()), 100000), flags, l->text());
    return need.size();
}

// Width and height a push button needs for its text. The style's own size
// hint adds a minimum width for looks; a narrow button shows "cls" whole.
QSize ButtonNeed(const QPushButton *b)
{
    const QFontMetrics fm(b->font());
    const QStyle *st = b->style();
    const int margins = st->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) +
                        2 * st->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
    const QSize text = fm.size(Qt::TextShowMnemonic, b->text());
    return {text.width() + margins, fm.height()};
}

QSize ButtonNeed(const QAbstractButton *b)
{
    if (auto *p = qobject_cast<const QPushButton *>(b)) return ButtonNeed(p);
    return {b->sizeHint().width(), QFontMetrics(b->font()).height()};
}

// A frame's contents keep this much room from its lower and right edges.
constexpr int kFrameMargin = 3;
// The narrowest a label's face is condensed to make its text fit.
constexpr int kNarrowestStretch = 85;
} // namespace

QLabel *MakeLabel(QWidget *parent, const QString &text, FontSpec font, Color back)
{
    auto *l = new QLabel(text, parent);
    l->setFont(UiFont(font.points, font.bold));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setContentsMargins(0, 0, 0, 0);
    SetBackground(l, back);
    return l;
}

QLabel *MakeClearLabel(QWidget *parent, const QString &text, FontSpec font)
{
    auto *l = new QLabel(text, parent);
    l->setFont(UiFont(font.points, font.bold));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setContentsMargins(0, 0, 0, 0);
    l->setAutoFillBackground(false);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

QPushButton *MakeButton(QWidget *parent, const QString &text, FontSpec font)
{
    auto *b = new QPushButton(text, parent);
    b->setFont(UiFont(font.points, font.bold));
    return b;
}

QRadioButton *MakeOption(QWidget *parent, const QString &text, FontSpec font, bool selected)
{
    auto *o = new QRadioButton(text, parent);
    o->setFont(UiFont(font.points, font.bold));
    o->setChecked(selected);
    return o;
}

QGroupBox *MakeFrame(QWidget *parent, const QString &title, FontSpec font)
{
    auto *g = new QGroupBox(title, parent);
    g->setFont(UiFont(font.points, font.bold));
    return g;
}

QLineEdit *MakeTextBox(QWidget *parent, const QString &text, FontSpec font)
{
    auto *t = new QLineEdit(text, parent);
    t->setFont(UiFont(font.points, font.bold));
    t->setTextMargins(1, 0, 1, 0);
    return t;
}

QScrollBar *MakeScrollBar(QWidget *parent, Qt::Orientation o, int min, int max, int smallChange,
                          int largeChange, int value)
{
    auto *s = new ScrollBar(o, parent);
    s->setRange(min, max);
    s->setSingleStep(smallChange);
    s->setPageStep(largeChange);
    s->setValue(value);
    s->setTracking(false);
    return s;
}

void FitText(QWidget *w)
{
    if (auto *l = qobject_cast<QLabel *>(w)) {
        if (!l->wordWrap()) {
            const QSize need = LabelNeed(l);
            l->resize(std::max(l->width(), need.width()), std::max(l->height(), need.height()));
            return;
        }
        // Widen only as far as the longest word needs, then let it wrap.
        const QFontMetrics fm(l->font());
        int longest = 0;
        for (const QString &word : l->text().split(QRegularExpression(QStringLiteral("\\s+"))))
            longest = std::max(longest, fm.horizontalAdvance(word));
        if (longest > l->contentsRect().width()) l->resize(longest + 1, l->height());
        const QSize need = LabelNeed(l);
        if (need.height() > l->contentsRect().height()) l->resize(l->width(), need.height());
        return;
    }
    if (auto *g = qobject_cast<QGroupBox *>(w)) {
        const int need = FrameTitleWidth(g);
        if (need > g->width()) g->resize(need, g->height());
        return;
    }
    if (auto *b = qobject_cast<QAbstractButton *>(w)) {
        const QSize need = ButtonNeed(b);
        b->resize(std::max(b->width(), need.width()), std::max(b->height(), need.height()));
        return;
    }
    if (auto *t = qobject_cast<QLineEdit *>(w)) {
        const QFontMetrics fm(t->font());
        const int need = fm.horizontalAdvance(t->text()) + 8;
        const int needH = fm.height() + 2;
        t->resize(std::max(t->width(), need), std::max(t->height(), needH));
    }
}

bool TextFits(const QWidget *w)
{
    if (auto *l = qobject_cast<const QLabel *>(w)) {
        const QSize need = LabelNeed(l);
        const QRect cr = l->contentsRect();
        return need.width() <= cr.width() && need.height() <= cr.height();
    }
    if (auto *g = qobject_cast<const QGroupBox *>(w)) return FrameTitleFits(g);
    if (auto *b = qobject_cast<const QAbstractButton *>(w)) {
        const QSize need = ButtonNeed(b);
        return need.width() <= b->width() && need.height() <= b->height();
    }
    if (auto *t = qobject_cast<const QLineEdit *>(w)) {
        const QFontMetrics fm(t->font());
        return fm.horizontalAdvance(t->text()) + 6 <= t->width() && fm.height() <= t->height();
    }
    return true;
}

void FitTextInColumn(QWidget *w, int right)
{
    auto *l = qobject_cast<QLabel *>(w);
    if (l && l->font().stretch() != QFont::AnyStretch) { // laid out again
        QFont f = l->font();
        f.setStretch(QFont::AnyStretch);
        l->setFont(f);
    }
    FitText(w);
    if (w->x() + w->width() <= right) return;
    w->resize(std::max(1, right - w->x()), w->height());
    if (!l || l->wordWrap() || TextFits(l)) return;
    // A single word wider than the column: the same face, a little narrower.
    QFont f = l->font();
    for (int stretch = 99; stretch >= kNarrowestStretch && !TextFits(l); --stretch) {
        f.setStretch(stretch);
        l->setFont(f);
    }
}

void FitFrame(QGroupBox *frame, int maxWidth)
{
    // Wider for a title that then fits on one line; else the title wraps.
    const int need = FrameTitleWidth(frame);
    if (need > frame->width() && need <= maxWidth) frame->resize(need, frame->height());
    if (frame->width() > maxWidth) frame->resize(std::max(1, maxWidth), frame->height());
    WrapFrameTitle(frame);

    // The rows stand at fixed places from the frame's corner. Below a title
    // that wraps they move down; where the frame is too low for them, they
    // move closer together in proportion; a control wider than the frame is
    // narrowed. So every row stays inside its frame and can be reached. On
    // the screens the windows were made for nothing moves.
    const QList<QWidget *> rows = frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    if (rows.isEmpty()) return;
    int top = frame->height(), lastTop = 0, bottom = 0;
    for (const QWidget *w : rows) {
        top = std::min(top, w->y());
        lastTop = std::max(lastTop, w->y());
        bottom = std::max(bottom, w->geometry().bottom() + 1);
    }
    const bool wraps = !frame->title().isEmpty() && FrameTitleWidth(frame) > frame->width();
    const int firstTop = wraps ? std::max(top, FrameTitleRect(frame).bottom() + 1) : top;
    const int lastBottom = std::min(frame->height() - kFrameMargin, bottom + (firstTop - top));
    // The tops map from [top, lastTop] to [firstTop, lastBottom less the last row].
    const double squeeze =
        lastTop > top ? std::min(1.0, double(lastBottom - (bottom - lastTop) - firstTop) / (lastTop - top)) : 1.0;
    for (QWidget *w : rows) {
        QRect g = w->geometry();
        if (firstTop != top || squeeze < 1.0) g.moveTop(firstTop + int(std::floor((g.top() - top) * squeeze)));
        g.setRight(std::min(g.right(), frame->width() - kFrameMargin - 1));
        w->setGeometry(g);
    }
}

} // namespace rb
