// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tests/windows/text_fit.h"

#include "common/widgets/controls.h"
#include "common/widgets/frame_title.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QRadioButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>

namespace rb::testing {

QString TextOf(const QWidget *w)
{
    if (auto *l = qobject_cast<const QLabel *>(w)) return l->text();
    if (auto *b = qobject_cast<const QAbstractButton *>(w)) return b->text();
    if (auto *g = qobject_cast<const QGroupBox *>(w)) return g->title();
    if (auto *t = qobject_cast<const QLineEdit *>(w)) return t->text();
    return {};
}

namespace {
// A control must also lie inside its parent, or its text is cut off there.
bool InsideParent(const QWidget *w)
{
    const QWidget *p = w->parentWidget();
    return !p || p->rect().contains(w->geometry());
}
// The part of a control that shows, in its parent's coordinates.
QRect Visible(const QWidget *w)
{
    const QRect g = w->geometry();
    if (auto *l = qobject_cast<const QLabel *>(w)) {
        const QFontMetrics fm(l->font());
        const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        return fm.boundingRect(l->contentsRect(), flags, l->text()).translated(g.topLeft()).intersected(g);
    }
    if (auto *o = qobject_cast<const QRadioButton *>(w)) {
        const int h = std::min(g.height(), QFontMetrics(o->font()).height());
        return QRect(g.x(), g.y() + (g.height() - h) / 2, std::min(g.width(), o->sizeHint().width()), h);
    }
    return g;
}

QString Name(const QWidget *w)
{
    const QString text = TextOf(w);
    return text.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : QStringLiteral("'%1'").arg(text);
}
} // namespace

QStringList OverlappingControls(const QWidget *window, const std::vector<Overlap> &designed)
{
    QStringList out;
    const auto meant = [&designed](const QWidget *a, const QWidget *b) {
        return std::find(designed.begin(), designed.end(), Overlap{a, b}) != designed.end() ||
               std::find(designed.begin(), designed.end(), Overlap{b, a}) != designed.end();
    };
    QList<const QWidget *> parents{window};
    for (const QWidget *w : window->findChildren<QWidget *>()) parents << w;
    for (const QWidget *parent : parents) {
        QList<const QWidget *> kids;
        for (const QWidget *w : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (w->isVisibleTo(window) && !w->isWindow()) kids << w;
        for (int i = 0; i < kids.size(); ++i)
            for (int j = i + 1; j < kids.size(); ++j)
                if (Visible(kids[i]).intersects(Visible(kids[j])) && !meant(kids[i], kids[j]))
                    out << QStringLiteral("%1 overlaps %2").arg(Name(kids[i]), Name(kids[j]));
        if (auto *frame = qobject_cast<const QGroupBox *>(parent); frame && !frame->title().isEmpty())
            for (const QWidget *w : kids)
                if (Visible(w).intersects(FrameTitleRect(frame)))
                    out << QStringLiteral("%1 overlaps the title of %2").arg(Name(w), Name(frame));
    }
    return out;
}

QStringList ClippedTexts(const QWidget *window)
{
    QStringList out;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window)) continue;
        const QString text = TextOf(w);
        if (text.isEmpty()) continue;
        if (!TextFits(w))
            out << QStringLiteral("'%1' (%2x%3) does not fit").arg(text).arg(w->width()).arg(w->height());
        else if (!InsideParent(w))
            out << QStringLiteral("'%1' leaves its container").arg(text);
    }
    return out;
}

QStringList VisibleTexts(const QWidget *window)
{
    QStringList out{window->windowTitle()};
    for (const QWidget *w : window->findChildren<QWidget *>())
        if (w->isVisibleTo(window) && !TextOf(w).isEmpty()) out << TextOf(w);
    return out;
}

} // namespace rb::testing
