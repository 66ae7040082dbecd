// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/app/command_line.h"

#include "common/widgets/printable.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace rb {

namespace {
// False when the text did not reach its stream: a full disk, a closed pipe
// or a closed descriptor. The buffer is flushed here, so that an error shows
// now and not unseen at exit.
bool Print(std::FILE *stream, const QString &text)
{
    const bool put = std::fputs(text.toLocal8Bit().constData(), stream) >= 0;
    const bool flushed = std::fflush(stream) == 0;
    return put && flushed && !std::ferror(stream);
}
} // namespace

CommandLine::CommandLine(QString program, QString summary)
    : program_(std::move(program)), summary_(std::move(summary))
{
    options_.push_back({QStringLiteral("help"), QStringLiteral("h"), {}, tr("zeigt diese Hilfe"), {},
                        [this] { helpRequested_ = true; }});
    options_.push_back({QStringLiteral("version"), {}, {}, tr("zeigt Programmname und Version"), {},
                        [this] { versionRequested_ = true; }});
}

void CommandLine::AddFlag(const QString &name, const QString &help, FlagHandler onSet)
{
    options_.push_back({name, {}, {}, help, {}, std::move(onSet)});
}

void CommandLine::AddOption(const QString &name, const QString &valueName, const QString &help,
                            ValueHandler onValue)
{
    options_.push_back({name, {}, valueName, help, std::move(onValue), {}});
}

const CommandLine::Option *CommandLine::Find(const QString &argument) const
{
    for (const Option &o : options_) {
        if (argument == QStringLiteral("--") + o.name) return &o;
        if (!o.shortName.isEmpty() && argument == QStringLiteral("-") + o.shortName) return &o;
    }
    return nullptr;
}

int CommandLine::Fail(const QString &message) const
{
    // One line, naming the program, so that it reads well in a script's log.
    QString line = program_ + QStringLiteral(": ") + message;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    Print(stderr, line + QLatin1Char('\n'));
    return kUsageError;
}

int CommandLine::Answer(const QString &text) const
{
    if (Print(stdout, text)) return 0;
    // A script that asked for the help or the version must learn that it
    // did not get them.
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    Print(stderr, program_ + QStringLiteral(": ") + tr("die Ausgabe ließ sich nicht schreiben: %1").arg(reason) +
                      QLatin1Char('\n'));
    return kOutputError;
}

std::optional<int> CommandLine::Parse(const QStringList &arguments)
{
    const QString seeHelp = tr("„%1 --help“ zeigt die Optionen").arg(program_);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString argument = arguments[i];
        std::optional<QString> inlineValue;
        if (argument.startsWith(QStringLiteral("--"))) {
            const qsizetype eq = argument.indexOf(QLatin1Char('='));
            if (eq > 2) {
                inlineValue = argument.mid(eq + 1);
                argument.truncate(eq);
            }
        }
        const Option *option = Find(argument);
        if (option == nullptr) {
            if (argument.startsWith(QLatin1Char('-')))
                return Fail(tr("unbekannte Option „%1“; %2").arg(Printable(argument), seeHelp));
            return Fail(tr("unerwartetes Argument „%1“; %2").arg(Printable(argument), seeHelp));
        }
        if (option->valueName.isEmpty()) {
            if (inlineValue) return Fail(tr("%1 nimmt keinen Wert").arg(argument));
            option->onSet();
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= arguments.size()) return Fail(tr("%1 verlangt einen Wert").arg(argument));
            inlineValue = arguments[++i];
        }
        const QString problem = option->onValue(*inlineValue);
        if (!problem.isEmpty())
            return Fail(QStringLiteral("%1 %2: %3").arg(argument, Printable(*inlineValue), problem));
    }
    if (helpRequested_) return Answer(HelpText());
    if (versionRequested_) return Answer(VersionText());
    return std::nullopt;
}

std::optional<int> CommandLine::Parse(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return Parse(arguments);
}

QString CommandLine::HelpText() const
{
    auto left = [](const Option &o) {
        QString s = o.shortName.isEmpty() ? QStringLiteral("    ") : QStringLiteral("-%1, ").arg(o.shortName);
        s += QStringLiteral("--") + o.name;
        if (!o.valueName.isEmpty()) s += QLatin1Char(' ') + o.valueName;
        return s;
    };
    qsizetype width = 0;
    for (const Option &o : options_) width = std::max(width, left(o).size());

    QString text = tr("Aufruf: %1 [OPTION]...").arg(program_) + QLatin1Char('\n');
    text += summary_ + QStringLiteral("\n\n") + tr("Optionen:") + QLatin1Char('\n');
    for (const Option &o : options_)
        text += QStringLiteral("  ") + left(o).leftJustified(width + 2) + o.help + QLatin1Char('\n');
    text += QLatin1Char('\n') + tr("Ohne Optionen öffnet das Programm sein Fenster.") + QLatin1Char('\n');
    return text;
}

QString CommandLine::VersionText() const
{
    return program_ + QLatin1Char(' ') + QStringLiteral(REGENBOGEN_VERSION) + QLatin1Char('\n');
}

} // namespace rb
