// The teacher's start options, read as the program reads its command line.
#include <QStringList>

#include <gtest/gtest.h>

#include "app/startoptions.h"
#include "program/everyscreen.h"
#include "tests/support/qstringprinter.h"

namespace {

using Outcome = StartOptions::Outcome;

struct OptionsRow {
    const char* name;
    QStringList arguments;  // after the program's name
    Outcome outcome;
    bool fullscreen;
    bool noWeb;
    const char* firstScreen;
};

class StartOptionsTable : public ::testing::TestWithParam<OptionsRow> {};

TEST_P(StartOptionsTable, ReadsTheCommandLine) {
    registerActivities();
    const OptionsRow& row = GetParam();
    const StartOptions options =
        StartOptions::parse(QStringList{QStringLiteral("quorvane")} + row.arguments);
    EXPECT_EQ(options.outcome, row.outcome);
    EXPECT_EQ(options.fullscreen, row.fullscreen);
    EXPECT_EQ(options.noWeb, row.noWeb);
    EXPECT_EQ(options.firstScreen, QString::fromLatin1(row.firstScreen));
    if (row.outcome == Outcome::Refused) {
        EXPECT_TRUE(options.text.contains(QStringLiteral("--help"))) << options.text.toStdString();
    }
}

const QString kStart = QStringLiteral("--start");

INSTANTIATE_TEST_SUITE_P(
    StartOptions, StartOptionsTable,
    ::testing::Values(
        OptionsRow{"NoneStartsOnTheTitle", {}, Outcome::Run, false, false, "Titlefrm"},
        OptionsRow{
            "Fullscreen", {QStringLiteral("--fullscreen")}, Outcome::Run, true, false, "Titlefrm"},
        OptionsRow{"StartDuality",
                   {kStart, QStringLiteral("duality")},
                   Outcome::Run,
                   false,
                   false,
                   "duality"},
        OptionsRow{"StartVoyageOpensHamilton",
                   {QStringLiteral("--start=voyage")},
                   Outcome::Run,
                   false,
                   false,
                   "hamilton"},
        OptionsRow{"AllTogether",
                   {QStringLiteral("--no-web"), kStart, QStringLiteral("voyage"),
                    QStringLiteral("--fullscreen")},
                   Outcome::Run,
                   true,
                   true,
                   "hamilton"},
        OptionsRow{"Help", {QStringLiteral("--help")}, Outcome::Help, false, false, "Titlefrm"},
        OptionsRow{"UnknownOption",
                   {QStringLiteral("--kiosk")},
                   Outcome::Refused,
                   false,
                   false,
                   "Titlefrm"},
        OptionsRow{"UnknownActivity",
                   {kStart, QStringLiteral("pyramids")},
                   Outcome::Refused,
                   false,
                   false,
                   "Titlefrm"},
        OptionsRow{"ActivityCaseMatters",
                   {kStart, QStringLiteral("Duality")},
                   Outcome::Refused,
                   false,
                   false,
                   "Titlefrm"},
        OptionsRow{"StartWithoutActivity", {kStart}, Outcome::Refused, false, false, "Titlefrm"},
        OptionsRow{"StrayArgument",
                   {QStringLiteral("lesson.txt")},
                   Outcome::Refused,
                   false,
                   false,
                   "Titlefrm"},
        OptionsRow{"LongUnicodeGarbage",
                   {QStringLiteral("--") + QString(5000, QChar(0x2603))},
                   Outcome::Refused,
                   false,
                   false,
                   "Titlefrm"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartOptions, HelpNamesEveryOptionAndActivity) {
    registerActivities();
    const StartOptions options =
        StartOptions::parse({QStringLiteral("quorvane"), QStringLiteral("--help")});
    for (const char* option :
         {"--fullscreen", "--start <activity>", "duality", "voyage", "--no-web", "--help"})
        EXPECT_TRUE(options.text.contains(QString::fromLatin1(option))) << option;
}

// The options are read before the application exists, so Qt's own are still
// among them: passed over, and never named in the help.
TEST(StartOptions, QtsOwnOptionsArePassedOver) {
    registerActivities();
    const StartOptions run = StartOptions::parse(
        {QStringLiteral("quorvane"), QStringLiteral("-platform"), QStringLiteral("offscreen"),
         QStringLiteral("-reverse"), QStringLiteral("--style=Fusion"), QStringLiteral("--no-web")});
    EXPECT_EQ(run.outcome, Outcome::Run) << run.text.toStdString();
    EXPECT_TRUE(run.noWeb);
    const StartOptions help =
        StartOptions::parse({QStringLiteral("quorvane"), QStringLiteral("-display"),
                             QStringLiteral(":0"), QStringLiteral("--help")});
    EXPECT_EQ(help.outcome, Outcome::Help);
    for (const char* qts : {"platform", "display", "reverse", "style"})
        EXPECT_FALSE(help.text.contains(QString::fromLatin1(qts))) << qts;
}

}  // namespace
