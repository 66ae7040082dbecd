// tavrin: two models of the rainbow, the ray model and the wave model, opened
// from a start window.
#include "common/app/app.h"
#include "common/app/command_line.h"
#include "common/app/language.h"
#include "tavrin/start/form3.h"
#include "tavrin/navigation.h"

#include <QApplication>

int main(int argc, char **argv)
{
    rb::CommandLine commandLine(
        QStringLiteral("tavrin"),
        QCoreApplication::translate("tavrin", "Modelle zur Regenbogendeutung: das Strahlenmodell und das "
                                              "Wellenmodell, geöffnet aus einem Startfenster."));
    std::optional<rb::Language> language;
    rb::AddLanguageOption(commandLine, language);
    if (const auto status = commandLine.Parse(argc, argv)) return *status;
    if (const auto status = rb::RequireDisplay(argv[0])) return *status;

    rb::PrepareEnvironment();
    // Every argument has been read above; the toolkit gets none of them.
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);
    rb::InitApplication(app, language);
    rb::tavrin::Navigation::Get().StartForm().show();
    const int status = app.exec();
    rb::tavrin::Navigation::Get().Reset();
    return status;
}
