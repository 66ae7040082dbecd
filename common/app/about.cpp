// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/app/about.h"

#include "common/app/command_line.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QSvgRenderer>

namespace rb {

namespace {
QString AppId(const QString &program) { return QStringLiteral("org.regenbogen.") + program; }

// The built-in SVG drawn at the sizes a task bar and a title bar ask for;
// drawn here, so that no image plugin is needed.
QIcon BuiltInIcon(const QString &program)
{
    QSvgRenderer svg(QStringLiteral(":/icons/%1.svg").arg(AppId(program)));
    QIcon icon;
    if (!svg.isValid()) return icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        svg.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// F1 anywhere in the program: the About window over the window that has the
// key. Shift+F1 stays the toolkit's "What's this?".
class AboutKey : public QObject {
public:
    AboutKey(QString program, QString summary, QObject *parent)
        : QObject(parent), program_(std::move(program)), summary_(std::move(summary))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
        ShowAbout(static_cast<QWidget *>(watched)->window(), program_, summary_);
        return true;
    }

private:
    QString program_;
    QString summary_;
};

QPointer<QMessageBox> openAbout;
} // namespace

QIcon ProgramIcon(const QString &program) { return QIcon::fromTheme(AppId(program), BuiltInIcon(program)); }

QString AboutText(const QString &program, const QString &summary)
{
    return QStringLiteral("<h3>%1 %2</h3><p>%3</p><p>Copyright © 2026 The Regenbogen authors</p><p>%4</p>")
        .arg(program, QStringLiteral(REGENBOGEN_VERSION), summary.toHtmlEscaped(),
             QCoreApplication::translate("About",
                                         "Freie Software unter der GNU General Public License, Version 3 oder "
                                         "später (GPL-3.0-or-later), ohne jede Garantie."));
}

void ShowAbout(QWidget *over, const QString &program, const QString &summary)
{
    if (openAbout) {
        openAbout->raise();
        openAbout->activateWindow();
        return;
    }
    // Not modal: a run in progress goes on, and closing the program's
    // window ends the program as before, the About window with it.
    auto *box = new QMessageBox(over);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->setWindowTitle(QCoreApplication::translate("About", "Über %1").arg(program));
    box->setTextFormat(Qt::RichText);
    box->setText(AboutText(program, summary));
    box->setIconPixmap(ProgramIcon(program).pixmap(64, 64));
    box->setStandardButtons(QMessageBox::Close);
    box->setObjectName(QStringLiteral("About"));
    openAbout = box;
    box->show();
}

void InstallDesktopIdentity(QApplication &app, const CommandLine &commandLine)
{
    const QString &program = commandLine.Program();
    QGuiApplication::setDesktopFileName(AppId(program));
    QApplication::setWindowIcon(ProgramIcon(program));
    app.installEventFilter(new AboutKey(program, commandLine.Summary(), &app));
}

} // namespace rb
