// The rule that picks a translation from the desktop's languages, with no Qt.
#include <gtest/gtest.h>

#include "language/core/languagechoice.h"

namespace {

struct ChoiceCase {
    const char* name;
    std::vector<std::string> preferred;
    std::string expected;  // "" is English
};

const std::vector<std::string> kSpoken = {"de", "fr", "es", "pt_BR"};

class LanguageChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(LanguageChoiceTest, PicksTheFirstSpokenPreference) {
    EXPECT_EQ(LanguageChoice::choose(GetParam().preferred, kSpoken), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, LanguageChoiceTest,
    ::testing::Values(ChoiceCase{"GermanWithTerritory", {"de-DE", "de"}, "de"},
                      ChoiceCase{"AustrianTakesGerman", {"de-AT"}, "de"},
                      ChoiceCase{"LocaleNameWithEncoding", {"fr_FR.UTF-8"}, "fr"},
                      ChoiceCase{"ModifierIgnored", {"es_ES@euro"}, "es"},
                      ChoiceCase{"UpperCase", {"ES"}, "es"},
                      ChoiceCase{"UnspokenFallsThroughToNext", {"it-IT", "fr-FR"}, "fr"},
                      ChoiceCase{"NothingSpokenIsEnglish", {"ja-JP", "zh-Hans-CN"}, ""},
                      ChoiceCase{"EnglishFirstWinsOverLaterGerman", {"en-GB", "de-DE"}, ""},
                      ChoiceCase{"PlainCLocaleIsEnglish", {"C"}, ""},
                      ChoiceCase{"PosixIsEnglish", {"POSIX", "de"}, ""},
                      ChoiceCase{"EmptyListIsEnglish", {}, ""},
                      ChoiceCase{"EmptyEntriesSkipped", {"", "-", "de"}, "de"},
                      ChoiceCase{"TerritoryFileBeforeLanguage", {"pt-BR"}, "pt_BR"},
                      ChoiceCase{"OtherTerritoryDoesNotTakeIt", {"pt-PT"}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LanguageChoice, NothingAvailableIsAlwaysEnglish) {
    EXPECT_EQ(LanguageChoice::choose({"de-DE", "fr"}, {}), "");
}

// The program and the picture generator both find the languages by these names.
TEST(LanguageChoice, TranslationFilesNameTheirLanguage) {
    EXPECT_EQ(LanguageChoice::translationFile("pt_BR"), "quorvane_pt_BR.qm");
    const struct {
        const char* file;
        const char* language;  // "" when the file is no translation
    } cases[] = {
        {"quorvane_de.qm", "de"}, {"quorvane_pt_BR.qm", "pt_BR"}, {"quorvane_.qm", ""},
        {"quorvane_de.ts", ""},   {"qtbase_de.qm", ""},           {"quorvane_de.qm~", ""},
        {"xquorvane_de.qm", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageChoice::languageOfFile(c.file), c.language) << c.file;
}

}  // namespace
