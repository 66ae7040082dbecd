// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/app/command_line.h"

#include "common/widgets/printable.h"

#include <QCommandLineParser>
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

// The options the toolkit reads from its argv (QGuiApplication, QApplication
// and the X11 platform), with whether they take a value. They are accepted
// with one dash or two, as the toolkit accepts them, and are not listed in
// the help.
struct ToolkitOption {
    const char *name;
    bool takesValue;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"display", true},  {"geometry", true},           {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true}, {"title", true},          {"name", true},          {"session", true},
    {"style", true},    {"stylesheet", true},         {"reverse", false},      {"widgetcount", false},
    {"nograb", false},  {"dograb", false},            {"sync", false},
};

// "--apex=60" -> "apex"; "-platform" -> "platform"; "stray" -> "".
QString OptionName(const QString &argument)
{
    if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) return {};
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    return name.left(name.indexOf(QLatin1Char('=')));
}
} // namespace

CommandLine::CommandLine(QString program, Text summary) : program_(std::move(program)), summary_(std::move(summary))
{
    options_.push_back({{QStringLiteral("h"), QStringLiteral("help")}, QString(),
                        Text("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "zeigt diese Hilfe")), {},
                        [this] { helpRequested_ = true; }});
    options_.push_back({{QStringLiteral("version")}, QString(),
                        Text("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "zeigt Programmname und Version")), {},
                        [this] { versionRequested_ = true; }});
    for (const ToolkitOption &t : kToolkitOptions) {
        Option o{{QString::fromLatin1(t.name)}, QString(), QString(), {}, {}};
        if (t.takesValue) o.onValue = [](const QString &) { return QString(); };
        toolkitOptions_.push_back(std::move(o));
    }
}

void CommandLine::AddFlag(const QString &name, Text help, FlagHandler onSet)
{
    options_.push_back({{name}, QString(), std::move(help), {}, std::move(onSet)});
}

void CommandLine::AddOption(const QString &name, Text valueName, Text help, ValueHandler onValue)
{
    options_.push_back({{name}, std::move(valueName), std::move(help), std::move(onValue), {}});
}

const CommandLine::Option *CommandLine::Find(const QString &argument) const
{
    const QString name = OptionName(argument);
    for (const auto *list : {&options_, &toolkitOptions_})
        for (const Option &o : *list)
            if (o.names.contains(name)) return &o;
    return nullptr;
}

QString CommandLine::Refusal(const QStringList &arguments) const
{
    // The parser says only that it refused, in the toolkit's words; walk the
    // arguments as it did to say which one and why.
    const QString seeHelp = tr("„%1 --help“ zeigt die Optionen").arg(program_);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const QString typed = argument.left(argument.indexOf(QLatin1Char('=')));
        if (argument == QLatin1String("--") || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
            return tr("unerwartetes Argument „%1“; %2").arg(Printable(argument), seeHelp);
        const Option *option = Find(argument);
        if (option == nullptr) return tr("unbekannte Option „%1“; %2").arg(Printable(typed), seeHelp);
        const bool inlineValue = argument.contains(QLatin1Char('='));
        if (!option->TakesValue() && inlineValue) return tr("%1 nimmt keinen Wert").arg(Printable(typed));
        if (option->TakesValue() && !inlineValue && ++i >= arguments.size())
            return tr("%1 verlangt einen Wert").arg(Printable(typed));
    }
    return tr("unerwartetes Argument; %1").arg(seeHelp);
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
    QCommandLineParser parser;
    // "-platform" is one option, as the toolkit reads it, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const auto *list : {&options_, &toolkitOptions_}) {
        for (const Option &o : *list) {
            QCommandLineOption option(o.names);
            if (o.TakesValue()) option.setValueName(QStringLiteral("value"));
            parser.addOption(option);
        }
    }
    if (!parser.parse(QStringList{program_} + arguments)) return Fail(Refusal(arguments));
    if (!parser.positionalArguments().isEmpty()) return Fail(Refusal(arguments));

    for (const Option &o : options_) {
        const QString &name = o.names.constLast();
        if (!parser.isSet(name)) continue;
        if (!o.TakesValue()) {
            o.onSet();
            continue;
        }
        for (const QString &value : parser.values(name)) {
            const QString problem = o.onValue(value);
            if (!problem.isEmpty())
                return Fail(QStringLiteral("--%1 %2: %3").arg(name, Printable(value), problem));
        }
    }
    toolkitArguments_.clear();
    for (const Option &o : toolkitOptions_) {
        const QString &name = o.names.constFirst();
        if (!parser.isSet(name)) continue;
        if (!o.TakesValue()) toolkitArguments_ << QLatin1Char('-') + name;
        for (const QString &value : o.TakesValue() ? parser.values(name) : QStringList())
            toolkitArguments_ << QLatin1Char('-') + name << value;
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

QString CommandLine::ToolkitValue(const QString &name) const
{
    const qsizetype at = toolkitArguments_.lastIndexOf(QLatin1Char('-') + name);
    return at >= 0 && at + 1 < toolkitArguments_.size() ? toolkitArguments_[at + 1] : QString();
}

QString CommandLine::HelpText() const
{
    auto left = [](const Option &o) {
        const QString &name = o.names.constLast();
        QString s = o.names.size() > 1 ? QStringLiteral("-%1, ").arg(o.names.constFirst()) : QStringLiteral("    ");
        s += QStringLiteral("--") + name;
        if (o.TakesValue()) s += QLatin1Char(' ') + o.valueName.Translated();
        return s;
    };
    qsizetype width = 0;
    for (const Option &o : options_) width = std::max(width, left(o).size());

    QString text = tr("Aufruf: %1 [OPTION]...").arg(program_) + QLatin1Char('\n');
    text += summary_.Translated() + QStringLiteral("\n\n") + tr("Optionen:") + QLatin1Char('\n');
    for (const Option &o : options_)
        text += QStringLiteral("  ") + left(o).leftJustified(width + 2) + o.help.Translated() + QLatin1Char('\n');
    text += QLatin1Char('\n') + tr("Ohne Optionen öffnet das Programm sein Fenster.") + QLatin1Char('\n');
    text += tr("Die Optionen des Qt-Toolkits (-platform, -display, -style …) gelten auch.") + QLatin1Char('\n');
    return text;
}

QString CommandLine::VersionText() const
{
    return program_ + QLatin1Char(' ') + QStringLiteral(REGENBOGEN_VERSION) + QLatin1Char('\n') +
           QStringLiteral("Copyright (C) 2026 The Regenbogen authors\n") +
           tr("Lizenz GPL-3.0-or-later: GNU GPL Version 3 oder später <https://gnu.org/licenses/gpl.html>.\n"
              "Dies ist freie Software: Sie dürfen sie verändern und weitergeben.\n"
              "Es gibt KEINE GARANTIE, soweit das Gesetz es zulässt.\n");
}

} // namespace rb
