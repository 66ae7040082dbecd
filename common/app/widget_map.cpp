// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/app/widget_map.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSaveFile>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace rb {

namespace {

QString WidgetText(const QWidget *w)
{
    QString text;
    if (auto *b = qobject_cast<const QAbstractButton *>(w)) text = b->text();
    else if (auto *l = qobject_cast<const QLabel *>(w)) text = l->text();
    else if (auto *g = qobject_cast<const QGroupBox *>(w)) text = g->title();
    else if (auto *e = qobject_cast<const QLineEdit *>(w)) text = e->text();
    text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// The widget's rectangle in device pixels of the virtual desktop.
QRect DeviceRect(const QWidget *w)
{
    const QScreen *screen = w->screen();
    const qreal dpr = screen ? screen->devicePixelRatio() : 1.0;
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    const QPoint logical = w->mapToGlobal(QPoint(0, 0)) - origin;
    return QRect(qRound(logical.x() * dpr) + origin.x(), qRound(logical.y() * dpr) + origin.y(),
                 qRound(w->width() * dpr), qRound(w->height() * dpr));
}

// Looks at the widgets every 50 ms and rewrites the file when anything
// changed: texts change without an event that a filter could see.
class WidgetMap : public QObject {
public:
    WidgetMap(QApplication &app, QString path) : QObject(&app), path_(std::move(path))
    {
        timer_.setInterval(50);
        connect(&timer_, &QTimer::timeout, this, [this] { Write(); });
        timer_.start();
    }

private:
    void Write()
    {
        QByteArray text;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            QList<QWidget *> widgets{top};
            widgets += top->findChildren<QWidget *>();
            for (const QWidget *w : widgets) {
                const QRect r = DeviceRect(w);
                text += QStringLiteral("%1\t%2\t%3\t%4\t%5 %6 %7 %8\n")
                            .arg(top->windowTitle(), QString::fromLatin1(w->metaObject()->className()),
                                 WidgetText(w), w->isVisible() ? QStringLiteral("1") : QStringLiteral("0"))
                            .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                            .toUtf8();
            }
        }
        if (text == written_) return;
        QSaveFile file(path_);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return;
        file.write(text);
        if (file.commit()) written_ = text;
    }

    QString path_;
    QTimer timer_;
    QByteArray written_;
};

} // namespace

void InstallWidgetMap(QApplication &app)
{
    const QString path = qEnvironmentVariable("REGENBOGEN_WIDGET_MAP");
    if (!path.isEmpty()) new WidgetMap(app, path);
}

} // namespace rb
