#include "command_line.h"

#include "translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
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

// The parser with Morvelin's options and Qt's, its texts in the language of the translations
// installed when it is made.
struct CommandLine {
    QCommandLineParser Parser;
    QCommandLineOption Help{{QStringLiteral("h"), QStringLiteral("help")},
                            QCoreApplication::translate("CommandLine", "Show this help.")};
    QCommandLineOption Version{{QStringLiteral("v"), QStringLiteral("version")},
                               QCoreApplication::translate("CommandLine", "Show the version.")};

    CommandLine() {
        // Qt's own options are written with one dash: -platform, -style.
        Parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        Parser.setApplicationDescription(
            QCoreApplication::translate("CommandLine", "A calculator for numbers, calendar dates and clock times.") +
            QLatin1Char('\n') +
            //: The options keep their English names; the line break keeps lines short in a terminal.
            QCoreApplication::translate("CommandLine",
                                        "Qt's standard options apply as well, among them -platform NAME, -style STYLE\n"
                                        "and -qwindowtitle TITLE; see morvelin(1)."));
        Parser.addOption(Help);
        Parser.addOption(Version);
        for (const QtOption& qtOption : kQtOptions) {
            QCommandLineOption option(QString::fromLatin1(qtOption.Name), QString());
            if (qtOption.TakesValue) option.setValueName(QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            Parser.addOption(option);
        }
    }

    // Whether the arguments are all known; false leaves errorText set, or an argument in
    // positionalArguments.
    bool Parse(const QStringList& arguments) {
        return Parser.parse(arguments) && Parser.positionalArguments().isEmpty();
    }

    // With no display to open and none named, Qt's platform plugin would abort the program with
    // advice to reinstall it (an ssh session, a cron job).
    bool DisplayNamed() const {
        return Parser.isSet(QStringLiteral("platform")) || Parser.isSet(QStringLiteral("display")) ||
               !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
               !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    }
};

// With the command line read, what the program prints and its exit status.
int Answer(CommandLine& line) {
    const QString name = QStringLiteral("morvelin");
    if (!line.Parser.errorText().isEmpty() || !line.Parser.positionalArguments().isEmpty()) {
        const QString error = line.Parser.errorText().isEmpty()
                                  ? QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                                        .arg(line.Parser.positionalArguments().first())
                                  : line.Parser.errorText();
        //: %1 is the program's name: "Try 'morvelin --help'."
        const QString tryHelp = QCoreApplication::translate("CommandLine", "Try '%1 --help'.").arg(name);
        static_cast<void>(Print(stderr, QStringLiteral("%1: %2\n%3\n").arg(name, error, tryHelp)));
        return kUsageError;
    }
    if (line.Parser.isSet(line.Help)) {
        // Without an application object the parser does not know the program's name.
        return Print(stdout, line.Parser.helpText().replace(QStringLiteral("<executable_name>"), name)) ? 0
                                                                                                        : kWriteError;
    }
    if (line.Parser.isSet(line.Version)) {
        return Print(stdout, QStringLiteral("%1 %2\n").arg(name, QStringLiteral(MORVELIN_VERSION))) ? 0 : kWriteError;
    }
    //: %1 is the program's name; DISPLAY, WAYLAND_DISPLAY and -platform offscreen stay as they are.
    const QString message = QCoreApplication::translate(
        "CommandLine",
        "%1: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Run it in a graphical session, "
        "or with -platform offscreen to run it without a screen.");
    static_cast<void>(Print(stderr, message.arg(name) + QLatin1Char('\n')));
    return kNoDisplay;
}

}  // namespace

std::optional<int> HandleCommandLine(int argc, const char* const argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    {
        CommandLine line;
        if (line.Parse(arguments) && !line.Parser.isSet(line.Help) && !line.Parser.isSet(line.Version) &&
            line.DisplayNamed()) {
            return std::nullopt;
        }
    }
    // Something to print: read again, in the user's language. An application object without a
    // display is enough to install translations.
    int count = 1;
    char programName[] = "morvelin";
    char* programArguments[] = {programName, nullptr};
    const QCoreApplication application(count, programArguments);
    const Translations translations{QLocale()};
    CommandLine line;
    static_cast<void>(line.Parse(arguments));
    return Answer(line);
}
