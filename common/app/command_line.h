// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The command line of the three programs, read by the toolkit's
// QCommandLineParser. Everything here runs before the application object
// exists, so that `--help`, `--version` and a wrong option are answered
// without a display.
//
// A program describes its options, then parses:
//
//     rb::CommandLine cl(QStringLiteral("streu"), {"streu", QT_TRANSLATE_NOOP("streu", "Zeigt ...")});
//     cl.AddOption(QStringLiteral("reflections"), QStringLiteral("N"), {"streu", QT_TRANSLATE_NOOP(...)},
//                  [&](const QString &v) { return ...; /* empty: accepted */ });
//     if (const auto status = cl.Parse(argc, argv)) return *status;
//
// The help texts are translated when they are shown, since the language is
// known only from the arguments. `--name value` and `--name=value` are both
// accepted, and so are the toolkit's own options (`-platform offscreen`,
// `-display :1`, `-style`, ...), which ToolkitArguments() hands on. A wrong
// command line gets one line on stderr and status 2, with any control
// character of an argument shown as an escape; `--help` and `--version`
// print to stdout and give status 0, or 1 when stdout cannot be written.
// They are answered after every other option has been read.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace rb {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // A text of the help: either fixed, or a source text with its
    // translation context, translated when the help is written.
    class Text {
    public:
        Text(QString fixed) : fixed_(std::move(fixed)) {}
        Text(const char *context, const char *source) : context_(context), source_(source) {}
        QString Translated() const { return context_ ? QCoreApplication::translate(context_, source_) : fixed_; }

    private:
        QString fixed_;
        const char *context_ = nullptr;
        const char *source_ = nullptr;
    };

    // Takes a value; returns an empty string when the value is accepted, or
    // the reason it is not, which becomes the one-line error.
    using ValueHandler = std::function<QString(const QString &value)>;
    using FlagHandler = std::function<void()>;

    static constexpr int kUsageError = 2;
    // The help or the version could not be written (a full disk, a closed
    // pipe): one line on stderr says so.
    static constexpr int kOutputError = 1;

    // program: the name in messages and in the version line; summary: one
    // sentence for the help saying what the program shows.
    CommandLine(QString program, Text summary);

    void AddFlag(const QString &name, Text help, FlagHandler onSet);
    // valueName is the placeholder shown in the help ("N", "DATEI").
    void AddOption(const QString &name, Text valueName, Text help, ValueHandler onValue);

    // Reads the arguments (without the program name). Returns nothing when
    // the program should go on, or the status to exit with once help,
    // version or an error has been printed.
    std::optional<int> Parse(const QStringList &arguments);
    std::optional<int> Parse(int argc, char **argv);

    QString HelpText() const;
    QString VersionText() const;
    // The name given at construction, as messages and the version line show it.
    const QString &Program() const { return program_; }
    // The sentence on what the program shows, in the interface language.
    QString Summary() const { return summary_.Translated(); }
    // The toolkit's own options as given, for the application's argv
    // ("-platform", "offscreen", ...), and the value of one of them.
    const QStringList &ToolkitArguments() const { return toolkitArguments_; }
    QString ToolkitValue(const QString &name) const;

private:
    struct Option {
        QStringList names;
        Text valueName; // empty for a flag
        Text help;
        ValueHandler onValue;
        FlagHandler onSet;
        bool TakesValue() const { return onValue != nullptr; }
    };

    // The option an argument names ("--apex=60", "-platform"), if any.
    const Option *Find(const QString &argument) const;
    // The reason, in the interface language, the parser refused the arguments.
    QString Refusal(const QStringList &arguments) const;
    int Fail(const QString &message) const;
    // Writes the help or the version; the status to exit with.
    int Answer(const QString &text) const;

    QString program_;
    Text summary_;
    std::vector<Option> options_;
    std::vector<Option> toolkitOptions_;
    QStringList toolkitArguments_;
    bool helpRequested_ = false;
    bool versionRequested_ = false;
};

} // namespace rb
