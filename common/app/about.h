// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A program's place on the desktop: its icon in the task bar (from the icon
// theme, else the one built into the program), the launcher the desktop
// groups its windows under, and an About window on F1 in every window.
#pragma once

#include <QIcon>
#include <QString>

class QApplication;
class QWidget;

namespace rb {

class CommandLine;

// The icon of "tavrin", "prisma" or "streu": the theme's org.regenbogen.<program>
// where the package installed it, else the SVG carried in the program.
QIcon ProgramIcon(const QString &program);
// The About window's text: name and version, what the program shows, the
// copyright and the licence, in the interface language.
QString AboutText(const QString &program, const QString &summary);
// Opens the About window over a window; a second request raises it.
void ShowAbout(QWidget *over, const QString &program, const QString &summary);
// Sets the icon of every window and the launcher's name, and lets F1 open
// the About window wherever the program has a window. Call it once the
// interface language is installed.
void InstallDesktopIdentity(QApplication &app, const CommandLine &commandLine);

} // namespace rb
