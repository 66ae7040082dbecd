// streu: the direction of the light a drop sends out, against the impact
// parameter, for 1 to 15 reflections inside the drop.
#include "app.h"
#include "command_line.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    rb::CommandLine commandLine(
        QStringLiteral("streu"),
        QCoreApplication::translate("streu", "Zeigt die Richtung des vom Tropfen gestreuten Lichts als Funktion des "
                                             "Stoßparameters, für 1 bis 15 Reflexionen im Tropfen."));
    if (const auto status = commandLine.Parse(argc, argv)) return *status;
    if (const auto status = rb::RequireDisplay(argv[0])) return *status;

    rb::PrepareEnvironment();
    // Every argument has been read above; the toolkit gets none of them.
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);
    rb::InitApplication(app);
    rb::streu::Form1 form;
    form.Form_Load();
    form.show();
    return app.exec();
}
