// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/app/run_program.h"

#include "common/app/about.h"
#include "common/app/app.h"
#include "common/app/language.h"
#include "common/export/headless_save.h"
#include "common/widgets/zoom.h"

#include <QApplication>
#include <QByteArrayList>
#include <QWidget>
#include <optional>
#include <vector>

namespace rb {

namespace {
void AddSaveOption(CommandLine &commandLine, QString &savePath)
{
    commandLine.AddOption(QStringLiteral("save"), {"CommandLine", QT_TRANSLATE_NOOP("CommandLine", "DATEI")},
                          {"CommandLine", QT_TRANSLATE_NOOP("CommandLine",
                                                            "schreibt Bild (.png, .svg) oder Tabelle (.csv) "
                                                            "in DATEI, ohne Fenster und ohne Bildschirm")},
                          [&savePath](const QString &v) {
                              savePath = v;
                              return SaveNameProblem(v);
                          });
}

// --zoom F: the presentation zoom asked for, 1 to 3, with a decimal point
// or comma.
void AddZoomOption(CommandLine &commandLine)
{
    commandLine.AddOption(
        QStringLiteral("zoom"), {"CommandLine", QT_TRANSLATE_NOOP("CommandLine", "F")},
        {"CommandLine", QT_TRANSLATE_NOOP("CommandLine",
                                          "vergrößert alles in den Fenstern um F (1 bis 3), so weit sie auf den "
                                          "Bildschirm passen; Strg+Plus, Strg+Minus und Strg+0 ändern es")},
        [](const QString &v) {
            bool ok = false;
            const double f = QString(v).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            if (!ok || !(f >= kMinZoom && f <= kMaxZoom))
                return QCoreApplication::translate("CommandLine", "eine Zahl von 1 bis 3 erwartet");
            RequestZoom(f);
            return QString();
        });
}
} // namespace

int RunProgram(CommandLine &commandLine, int argc, char **argv, const OpenWindow &openWindow, SaveOption save,
               const OpenWindow &openSaved)
{
    QString savePath;
    if (save == SaveOption::Offered) AddSaveOption(commandLine, savePath);
    std::optional<Language> language;
    AddLanguageOption(commandLine, language);
    AddZoomOption(commandLine);

    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    {
        // The answers to the command line (help, errors, no display) are
        // written in the interface language, chosen from --lang or the
        // locale before anything is printed: under an application of their
        // own, which needs no display and goes before the program's comes.
        int noArguments = 1;
        QCoreApplication texts(noArguments, argv);
        InstallLanguage(texts, ChooseLanguage(LanguageInArguments(arguments)));
        if (const auto status = commandLine.Parse(arguments)) return *status;
        if (savePath.isEmpty()) {
            const QString platform = commandLine.ToolkitValue(QStringLiteral("platform"));
            const QString display = commandLine.ToolkitValue(QStringLiteral("display"));
            if (const auto status = RequireDisplay(argv[0], platform, display)) return *status;
        } else {
            PrepareDrawingWithoutDisplay();
        }
    }

    PrepareEnvironment();
    // The toolkit gets its own options only; the application keeps argv for
    // its lifetime, so the texts live as long.
    QByteArrayList toolkitTexts{QByteArray(argv[0])};
    for (const QString &a : commandLine.ToolkitArguments()) toolkitTexts << a.toLocal8Bit();
    std::vector<char *> toolkitArgv;
    for (QByteArray &t : toolkitTexts) toolkitArgv.push_back(t.data());
    toolkitArgv.push_back(nullptr);
    int toolkitArgc = int(toolkitTexts.size());
    QApplication app(toolkitArgc, toolkitArgv.data());
    InitApplication(app, language);
    InstallDesktopIdentity(app, commandLine);
    // Declared after the application, so it goes first.
    const std::shared_ptr<QWidget> window = !savePath.isEmpty() && openSaved ? openSaved() : openWindow();
    if (!savePath.isEmpty()) return SaveWithoutDisplay(window.get(), savePath, commandLine.Program());
    window->show();
    return app.exec();
}

} // namespace rb
