// streu and prisma saving their picture or table from the command line,
// with no display: the numbers in the files, and the answers to values the
// scroll bars cannot take.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int status;
    QString err;
};

Outcome RunProgram(const QString &program, const QStringList &arguments, const QString &folder)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral(REGENBOGEN_BIN_DIR "/") + program, arguments);
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

// The row with the smallest value in column `y`, as numbers.
QList<double> Lowest(const QString &path, int y)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    f.readLine(); // the header
    QList<double> best;
    while (!f.atEnd()) {
        QList<double> row;
        for (const QByteArray &field : f.readLine().trimmed().split(',')) row << field.toDouble();
        if (best.isEmpty() || row[y] < best[y]) best = row;
    }
    return best;
}

} // namespace

TEST(SaveCommand, WritesTheNumbersAndPicturesWithoutADisplay)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    ASSERT_EQ(RunProgram(QStringLiteral("prisma"), {"--apex", "60", "--index", "1.5", "--save", "p.csv"}, folder).status, 0);
    const QList<double> prism = Lowest(dir.filePath("p.csv"), 3);
    EXPECT_NEAR(prism[3], 37.18, 0.05); // minimum deviation
    EXPECT_NEAR(prism[2], 48.59, 0.05); // at this incidence

    ASSERT_EQ(RunProgram(QStringLiteral("streu"), {"--reflections", "1", "--save", "s.csv"}, folder).status, 0);
    EXPECT_NEAR(Lowest(dir.filePath("s.csv"), 2)[2], 137.97, 0.02); // the primary bow

    ASSERT_EQ(RunProgram(QStringLiteral("streu"), {"--reflections=2", "--save", "bow.svg"}, folder).status, 0);
    QFile svg(dir.filePath("bow.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    int dots = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement) dots += xml.attributes().value("class") == u"dot";
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(dots, 1000); // one per impact parameter 0, 0.001, … 0.999

    ASSERT_EQ(RunProgram(QStringLiteral("prisma"), {"--save", "p.png"}, folder).status, 0);
    EXPECT_FALSE(QImage(dir.filePath("p.png")).isNull());
}

TEST(SaveCommand, RefusesWhatTheScrollBarsCannotTakeInOneLine)
{
    QTemporaryDir dir;
    struct Case {
        const char *program;
        QStringList arguments;
        int status;
    } cases[] = {
        {"streu", {"--reflections", "16", "--save", "s.csv"}, 2},
        {"streu", {"--reflections", "0", "--save", "s.csv"}, 2},
        {"streu", {"--reflections", "1.5", "--save", "s.csv"}, 2},
        {"streu", {"--reflections", "-1", "--save", "s.csv"}, 2},
        {"prisma", {"--index", "1,5", "--save", "p.csv"}, 2},
        {"prisma", {"--index", "1.333", "--save", "p.csv"}, 2},
        {"prisma", {"--index", "2.01", "--save", "p.csv"}, 2},
        {"prisma", {"--index", "1e0", "--save", "p.csv"}, 2},
        {"prisma", {"--apex", "181", "--save", "p.csv"}, 2},
        {"prisma", {"--apex", "60.5", "--save", "p.csv"}, 2},
        {"prisma", {"--save", "p.jpg"}, 2},
        {"prisma", {"--save"}, 2},
        // A folder that is a file: nobody, root included, writes there.
        {"streu", {"--save", "s.csv/x.csv"}, 1},
    };
    QFile blocker(dir.filePath("s.csv"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (const Case &c : cases) {
        const Outcome o = RunProgram(QString::fromLatin1(c.program), c.arguments, dir.path());
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + " -> " + o.err.toStdString());
        EXPECT_EQ(o.status, c.status);
        EXPECT_TRUE(o.err.startsWith(QString::fromLatin1(c.program) + ": "));
        EXPECT_EQ(o.err.count('\n'), 1);
    }
    EXPECT_EQ(QFile(dir.filePath("s.csv")).size(), 0); // the refused saves wrote nothing
    EXPECT_FALSE(QFile::exists(dir.filePath("p.csv")));
}
