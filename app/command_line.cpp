#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <array>
#include <cstdio>

namespace {

struct QtOption {
    const char* Name;
    bool TakesValue;
};

// The options Qt's application objects take out of argv themselves (QGuiApplication's, those
// of the X11 platform plugin and QApplication's). Known here only so that they are not refused;
// the help names the common ones in its description.
constexpr std::array<QtOption, 21> kQtOptions{{
    {"platform", true},      {"platformpluginpath", true},
    {"platformtheme", true}, {"plugin", true},
    {"qmljsdebugger", true}, {"qwindowgeometry", true},
    {"qwindowicon", true},   {"qwindowtitle", true},
    {"reverse", false},      {"session", true},
    {"testability", false},  {"display", true},
    {"geometry", true},      {"name", true},
    {"title", true},         {"visual", true},
    {"nograb", false},       {"dograb", false},
    {"style", true},         {"stylesheet", true},
    {"widgetcount", false},
}};

constexpr int kWriteError = 1;
constexpr int kNoDisplay = 1;
constexpr int kUsageError = 2;

// Returns whether all of the text reached the stream: --version into a full disk is a failure.
// With _FORTIFY_SOURCE, fprintf becomes __fprintf_chk: the program's one fortified call, which
// lets hardening-check see that the build had the flag. Its other libc memory calls come from
// libstdc++'s builtins on buffers whose size no compiler can know, which glibc cannot check.
bool Print(std::FILE* stream, const QString& text) {
    return std::fprintf(stream, "%s", text.toLocal8Bit().constData()) >= 0 && std::fflush(stream) == 0;
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, const char* const argv[]) {
    QCommandLineParser parser;
    // Qt's own options are written with one dash: -platform, -style.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("A calculator for numbers, calendar dates and clock times.\n"
                       "Qt's standard options apply as well, among them -platform NAME, -style STYLE\n"
                       "and -qwindowtitle TITLE; see morvelin(1)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption& qtOption : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qtOption.Name), QString());
        if (qtOption.TakesValue) option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const QString name = QStringLiteral("morvelin");
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString error =
            parser.errorText().isEmpty()
                ? QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first())
                : parser.errorText();
        static_cast<void>(Print(stderr, QStringLiteral("%1: %2\nTry '%1 --help'.\n").arg(name, error)));
        return kUsageError;
    }
    if (parser.isSet(help)) {
        // Without an application object the parser does not know the program's name.
        return Print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"), name)) ? 0 : kWriteError;
    }
    if (parser.isSet(version)) {
        return Print(stdout, QStringLiteral("%1 %2\n").arg(name, QStringLiteral(MORVELIN_VERSION))) ? 0 : kWriteError;
    }
    // With no display to open and none named, Qt's platform plugin would abort the program with
    // advice to reinstall it (an ssh session, a cron job); say what is missing instead.
    const bool displayNamed = parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display"));
    if (!displayNamed && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        //: %1 is the program's name; DISPLAY, WAYLAND_DISPLAY and -platform offscreen stay as they are.
        const QString message = QCoreApplication::translate(
            "CommandLine",
            "%1: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run it in a graphical session, "
            "or with -platform offscreen to run it without a screen.");
        static_cast<void>(Print(stderr, message.arg(name) + QLatin1Char('\n')));
        return kNoDisplay;
    }
    return std::nullopt;
}
