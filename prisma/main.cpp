// prisma: the deviation of a ray by a prism against its angle of incidence;
// the lowest point of the curve is the minimum deviation.
#include "common/app/app.h"
#include "common/app/command_line.h"
#include "common/app/language.h"
#include "prisma/form1.h"
#include "common/export/headless_save.h"

#include <QApplication>
#include <QScrollBar>

int main(int argc, char **argv)
{
    const char *const context = "prisma";
    rb::CommandLine commandLine(
        QStringLiteral("prisma"),
        QCoreApplication::translate(context, "Zeigt die Ablenkung eines Strahls durch ein Prisma gegen den "
                                              "Einfallswinkel; der tiefste Punkt der Kurve ist das Minimum der "
                                              "Ablenkung."));
    // The values the two scroll bars take: the apex in whole degrees, the
    // index in hundredths.
    std::optional<int> apex, index;
    QString savePath;
    commandLine.AddOption(QStringLiteral("apex"), QStringLiteral("GRAD"),
                          QCoreApplication::translate(context, "Winkel der brechenden Kante, 1 bis 180"),
                          [&](const QString &v) {
                              apex = rb::ScrollBarValue(v, 1, 180);
                              return apex ? QString()
                                          : QCoreApplication::translate(context, "eine ganze Zahl von 1 bis 180");
                          });
    commandLine.AddOption(QStringLiteral("index"), QStringLiteral("N"),
                          QCoreApplication::translate(context, "Brechzahl, 0.5 bis 2 in Schritten von 0.01"),
                          [&](const QString &v) {
                              index = rb::ScrollBarValue(v, 50, 200, 100);
                              return index ? QString()
                                           : QCoreApplication::translate(
                                                 context, "eine Zahl von 0.5 bis 2 in Schritten von 0.01, mit Punkt");
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
    rb::prisma::Form1 form;
    form.Form_Load();
    if (apex) form.HScroll1->setValue(*apex);
    if (index) form.HScroll2->setValue(*index);
    if (!savePath.isEmpty()) return rb::SaveWithoutDisplay(&form, savePath, QStringLiteral("prisma"));
    form.show();
    return app.exec();
}
