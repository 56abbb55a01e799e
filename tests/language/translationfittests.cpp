// Every text fits its box in every language the program speaks: each label's
// caption, in its font and with its word wrapping, lies inside the label, and
// each button's caption fits its face. No pictures are found, so the picture
// buttons show their captions too. Every character is drawn, by the font asked
// for or one that fontconfig falls back to, never as an empty box; and a
// language written from right to left turns the screens to read that way.
#include <QAbstractButton>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
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
#include "tests/support/glyphcoverage.h"
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
            const std::string name =
                QString(screen->objectName() + QLatin1Char(' ') + label->objectName() +
                        QStringLiteral("(%1): ").arg(label->index()) + label->caption())
                    .toStdString();
            EXPECT_TRUE(label->captionFits() || lettersFit(label)) << name;
            // English is drawn exactly where its font's lines put it.
            if (GetParam() == "en") {
                EXPECT_EQ(label->inkDrop(), 0) << name;
            }
            EXPECT_EQ(missingGlyphs(label->font(), label->caption()), 0) << name;
        }
        for (const QAbstractButton* button : screen->findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty()) continue;
            const std::string name =
                QString(screen->objectName() + QLatin1Char(' ') + button->objectName() +
                        QStringLiteral(": ") + button->text())
                    .toStdString();
            EXPECT_TRUE(buttonCaptionFits(button)) << name;
            EXPECT_EQ(missingGlyphs(button->font(), button->text()), 0) << name;
        }
    }
    static Qt::LayoutDirection languageDirection() {
        return QLocale(QString::fromStdString(GetParam())).textDirection();
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

// The pupil's own digits are drawn in the answer box and judged as the ASCII
// ones: Arabic-Indic, Eastern Arabic-Indic (Persian, Urdu), Devanagari and
// full-width (typed through a Chinese or Japanese input method).
TEST_P(TranslationFit, AnswerInThePupilsDigitsIsRight) {
    Screen* quiz = show("duality");
    auto* box = quiz->control<QLineEdit>(QStringLiteral("Text1"));
    auto* verdict = quiz->control<Label>(QStringLiteral("Label4"));
    const QString right = QCoreApplication::translate("Verdict", "Correct, Well Done!");
    for (char16_t zero : {u'\u0660', u'\u06F0', u'\u0966', u'\uFF10'}) {
        QString typed;
        for (QChar c : QString::number(Module1::dualanswer))
            typed += QChar(zero + (c.unicode() - u'0'));
        box->clear();
        // As an input method sends them: keys that carry only their text.
        for (QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        EXPECT_EQ(box->text(), typed);
        EXPECT_EQ(missingGlyphs(box->font(), typed), 0) << typed.toStdString();
        click(quiz, "Cmdcheckit");
        EXPECT_EQ(verdict->caption(), right) << typed.toStdString();
    }
}

// Arabic and Hebrew turn every screen right to left: the texts start at their
// box's right edge and the answer box takes its text from the right; the
// places of the boxes stay as they are.
TEST_P(TranslationFit, ScreensReadInTheLanguagesDirection) {
    const Qt::LayoutDirection direction = languageDirection();
    EXPECT_EQ(QGuiApplication::layoutDirection(), direction);
    Screen* quiz = show("duality");
    EXPECT_EQ(quiz->control<QLineEdit>(QStringLiteral("Text1"))->layoutDirection(), direction);
    // The first explanation is a left-aligned text in English: where its ink lies.
    auto* explanation = quiz->control<Label>(QStringLiteral("Label2"));
    const QImage drawn = explanation->grab().toImage();
    const QColor back = drawn.pixelColor(0, drawn.height() - 1);
    int left = drawn.width(), right = -1;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixelColor(x, y) != back)
                left = std::min(left, x), right = std::max(right, x);
    ASSERT_GE(right, left) << "nothing drawn";
    const int margin = drawn.width() / 20;
    if (direction == Qt::RightToLeft) {
        EXPECT_GT(right, drawn.width() - margin);
    } else {
        EXPECT_LT(left, margin);
    }
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
    for (const char* language : {"de", "fr", "es", "it", "ja", "zh_CN", "ar", "he"})
        EXPECT_NE(std::find(built.begin(), built.end(), language), built.end()) << language;
}

}  // namespace
