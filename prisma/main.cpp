// prisma: the deviation of a ray by a prism against its angle of incidence;
// the lowest point of the curve is the minimum deviation.
#include "app.h"
#include "command_line.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    rb::CommandLine commandLine(
        QStringLiteral("prisma"),
        QCoreApplication::translate("prisma", "Zeigt die Ablenkung eines Strahls durch ein Prisma gegen den "
                                              "Einfallswinkel; der tiefste Punkt der Kurve ist das Minimum der "
                                              "Ablenkung."));
    if (const auto status = commandLine.Parse(argc, argv)) return *status;
    if (const auto status = rb::RequireDisplay(argv[0])) return *status;

    rb::PrepareEnvironment();
    // Every argument has been read above; the toolkit gets none of them.
    int toolkitArgc = 1;
    QApplication app(toolkitArgc, argv);
    rb::InitApplication(app);
    rb::prisma::Form1 form;
    form.Form_Load();
    form.show();
    return app.exec();
}
