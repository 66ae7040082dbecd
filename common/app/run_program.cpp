// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/app/run_program.h"

#include "common/app/app.h"
#include "common/app/language.h"
#include "common/export/headless_save.h"

#include <QApplication>
#include <QWidget>
#include <optional>

namespace rb {

namespace {
void AddSaveOption(CommandLine &commandLine, QString &savePath)
{
    commandLine.AddOption(QStringLiteral("save"), QCoreApplication::translate("CommandLine", "DATEI"),
                          QCoreApplication::translate("CommandLine", "schreibt Bild (.png, .svg) oder Tabelle (.csv) "
                                                                     "in DATEI, ohne Fenster und ohne Bildschirm"),
                          [&savePath](const QString &v) {
                              savePath = v;
                              return SaveNameProblem(v);
                          });
}
} // namespace

int RunProgram(CommandLine &commandLine, int argc, char **argv, const OpenWindow &openWindow, SaveOption save)
{
    QString savePath;
    if (save == SaveOption::Offered) AddSaveOption(commandLine, savePath);
    std::optional<Language> language;
    AddLanguageOption(commandLine, language);
    if (const auto status = commandLine.Parse(argc, argv)) return *status;
    if (savePath.isEmpty()) {
        if (const auto status = RequireDisplay(argv[0])) return *status;
    } else {
        PrepareDrawingWithoutDisplay();
    }

    PrepareEnvironment();
    // Every argument has been read above; the toolkit gets none of them.
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);
    InitApplication(app, language);
    // Declared after the application, so it goes first.
    const std::shared_ptr<QWidget> window = openWindow();
    if (!savePath.isEmpty()) return SaveWithoutDisplay(window.get(), savePath, commandLine.Program());
    window->show();
    return app.exec();
}

} // namespace rb
