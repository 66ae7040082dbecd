// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// streu and prisma saving their picture or table from the command line,
// with no display: the numbers in the files, the answers to values the
// scroll bars cannot take, and saves the file system refuses.
#include "tests/support/small_disk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct Outcome {
    int status;
    QString err;
};

// inChild runs in the child before the program starts.
Outcome RunCommand(const QString &command, const QStringList &arguments, const QString &folder,
            const std::function<void()> &inChild = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    if (inChild) p.setChildProcessModifier(inChild);
    p.start(command, arguments);
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

QString Program(const QString &name) { return QStringLiteral(REGENBOGEN_BIN_DIR "/") + name; }

Outcome RunProgram(const QString &program, const QStringList &arguments, const QString &folder)
{
    return RunCommand(Program(program), arguments, folder);
}

QByteArray Bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

void Put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
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
        // The presentation zoom: 1 to 3.
        {"streu", {"--zoom", "3.5", "--save", "s.csv"}, 2},
        {"streu", {"--zoom", "0,9", "--save", "s.csv"}, 2},
        {"prisma", {"--zoom", "nan", "--save", "p.csv"}, 2},
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

TEST(SaveCommand, AFullDiskFailsWithStatus1AndKeepsTheEarlierFile)
{
    SmallDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
    struct Case {
        const char *program;
        QStringList arguments;
        const char *file;
    } cases[] = {
        {"prisma", {"--save", "p.csv"}, "p.csv"},                 // 13 KB: all kept in a buffer
        {"prisma", {"--apex", "30", "--save", "q.csv"}, "q.csv"}, // 22 KB
        {"streu", {"--save", "s.svg"}, "s.svg"},                  // 87 KB: more than the disk
    };
    for (const Case &c : cases) Put(disk.FilePath(QString::fromLatin1(c.file)), "earlier");
    disk.Fill();
    for (const Case &c : cases) {
        const Outcome o = RunProgram(QString::fromLatin1(c.program), c.arguments, disk.Path());
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + " -> " + o.err.toStdString());
        EXPECT_EQ(o.status, 1);
        EXPECT_TRUE(o.err.contains(QStringLiteral("kein Platz mehr")));
        EXPECT_EQ(Bytes(disk.FilePath(QString::fromLatin1(c.file))), QByteArray("earlier"));
    }
    EXPECT_EQ(QDir(disk.Path()).entryList(QDir::Files | QDir::Hidden).size(), 4); // no temporary file left
}

TEST(SaveCommand, AFileSizeLimitFailsWithStatus1AndSaysSo)
{
    QTemporaryDir dir;
    Put(dir.filePath(QStringLiteral("big.svg")), "earlier");
    // As `ulimit -f 4`: the SVG is some 87 KB.
    const Outcome o = RunCommand(Program(QStringLiteral("streu")), {"--save", "big.svg"}, dir.path(), [] {
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(o.status, 1) << o.err.toStdString();
    EXPECT_TRUE(o.err.contains(QStringLiteral("Datei zu groß"))) << o.err.toStdString();
    EXPECT_EQ(Bytes(dir.filePath(QStringLiteral("big.svg"))), QByteArray("earlier"));
}

TEST(SaveCommand, RefusesNamesNoFileCanHaveAndTargetsThatAreNoRegularFile)
{
    struct Case {
        QString name; // as printf's format: raw bytes as \ooo
        int status;
        const char *reason;
    } cases[] = {
        {QStringLiteral("\\377.png"), 2, "Zeichenkodierung"}, // no UTF-8
        {QString(40000, QLatin1Char('a')) + QStringLiteral(".png"), 2, "zu lang"},
        {QString(300, QLatin1Char('a')) + QStringLiteral(".png"), 2, "zu lang"},
        {QStringLiteral("link.png"), 1, "keine gewöhnliche Datei"}, // a link to a pipe
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const QByteArray pipe = QFile::encodeName(dir.filePath(QStringLiteral("pipe")));
        ASSERT_EQ(mkfifo(pipe.constData(), 0644), 0);
        ASSERT_TRUE(QFile::link(QStringLiteral("pipe"), dir.filePath(QStringLiteral("link.png"))));
        // Through the shell: a program's arguments from here are always UTF-8.
        const Outcome o = RunCommand(QStringLiteral("/bin/sh"),
                              {"-c", "exec \"$0\" --save \"$(printf \"$1\")\"", Program(QStringLiteral("streu")), c.name},
                              dir.path());
        SCOPED_TRACE(c.name.left(20).toStdString() + " -> " + o.err.left(200).toStdString());
        EXPECT_EQ(o.status, c.status);
        EXPECT_TRUE(o.err.contains(QString::fromUtf8(c.reason)));
        EXPECT_EQ(o.err.count('\n'), 1);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(), 2);
        struct stat st {};
        EXPECT_TRUE(stat(pipe.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    }
}
