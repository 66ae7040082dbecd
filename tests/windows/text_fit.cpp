#include "text_fit.h"

#include "controls.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace rb::testing {

namespace {
QString TextOf(const QWidget *w)
{
    if (auto *l = qobject_cast<const QLabel *>(w)) return l->text();
    if (auto *b = qobject_cast<const QAbstractButton *>(w)) return b->text();
    if (auto *g = qobject_cast<const QGroupBox *>(w)) return g->title();
    if (auto *t = qobject_cast<const QLineEdit *>(w)) return t->text();
    return {};
}

// A control must also lie inside its parent, or its text is cut off there.
bool InsideParent(const QWidget *w)
{
    const QWidget *p = w->parentWidget();
    return !p || p->rect().contains(w->geometry());
}
} // namespace

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

} // namespace rb::testing
