// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CommandLine.h"

#include "platform/Application.h"
#include "platform/CommandLineTexts.h"

#include <QCommandLineParser>
#include <cstdio>

namespace CommandLine {

namespace {

// The exit status of a command line that cannot be used, as for any command of the system.
constexpr int UsageError = 2;

bool isOurs(const QString& argument, const QList<QCommandLineOption>& options)
{
    if (!argument.startsWith(QLatin1Char('-'))) {
        return false;
    }
    const QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
    for (const QCommandLineOption& option : options) {
        if (option.names().contains(name)) {
            return true;
        }
    }
    return false;
}

Answer refuse(const QStringList& arguments, const QList<QCommandLineOption>& options)
{
    QString argument;
    for (qsizetype i = 1; i < arguments.size() && argument.isEmpty(); ++i) {
        if (!isOurs(arguments[i], options)) {
            argument = arguments[i];
        }
    }
    const QString message = argument.startsWith(QLatin1Char('-'))
        ? CommandLineTexts::unknownOption(argument)
        : CommandLineTexts::unexpectedArgument(argument);
    return {Request::Refused, message, UsageError};
}

} // namespace

Answer read(const QStringList& arguments)
{
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform); so are ours when typed that way.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({help, version});
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        return refuse(arguments, {help, version});
    }
    if (parser.isSet(help)) {
        return {Request::Help, CommandLineTexts::help(), 0};
    }
    if (parser.isSet(version)) {
        return {Request::Version,
            Application::title() + QLatin1Char(' ') + Application::versionText() + QLatin1Char('\n'), 0};
    }
    return {};
}

Answer noDisplay()
{
    return {Request::Refused, CommandLineTexts::noDisplay(), 1};
}

int print(const Answer& answer)
{
    std::FILE* stream = answer.request == Request::Refused ? stderr : stdout;
    std::fputs(answer.text.toUtf8().constData(), stream);
    std::fflush(stream);
    return answer.exitStatus;
}

} // namespace CommandLine
