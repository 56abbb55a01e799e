#include "duality/duality.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>

#include <cmath>

#include "app/standardlayout.h"
#include "duality/core/answercheck.h"
#include "duality/core/questionbank.h"
#include "mediapanel/mediapanel.h"
#include "module1/module1.h"
#include "platform/accessibletextbox.h"
#include "platform/announcer.h"
#include "platform/fonts.h"
#include "platform/frameplayer.h"
#include "platform/imagebox.h"
#include "platform/label.h"
#include "platform/picturebutton.h"
#include "platform/picturefiles.h"
#include "platform/random.h"
#include "platform/screenregistry.h"
#include "platform/twips.h"

namespace {

const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QColor kFullScreenBack(64, 64, 64);
const QString kTahoma = QStringLiteral("Tahoma");
constexpr double kTextPoints = 15.75;
constexpr int kTextLeft = 120;
constexpr int kTextWidth = 6495;
constexpr int kCursorHotX = 12;
constexpr int kCursorHotY = 1;

// The run of blanks pushes the second sentence onto a line of its own.
//: The run of blanks pushes the second sentence onto a line of its own; a line break does the same.
const char* const kDualText = QT_TRANSLATE_NOOP(
    "duality",
    "The points at the centres of the faces of a regular polyhedron are the vertices of another "
    "regular polyhedron.                   Two polyhedra that are related in this way are "
    "described as dual polyhedra.");
const char* const kEdgesText = QT_TRANSLATE_NOOP(
    "duality",
    "The number of edges meeting at a vertex of a regular polygon is equal to the number of edges "
    "in each of the faces of its dual. For instance, octahedra have four edges meeting at each "
    "vertex and the dual of the octahedron is a cube whose faces are squares.");

}  // namespace

Label* duality::makeText(const QString& name, const QString& caption, int top, int height) {
    auto* label = new Label(this, name);
    label->setCaption(caption);
    label->setFontPoints(kTahoma, kTextPoints);
    label->setForeColour(kGreen);
    label->setWordWrap(true);
    twips::setGeometry(label, kTextLeft, top, kTextWidth, height);
    return label;
}

PictureButton* duality::makeButton(const QString& name, const QString& caption) {
    // standardlayout gives the picture and the place; until then the caption shows.
    return new PictureButton(this, name, caption);
}

duality::duality() : Screen(QStringLiteral("duality")) {
    //: The window of the quiz on dual polyhedra.
    setWindowTitle(tr("Duality"));

    m_dualText = makeText(QStringLiteral("Label2"), tr(kDualText), 120, 2055);
    m_edgesText = makeText(QStringLiteral("Label5"), tr(kEdgesText), 2160, 2775);

    m_question = new Label(this, QStringLiteral("Label1"));
    m_question->setCaption(QStringLiteral("Label1"));
    m_question->setFontPoints(kTahoma, 24);
    m_question->setForeColour(kYellow);
    m_question->setWordWrap(true);
    twips::setGeometry(m_question, 360, 5160, 6855, 2415);

    m_answerBox = new QLineEdit(this);
    m_answerBox->setObjectName(QStringLiteral("Text1"));
    //: The box where the pupil types the answer, as a screen reader names it.
    m_answerBox->setAccessibleName(tr("Your answer"));
    // A screen reader reads the question whenever the box takes the focus.
    AccessibleTextBox::setLabel(m_answerBox, m_question);
    fonts::apply(m_answerBox, kTahoma, 48);
    m_answerBox->setAlignment(Qt::AlignCenter);
    twips::setGeometry(m_answerBox, 7680, 5280, 1695, 1275);

    m_result = new Label(this, QStringLiteral("Label4"));
    m_result->setCaption(tr("Correct to two decimal places:"));
    m_result->setFontPoints(kTahoma, 36);
    m_result->setForeColour(kYellow);
    m_result->setAlignment(Qt::AlignCenter);
    twips::setGeometry(m_result, 2760, 7560, 6495, 1095);

    m_animation = new ImageBox(this, QStringLiteral("Image2"), ImageBox::Fit::Stretch);
    twips::setGeometry(m_animation, 6840, 240, 4860, 3660);

    m_panel = new MediaPanel(this, QStringLiteral("MMControl1"));
    twips::setGeometry(m_panel, 7680, 3960, 1590, 330);

    m_fullScreen = new Label(this, QStringLiteral("Label3"));
    //: A label beside the animation that is always shown disabled.
    m_fullScreen->setCaption(tr("Full Screen"));
    m_fullScreen->setFontPoints(kTahoma, 11.25, true);
    m_fullScreen->setForeColour(kYellow);
    m_fullScreen->setBackColour(kFullScreenBack);
    m_fullScreen->setOpaque(true);
    m_fullScreen->setAlignment(Qt::AlignCenter);
    m_fullScreen->setEnabled(false);
    twips::setGeometry(m_fullScreen, 9360, 3960, 1455, 330);

    m_player = new FramePlayer(this, m_animation, kTickMs);
    m_panel->attach(m_player);

    //: Button: check the typed answer.
    PictureButton* check = makeButton(QStringLiteral("Cmdcheckit"), tr("Check"));
    //: Button: show the expected answer.
    PictureButton* soln = makeButton(QStringLiteral("cmdsoln"), tr("Answer"));
    //: Button: open the Jotter, the scribbling pad.
    PictureButton* jotter = makeButton(QStringLiteral("cmdjotter"), tr("Jotter"));
    //: Button: the next question.
    PictureButton* go = makeButton(QStringLiteral("cmdgo"), tr("Next"));
    //: Button: back to the topic menu.
    PictureButton* exit = makeButton(QStringLiteral("cmdexit"), tr("Exit"));

    connect(m_answerBox, &QLineEdit::returnPressed, this, &duality::cmdcheckitClick);
    connect(check, &QAbstractButton::clicked, this, &duality::cmdcheckitClick);
    connect(soln, &QAbstractButton::clicked, this, &duality::cmdsolnClick);
    connect(jotter, &QAbstractButton::clicked, this, &duality::cmdjotterClick);
    connect(go, &QAbstractButton::clicked, this, &duality::cmdgoClick);
    connect(exit, &QAbstractButton::clicked, this, &duality::cmdexitClick);
}

QTimer* duality::Timer1() const { return m_player->timer(); }

void duality::setFullScreenPointer() {
    QImage picture = PictureFiles::load(QStringLiteral("Images\\fullscreen-cursor.png"));
    if (picture.isNull()) {
        m_fullScreen->setCursor(Qt::PointingHandCursor);
        return;
    }
    // The pointer grows and shrinks with the screen, its tip still on the hot spot.
    const double scale = twips::scale();
    if (scale != 1.0) {
        const qreal ratio = devicePixelRatioF();
        picture = picture.scaled((PictureFiles::drawnSize(picture) * ratio).toSize(),
                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
    }
    m_fullScreen->setCursor(QCursor(QPixmap::fromImage(picture),
                                    static_cast<int>(std::lround(kCursorHotX * scale)),
                                    static_cast<int>(std::lround(kCursorHotY * scale))));
}

void duality::onScaleChanged() { setFullScreenPointer(); }

void duality::onLoad() {
    standardlayout(*this);
    // Reachable by Tab here, though the standard layout takes the buttons out
    // of the tab order: a pupil on the keyboard needs every one of them.
    QList<QWidget*> chain{m_answerBox};
    for (const char* name : {"Cmdcheckit", "cmdsoln", "cmdjotter", "cmdgo"}) {
        auto* button = control<PictureButton>(QString::fromLatin1(name));
        button->setTabStop(true);
        chain << button;
    }
    chain << m_panel->playButton() << m_panel->pauseButton() << m_panel->backButton()
          << m_panel->stepButton();
    auto* exit = control<PictureButton>(QStringLiteral("cmdexit"));
    exit->setTabStop(true);
    chain << exit;
    setTabChain(chain);
    setFullScreenPointer();
    m_player->setFramenum(0);
    calculate();
    m_answerBox->setFocus();
    // The window's arrival reads the question, as the name of the box that has the focus.
    announcer::say(this, m_player->description());
}

void duality::calculate() {
    m_fullScreen->show();
    m_result->setCaption(QString());
    m_answerBox->clear();

    m_questions.clear();
    for (const DualityQuestion& q : QuestionBank::questions())
        m_questions.append(QCoreApplication::translate("QuestionBank", q.text));

    Random::seedFromClock();
    const QuestionBank::Choice choice = QuestionBank::choose(Random::next());
    const int q = choice.index;
    if (!QuestionBank::question(q).showsFullScreen) m_fullScreen->hide();
    m_player->setSequence(choice.animation);
    m_player->setFramenum(0);

    // A first frame that cannot be read leaves the box empty rather than
    // showing the previous question's animation.
    m_animation->setPicture(loadFrame(m_player->frameFile(0)));
    m_player->start();
    m_question->setCaption(m_questions.at(q));
}

// A frame that cannot be read keeps the one before on show.
void duality::timer1Tick() { m_player->advance(); }

void duality::cmdcheckitClick() {
    const QString typed = m_answerBox->text();
    const std::u16string_view text(reinterpret_cast<const char16_t*>(typed.utf16()),
                                   static_cast<std::size_t>(typed.size()));
    QString spoken;
    if (AnswerCheck::isRight(text, Module1::dualanswer)) {
        m_result->setCaption(QCoreApplication::translate("Verdict", AnswerCheck::kRightText));
        spoken = m_result->caption();
    } else {
        m_result->setCaption(QCoreApplication::translate("Verdict", AnswerCheck::kWrongText));
        m_answerBox->clear();
        //: Spoken after "Wrong, Try Again", which empties the answer box.
        spoken = tr("%1. The answer box is empty again.").arg(m_result->caption());
    }
    m_result->show();
    announcer::say(this, spoken);
    // Back to the answer box, so the pupil can type again at once.
    m_answerBox->setFocus(Qt::OtherFocusReason);
}

void duality::cmdsolnClick() {
    m_result->setCaption(QString::fromStdString(AnswerCheck::answerText(Module1::dualanswer)));
    m_result->show();
    //: Spoken when the expected answer is shown; %1 is the number the screen shows.
    announcer::say(this, tr("The answer is %1.").arg(m_result->caption()));
}

void duality::cmdjotterClick() { screens::show(QStringLiteral("notepad")); }

void duality::cmdgoClick() {
    m_player->stop();
    calculate();
    m_answerBox->setFocus();
    // Emptying the box already took a screen reader's attention there, so
    // the focus coming back says nothing: the new question is spoken.
    announcer::say(this, m_question->caption() + QLatin1Char(' ') + m_player->description());
}

void duality::cmdexitClick() { exitToMenu(*this); }

void duality::closeEvent(QCloseEvent* event) {
    // Closing from the title bar leaves for the menu, as the exit button does.
    event->ignore();
    cmdexitClick();
}
