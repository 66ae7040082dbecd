// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The programs' start-up as a shell sees it: answers and status codes without
// any display, and the private runtime folder.
#include "common/app/app.h"
#include "common/app/command_line.h"
#include "common/export/headless_save.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Outcome {
    int status;
    QString out;
    QString err;
};

// Runs a program with no display of any kind in its environment; its
// standard output goes to `out` if given.
Outcome RunWithoutDisplay(const QString &program, const QStringList &arguments, const QString &display = {},
                          const QString &out = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        env.remove(QString::fromLatin1(name));
    if (!display.isEmpty()) env.insert(QStringLiteral("DISPLAY"), display);
    QProcess p;
    p.setProcessEnvironment(env);
    if (!out.isEmpty()) p.setStandardOutputFile(out);
    p.start(QStringLiteral(REGENBOGEN_BIN_DIR "/") + program, arguments);
    EXPECT_TRUE(p.waitForFinished(20000)) << program.toStdString();
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << program.toStdString() << " crashed";
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

bool OneLine(const QString &text) { return text.endsWith(QLatin1Char('\n')) && text.count(QLatin1Char('\n')) == 1; }

TEST(StartUp, AnswersWithoutDisplay)
{
    enum Stream { Out, Err };
    struct Case {
        QStringList arguments;
        QString display;
        int status;
        Stream stream;
        QString mustContain;
    };
    const Case cases[] = {
        {{QStringLiteral("--version")}, {}, 0, Out, QStringLiteral(REGENBOGEN_VERSION)},
        {{QStringLiteral("--help")}, {}, 0, Out, QStringLiteral("--version")},
        {{QStringLiteral("-h")}, {}, 0, Out, QStringLiteral("--help")},
        {{QStringLiteral("--bogus")}, {}, 2, Err, QStringLiteral("--bogus")},
        {{QStringLiteral("--help"), QStringLiteral("--bogus")}, {}, 2, Err, QStringLiteral("--bogus")},
        {{QStringLiteral("stray")}, {}, 2, Err, QStringLiteral("stray")},
        {{QStringLiteral("--version=2")}, {}, 2, Err, QStringLiteral("--version")},
        {{QStringLiteral("-platform")}, {}, 2, Err, QStringLiteral("-platform")},
        // No display at all, and one named that is not there: the toolkit
        // would abort; the program says how to run it instead.
        {{}, {}, 1, Err, QStringLiteral("xvfb-run")},
        {{}, QStringLiteral(":1999"), 1, Err, QStringLiteral("xvfb-run")},
    };
    for (const char *program : {"tavrin", "prisma", "streu"}) {
        for (const Case &c : cases) {
            const QString name = QString::fromLatin1(program);
            const Outcome o = RunWithoutDisplay(name, c.arguments, c.display);
            const QString what = name + QLatin1Char(' ') + c.arguments.join(QLatin1Char(' ')) + QStringLiteral(" ->");
            SCOPED_TRACE(what.toStdString() + "\nstdout: " + o.out.toStdString() + "\nstderr: " + o.err.toStdString());
            EXPECT_EQ(o.status, c.status);
            const QString &text = c.stream == Out ? o.out : o.err;
            const QString &other = c.stream == Out ? o.err : o.out;
            EXPECT_TRUE(text.contains(c.mustContain));
            EXPECT_TRUE(other.isEmpty());
            if (c.stream == Err) {
                EXPECT_TRUE(OneLine(text));
                EXPECT_TRUE(text.startsWith(name) || text.contains(QStringLiteral("/") + name + QLatin1Char(':')));
            }
            if (c.arguments == QStringList{QStringLiteral("--version")}) {
                EXPECT_TRUE(text.startsWith(name + QStringLiteral(" " REGENBOGEN_VERSION "\n"
                                                                  "Copyright (C) 2026 The Regenbogen authors\n")));
                EXPECT_TRUE(text.contains(QStringLiteral("GPL-3.0-or-later")));
            }
        }
    }
}

// The answers come in the interface language, chosen from --lang, the
// LANGUAGE list and the locale before anything is printed.
TEST(StartUp, AnswersInTheInterfaceLanguage)
{
    struct Case {
        QStringList environment;
        QStringList arguments;
        int status;
        QString mustContain;
    };
    const QString en = QStringLiteral("LANG=en_US.UTF-8");
    const Case cases[] = {
        {{QStringLiteral("LANG=de_DE.UTF-8")}, {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--help")},
         0, QStringLiteral("Usage: prisma")},
        {{en}, {QStringLiteral("--bogus")}, 2, QStringLiteral("unknown option")},
        {{en}, {QStringLiteral("--apex"), QStringLiteral("300")}, 2, QStringLiteral("a whole number from 1 to 180")},
        {{en}, {QStringLiteral("--apex")}, 2, QStringLiteral("--apex needs a value")},
        {{en}, {}, 1, QStringLiteral("no display found")},
        {{en}, {QStringLiteral("--version")}, 0, QStringLiteral("License GPL-3.0-or-later")},
        {{en}, {QStringLiteral("--lang=de"), QStringLiteral("--bogus")}, 2, QStringLiteral("unbekannte Option")},
        {{QStringLiteral("LANG=fr_FR.UTF-8"), QStringLiteral("LANGUAGE=fr:en")}, {QStringLiteral("--help")}, 0,
         QStringLiteral("Usage: prisma")},
        {{QStringLiteral("LANG=fr_FR.UTF-8")}, {QStringLiteral("--help")}, 0, QStringLiteral("Aufruf: prisma")},
    };
    for (const Case &c : cases) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            env.remove(QString::fromLatin1(name));
        for (const QString &v : c.environment) env.insert(v.section(QLatin1Char('='), 0, 0), v.section(QLatin1Char('='), 1));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(REGENBOGEN_BIN_DIR "/prisma"), c.arguments);
        ASSERT_TRUE(p.waitForFinished(20000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        SCOPED_TRACE(c.environment.join(QLatin1Char(' ')).toStdString() + " prisma " +
                     c.arguments.join(QLatin1Char(' ')).toStdString() + " -> " + out.toStdString());
        EXPECT_EQ(p.exitCode(), c.status);
        EXPECT_TRUE(out.contains(c.mustContain));
    }
}

// The toolkit's own options are taken and handed on, the program's read as
// before.
TEST(StartUp, TakesTheToolkitsOptions)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString csv = dir.filePath(QStringLiteral("p.csv"));
    const Outcome o = RunWithoutDisplay(QStringLiteral("prisma"),
                                        {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--apex"),
                                         QStringLiteral("60"), QStringLiteral("--save"), csv});
    EXPECT_EQ(o.status, 0) << o.err.toStdString();
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    file.readLine();
    EXPECT_TRUE(file.readLine().startsWith("60,"));
}

// A mistyped argument is echoed, but a terminal must not act on what it
// holds: escape sequences, bells, newlines and right-to-left marks are shown
// as escapes, in every message that echoes what the user gave.
TEST(StartUp, EchoesControlCharactersAsEscapes)
{
    struct Case {
        const char *program;
        QStringList arguments;
        QString display;
        int status;
        QString shown;
    };
    const QString esc = QStringLiteral("\x1b[31m");
    const Case cases[] = {
        {"tavrin", {QStringLiteral("--bo") + esc + QStringLiteral("gus")}, {}, 2, QStringLiteral("--bo\\x1b[31mgus")},
        {"prisma", {QStringLiteral("stray\a")}, {}, 2, QStringLiteral("stray\\x07")},
        {"streu", {QStringLiteral("--reflections"), QStringLiteral("1\r\x9b")}, {}, 2, QStringLiteral("1\\r\\x9b")},
        {"tavrin", {QStringLiteral("--lang"), QStringLiteral("\u202Een")}, {}, 2, QStringLiteral("U+202Een")},
        {"streu", {QStringLiteral("--save"), esc + QStringLiteral("\n/s.csv")}, {}, 1,
         QStringLiteral("\\x1b[31m\\n/s.csv")},
        {"prisma", {}, QStringLiteral(":1999") + esc, 1, QStringLiteral(":1999\\x1b[31m")},
    };
    for (const Case &c : cases) {
        const Outcome o = RunWithoutDisplay(QString::fromLatin1(c.program), c.arguments, c.display);
        SCOPED_TRACE(std::string(c.program) + " -> " + o.err.toStdString());
        EXPECT_EQ(o.status, c.status);
        EXPECT_TRUE(o.err.contains(c.shown));
        EXPECT_TRUE(OneLine(o.err));
        const QString line = o.err.chopped(1);
        EXPECT_TRUE(std::none_of(line.begin(), line.end(), [](QChar ch) {
            return ch.category() == QChar::Other_Control || ch == QChar(0x202E);
        }));
    }
}

// A script that asks for the help or the version must learn when it did
// not get them: the disk was full.
TEST(StartUp, HelpAndVersionThatCannotBeWrittenFail)
{
    for (const char *program : {"tavrin", "prisma", "streu"}) {
        for (const char *option : {"--help", "--version"}) {
            const QString name = QString::fromLatin1(program);
            const Outcome o = RunWithoutDisplay(name, {QString::fromLatin1(option)}, {}, QStringLiteral("/dev/full"));
            SCOPED_TRACE(std::string(program) + " " + option + " -> " + o.err.toStdString());
            EXPECT_EQ(o.status, 1);
            EXPECT_TRUE(OneLine(o.err));
            EXPECT_TRUE(o.err.startsWith(name + QStringLiteral(": ")));
        }
    }
}

// Only what the scroll bar itself could show: its whole numbers, and its
// decimals no finer than its step; the whole text, nothing around it.
TEST(CommandLine, ScrollBarNumbersAsTheBarShowsThem)
{
    struct Case {
        const char *text;
        int min, max, divisor;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"15", 1, 15, 1, 15},
        {"007", 1, 15, 1, 7},
        {"2\n", 1, 15, 1, std::nullopt},
        {"\n2", 1, 15, 1, std::nullopt},
        {"15.00000000000001", 1, 15, 1, std::nullopt},
        {"30.0", 1, 180, 1, std::nullopt}, // whole degrees
        {"1.5", 50, 200, 100, 150},
        {"1.50", 50, 200, 100, 150},
        {"2", 50, 200, 100, 200},
        {"1.500", 50, 200, 100, std::nullopt},
        {"1.50000000000001", 50, 200, 100, std::nullopt},
        {"1.", 50, 200, 100, std::nullopt},
        {".5", 50, 200, 100, std::nullopt},
        {"1.5\n", 50, 200, 100, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(rb::ScrollBarValue(QString::fromLatin1(c.text), c.min, c.max, c.divisor), c.value);
    }
}

TEST(CommandLine, OptionsWithValues)
{
    struct Case {
        QStringList arguments;
        std::optional<int> status;
        QString value;
    };
    const Case cases[] = {
        {{QStringLiteral("--count"), QStringLiteral("3")}, std::nullopt, QStringLiteral("3")},
        {{QStringLiteral("--count=4")}, std::nullopt, QStringLiteral("4")},
        {{QStringLiteral("--count=")}, 2, QString()},  // rejected by the option itself
        {{QStringLiteral("--count")}, 2, QString()},
        {{QStringLiteral("--count"), QStringLiteral("99")}, 2, QString()},
        // A value that looks like an option is still the value.
        {{QStringLiteral("--count"), QStringLiteral("--help")}, 2, QString()},
        // Help comes after every option has been applied.
        {{QStringLiteral("--help"), QStringLiteral("--count"), QStringLiteral("5")}, 0, QStringLiteral("5")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        QString value;
        rb::CommandLine commandLine(QStringLiteral("test"), QStringLiteral("Test."));
        commandLine.AddOption(QStringLiteral("count"), QStringLiteral("N"), QStringLiteral("Anzahl"),
                              [&](const QString &v) {
                                  bool ok = false;
                                  const int n = v.toInt(&ok);
                                  if (!ok || n < 1 || n > 15) return QStringLiteral("1 bis 15");
                                  value = v;
                                  return QString();
                              });
        EXPECT_EQ(commandLine.Parse(c.arguments), c.status);
        EXPECT_EQ(value, c.value);
        EXPECT_TRUE(commandLine.HelpText().contains(QStringLiteral("--count N")));
    }
}

mode_t Mode(const QByteArray &path)
{
    struct stat st {};
    return stat(path.constData(), &st) == 0 ? st.st_mode & 07777 : mode_t(-1);
}

TEST(RuntimeFolder, PrivateFreshAndRemovedAtExit)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QByteArray base = tmp.path().toLocal8Bit();
    // The name an attacker could prepare in advance.
    ASSERT_EQ(mkdir((base + "/regenbogen-runtime").constData(), 0777), 0);
    ASSERT_EQ(chmod((base + "/regenbogen-runtime").constData(), 0777), 0);

    auto prepare = [&] {
        unsetenv("XDG_RUNTIME_DIR");
        setenv("TMPDIR", base.constData(), 1);
        rb::PrepareEnvironment();
        const QByteArray dir = qgetenv("XDG_RUNTIME_DIR");
        const bool fresh = dir.startsWith(base + "/") && !dir.endsWith("/regenbogen-runtime");
        std::exit(fresh && Mode(dir) == 0700 ? 0 : 1);
    };
    EXPECT_EXIT(prepare(), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(prepare(), testing::ExitedWithCode(0), "");
    // Only the planted folder is left: each run removed its own.
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("regenbogen-runtime")});
}

// Where the session gives no runtime folder the programs can use, they make
// a private one in a usable place, whatever TMPDIR says: never at the root.
TEST(RuntimeFolder, MadeInAUsablePlaceWhenTheSessionHasNone)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QByteArray base = tmp.path().toLocal8Bit();
    const QByteArray open = base + "/open", file = base + "/file";
    ASSERT_EQ(mkdir(open.constData(), 0700), 0);
    ASSERT_EQ(chmod(open.constData(), 0755), 0);
    ASSERT_TRUE(QFile(QString::fromLocal8Bit(file)).open(QIODevice::WriteOnly));
    struct Case {
        const char *what;
        std::optional<QByteArray> runtime, tmpdir;
    };
    const Case cases[] = {
        {"TMPDIR missing", std::nullopt, base + "/missing"},
        {"TMPDIR the root", std::nullopt, QByteArray("/")},
        {"TMPDIR a file", std::nullopt, file},
        {"runtime folder missing", base + "/missing", std::nullopt},
        {"runtime folder open to others", open, std::nullopt},
        {"runtime folder a file", file, base + "/missing"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        auto prepare = [&] {
            c.runtime ? setenv("XDG_RUNTIME_DIR", c.runtime->constData(), 1) : unsetenv("XDG_RUNTIME_DIR");
            c.tmpdir ? setenv("TMPDIR", c.tmpdir->constData(), 1) : unsetenv("TMPDIR");
            rb::PrepareEnvironment();
            const QByteArray dir = qgetenv("XDG_RUNTIME_DIR");
            struct stat st {};
            const bool own = stat(dir.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid();
            const bool atRoot = dir.lastIndexOf('/') == 0;
            std::exit(own && Mode(dir) == 0700 && !atRoot ? 0 : 1);
        };
        EXPECT_EXIT(prepare(), testing::ExitedWithCode(0), "");
    }
    EXPECT_EQ(Mode(open), mode_t(0755)); // someone else's folder is left as it was
}

// The toolkit itself, in a real program, makes nothing at the root either.
TEST(RuntimeFolder, NoneAtTheRootWhenTMPDIRIsMissing)
{
    const auto atRoot = [] {
        return QDir(QStringLiteral("/")).entryList({QStringLiteral("runtime-*")}, QDir::AllEntries | QDir::System);
    };
    const QStringList before = atRoot();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    env.insert(QStringLiteral("TMPDIR"), dir.filePath(QStringLiteral("missing")));
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dir.path());
    p.start(QStringLiteral(REGENBOGEN_BIN_DIR "/prisma"), {QStringLiteral("--save"), QStringLiteral("p.png")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()).toStdString(), "");
    QStringList made = atRoot();
    for (const QString &b : before) made.removeAll(b);
    // What an old build left behind is removed, so the next run can tell.
    for (const QString &m : made) QDir(QStringLiteral("/") + m).removeRecursively();
    EXPECT_EQ(made.join(QLatin1Char(' ')).toStdString(), "");
}

TEST(RuntimeFolder, TestsRunInAPrivateOne)
{
    const QByteArray dir = qgetenv("XDG_RUNTIME_DIR");
    ASSERT_FALSE(dir.isEmpty());
    EXPECT_EQ(Mode(dir), mode_t(0700));
}

} // namespace
