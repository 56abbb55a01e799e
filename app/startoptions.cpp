#include "app/startoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "app/activities.h"

namespace {

// Qt's own options, still among the arguments since they are read before Qt
// takes them out: passed over here, and never shown in the help.
constexpr const char* kQtValueOptions =
    "platform platformpluginpath platformtheme plugin qwindowgeometry geometry qwindowicon icon "
    "qwindowtitle title session display name visual ncols cmap style stylesheet qmljsdebugger";
constexpr const char* kQtFlags = "reverse widgetcount nograb dograb sync";

void passOverQtOptions(QCommandLineParser& parser) {
    for (const bool takesValue : {true, false}) {
        const QString names = QString::fromLatin1(takesValue ? kQtValueOptions : kQtFlags);
        for (const QString& name : names.split(QLatin1Char(' '))) {
            QCommandLineOption option(name);
            if (takesValue) option.setValueName(QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }
}

QString refusal(const QString& why) {
    return why + QLatin1Char('\n') +
           QCoreApplication::translate("StartOptions", "Try 'quorvane --help' for the options.") +
           QLatin1Char('\n');
}

}  // namespace

QString StartOptions::screenForActivity(const QString& activity) {
    for (const Activity& a : Activities::all()) {
        if (activity == a.startName) return a.screen;
    }
    return {};
}

QString StartOptions::activityNames() {
    QStringList names;
    for (const Activity& a : Activities::all()) names << a.startName;
    return names.join(QStringLiteral(", "));
}

StartOptions StartOptions::parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "StartOptions", "Quorvane 2: polyhedra for school pupils, duals and Hamilton's voyage."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("StartOptions", "Show these options and end."));
    const QCommandLineOption fullscreen(
        QStringLiteral("fullscreen"),
        QCoreApplication::translate(
            "StartOptions",
            "Presentation mode: fill the whole screen, for a classroom board (F11 toggles it)."));
    const QCommandLineOption start(
        QStringLiteral("start"),
        QCoreApplication::translate(
            "StartOptions", "Open straight onto an activity (%1); its Exit leads to the menu.")
            .arg(activityNames()),
        //: The value that --start takes, as the help shows it: --start <activity>.
        QCoreApplication::translate("StartOptions", "activity"));
    const QCommandLineOption noWeb(
        QStringLiteral("no-web"),
        QCoreApplication::translate("StartOptions",
                                    "Locked-down room: the menu's web address opens nothing."));
    parser.addOptions({help, fullscreen, start, noWeb});
    passOverQtOptions(parser);

    StartOptions options;
    if (!parser.parse(arguments)) {
        options.outcome = Outcome::Refused;
        options.text = refusal(parser.errorText());
        return options;
    }
    if (parser.isSet(help)) {
        options.outcome = Outcome::Help;
        options.text = parser.helpText();
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.outcome = Outcome::Refused;
        options.text =
            refusal(QCoreApplication::translate("StartOptions", "Unexpected argument '%1'.")
                        .arg(parser.positionalArguments().constFirst()));
        return options;
    }
    options.fullscreen = parser.isSet(fullscreen);
    options.noWeb = parser.isSet(noWeb);
    if (parser.isSet(start)) {
        const QString activity = parser.value(start);
        const QString screen = screenForActivity(activity);
        if (screen.isEmpty()) {
            options.outcome = Outcome::Refused;
            options.text =
                refusal(QCoreApplication::translate(
                            "StartOptions", "Unknown activity '%1' for --start: use one of %2.")
                            .arg(activity, activityNames()));
            return options;
        }
        options.firstScreen = screen;
    }
    return options;
}
