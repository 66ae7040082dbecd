// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The command line of the three programs. Everything here runs before the
// application object exists, so that `--help`, `--version` and a wrong option
// are answered without a display.
//
// A program describes its options, then parses:
//
//     rb::CommandLine cl(QStringLiteral("streu"), summary);
//     cl.AddOption(QStringLiteral("reflections"), QStringLiteral("N"), help,
//                  [&](const QString &v) { return ...; /* empty: accepted */ });
//     if (const auto status = cl.Parse(argc, argv)) return *status;
//
// `--name value` and `--name=value` are both accepted. A wrong command line
// gets one line on stderr and status 2, with any control character of an
// argument shown as an escape; `--help` and `--version` print to stdout and
// give status 0, or 1 when stdout cannot be written. They are answered after
// every other option has been read, so an option that changes the language
// also changes the help.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace rb {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
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
    CommandLine(QString program, QString summary);

    void AddFlag(const QString &name, const QString &help, FlagHandler onSet);
    // valueName is the placeholder shown in the help ("N", "DATEI").
    void AddOption(const QString &name, const QString &valueName, const QString &help, ValueHandler onValue);

    // Reads the arguments (without the program name). Returns nothing when
    // the program should go on, or the status to exit with once help,
    // version or an error has been printed.
    std::optional<int> Parse(const QStringList &arguments);
    std::optional<int> Parse(int argc, char **argv);

    QString HelpText() const;
    QString VersionText() const;
    // The name given at construction, as messages and the version line show it.
    const QString &Program() const { return program_; }

private:
    struct Option {
        QString name;
        QString shortName;
        QString valueName; // empty for a flag
        QString help;
        ValueHandler onValue;
        FlagHandler onSet;
    };

    const Option *Find(const QString &argument) const;
    int Fail(const QString &message) const;
    // Writes the help or the version; the status to exit with.
    int Answer(const QString &text) const;

    QString program_;
    QString summary_;
    std::vector<Option> options_;
    bool helpRequested_ = false;
    bool versionRequested_ = false;
};

} // namespace rb
