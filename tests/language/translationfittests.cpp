// Every text fits its box in every language the program speaks: each label's
// caption, in its font and with its word wrapping, lies inside the label, and
// each button's caption fits its face. No pictures are found, so the picture
// buttons show their captions too.
#include <QAbstractButton>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "duality/core/questionbank.h"
#include "jotter/core/consolepalette.h"
#include "language/programlanguage.h"
#include "module1/module1.h"
#include "platform/label.h"
#include "platform/random.h"
#include "platform/screen.h"
#include "platform/screenregistry.h"
#include "program/everyscreen.h"
#include "tests/support/programtest.h"
#include "tests/support/qstringprinter.h"

namespace {

// English and every translation the build made, so a newly added language is
// checked as soon as it is built.
std::vector<std::string> spokenLanguages() {
    std::vector<std::string> languages{"en"};
    std::error_code error;
    const std::string prefix = "quorvane_";
    const std::string suffix = ".qm";
    for (const auto& entry :
         std::filesystem::directory_iterator(QUORVANE_RUN_DIR "/translations", error)) {
        const std::string file = entry.path().filename().string();
        if (file.size() > prefix.size() + suffix.size() && file.starts_with(prefix) &&
            file.ends_with(suffix))
            languages.push_back(
                file.substr(prefix.size(), file.size() - prefix.size() - suffix.size()));
    }
    std::sort(languages.begin() + 1, languages.end());
    return languages;
}

bool buttonCaptionFits(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect face =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QRect needed = button->fontMetrics().boundingRect(face, Qt::AlignCenter, button->text());
    return face.contains(needed);
}

// The caption's letters lie inside the label. A line with letters the label's
// font lacks (Chinese or Japanese in a Tahoma label) takes the height of the
// font that has them, and Noto Sans CJK's line is a third taller than
// Tahoma's: at 24 px it is 35 px in a 33 px topic entry, and the two pixels
// over are empty leading above and below the letters. What is drawn counts.
bool lettersFit(const Label* label) {
    const QRect box = label->rect();
    const int flags =
        static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect area = box.united(label->fontMetrics().boundingRect(box, flags, label->caption()))
                           .adjusted(-8, -8, 8, 8);
    QImage canvas(area.size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.translate(-area.topLeft());
    painter.setFont(label->font());
    painter.drawText(box, flags | Qt::TextDontClip, label->caption());
    painter.end();
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (qAlpha(canvas.pixel(x, y)) != 0 && !box.contains(area.topLeft() + QPoint(x, y)))
                return false;
    return true;
}

class TranslationFit : public ProgramTest, public ::testing::WithParamInterface<std::string> {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        const QString language = QString::fromStdString(GetParam());
        if (language != QLatin1String("en")) {
            const QString file = QStringLiteral(QUORVANE_RUN_DIR "/translations/quorvane_") +
                                 language + QStringLiteral(".qm");
            ASSERT_TRUE(programlanguage::installFile(file));
        }
        registerEveryScreen();
    }

    Screen* show(const char* name) {
        return ScreenRegistry::instance().show(QString::fromLatin1(name));
    }
    // Every label and button of the screen, shown or not, as it stands now.
    static void expectEverythingFits(Screen* screen) {
        for (const Label* label : screen->findChildren<Label*>()) {
            EXPECT_TRUE(label->captionFits() || lettersFit(label))
                << QString(screen->objectName() + QLatin1Char(' ') + label->objectName() +
                           QStringLiteral("(%1): ").arg(label->index()) + label->caption())
                       .toStdString();
        }
        for (const QAbstractButton* button : screen->findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty()) continue;
            EXPECT_TRUE(buttonCaptionFits(button))
                << QString(screen->objectName() + QLatin1Char(' ') + button->objectName() +
                           QStringLiteral(": ") + button->text())
                       .toStdString();
        }
    }
};

TEST_P(TranslationFit, TitleScreenAndMenu) {
    expectEverythingFits(show("Titlefrm"));
    Screen* menu = show("intro0");
    expectEverythingFits(menu);
    click(menu, "Command1");  // back to the title screen, which now offers "Cancel"
    expectEverythingFits(ScreenRegistry::instance().get(QStringLiteral("Titlefrm")));
}

TEST_P(TranslationFit, DualityWithEveryQuestionAndVerdict) {
    int draw = 0;
    Random::setSource([&draw] {
        return (static_cast<float>(draw++ % QuestionBank::kCount) + 0.5f) / QuestionBank::kCount;
    });
    Screen* quiz = show("duality");
    QSet<QString> asked;
    for (int i = 0; i < 2 * QuestionBank::kCount; ++i) {
        asked << quiz->control<Label>(QStringLiteral("Label1"))->caption();
        expectEverythingFits(quiz);
        click(quiz, "cmdgo");
    }
    EXPECT_EQ(asked.size(), QuestionBank::kCount);

    click(quiz, "Cmdcheckit");  // an empty answer is wrong
    expectEverythingFits(quiz);
    auto* box = quiz->control<QLineEdit>(QStringLiteral("Text1"));
    QTest::keyClicks(box, QString::number(Module1::dualanswer));
    click(quiz, "Cmdcheckit");
    expectEverythingFits(quiz);
    click(quiz, "cmdsoln");
    expectEverythingFits(quiz);
}

TEST_P(TranslationFit, HamiltonWithBothVerdicts) {
    Screen* voyage = show("hamilton");
    click(voyage, "Cmdcheckit");  // nothing marked: wrong
    expectEverythingFits(voyage);
    click(voyage, "cmdsoln");
    click(voyage, "Cmdcheckit");  // a stored circuit: right
    expectEverythingFits(voyage);
}

TEST_P(TranslationFit, JotterInBothLayouts) {
    Screen* pad = show("notepad");
    expectEverythingFits(pad);
    click(pad, "Command3");  // portrait
    expectEverythingFits(pad);
}

// The Jotter's buttons stand beside its colour swatches, so none may read as
// the name of a colour (a French "Vert." for a flip reads as green).
TEST_P(TranslationFit, NoJotterButtonReadsAsAColour) {
    QStringList colourWords;
    for (int i = 0; i < ConsolePalette::kCount; ++i)
        colourWords << QCoreApplication::translate("ConsolePalette", ConsolePalette::name(i))
                           .toLower()
                           .split(QLatin1Char(' '));
    for (const QAbstractButton* button : show("notepad")->findChildren<QAbstractButton*>()) {
        QString word = button->text().toLower();
        word.remove(QLatin1Char('.'));
        EXPECT_FALSE(colourWords.contains(word.trimmed())) << button->text().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFit, ::testing::ValuesIn(spokenLanguages()),
                         [](const auto& info) { return info.param; });

TEST(Translations, EveryShippedLanguageIsBuilt) {
    const std::vector<std::string> built = spokenLanguages();
    for (const char* language : {"de", "fr", "es", "it", "ja", "zh_CN"})
        EXPECT_NE(std::find(built.begin(), built.end(), language), built.end()) << language;
}

}  // namespace
