// streu: the direction of the light a drop sends out, against the impact
// parameter, for 1 to 15 reflections inside the drop.
#include "common/app/app.h"
#include "common/app/command_line.h"
#include "common/app/language.h"
#include "streu/form1.h"
#include "common/export/headless_save.h"

#include <QApplication>
#include <QScrollBar>

int main(int argc, char **argv)
{
    const char *const context = "streu";
    rb::CommandLine commandLine(
        QStringLiteral("streu"),
        QCoreApplication::translate(context, "Zeigt die Richtung des vom Tropfen gestreuten Lichts als Funktion des "
                                             "Stoßparameters, für 1 bis 15 Reflexionen im Tropfen."));
    std::optional<int> reflections;
    QString savePath;
    commandLine.AddOption(QStringLiteral("reflections"), QStringLiteral("N"),
                          QCoreApplication::translate(context, "Zahl der Reflexionen im Tropfen, 1 bis 15"),
                          [&](const QString &v) {
                              reflections = rb::ScrollBarValue(v, 1, 15);
                              return reflections ? QString()
                                                 : QCoreApplication::translate(context, "eine ganze Zahl von 1 bis 15");
                          });
    commandLine.AddOption(QStringLiteral("save"), QCoreApplication::translate(context, "DATEI"),
                          QCoreApplication::translate(context, "schreibt Bild (.png, .svg) oder Tabelle (.csv) in "
                                                               "DATEI, ohne Fenster und ohne Bildschirm"),
                          [&](const QString &v) {
                              savePath = v;
                              return rb::SaveNameProblem(v);
                          });
    std::optional<rb::Language> language;
    rb::AddLanguageOption(commandLine, language);
    if (const auto status = commandLine.Parse(argc, argv)) return *status;
    if (savePath.isEmpty()) {
        if (const auto status = rb::RequireDisplay(argv[0])) return *status;
    } else {
        rb::PrepareDrawingWithoutDisplay();
    }

    rb::PrepareEnvironment();
    // Every argument has been read above; the toolkit gets none of them.
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);
    rb::InitApplication(app, language);
    rb::streu::Form1 form;
    form.Form_Load();
    if (reflections) form.HScroll1->setValue(*reflections);
    if (!savePath.isEmpty()) return rb::SaveWithoutDisplay(&form, savePath, QStringLiteral("streu"));
    form.show();
    return app.exec();
}
