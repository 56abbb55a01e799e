#include "app/intro0.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "app/activities.h"
#include "app/standardlayout.h"
#include "platform/announcer.h"
#include "platform/imagebox.h"
#include "platform/picturebutton.h"
#include "platform/picturefiles.h"
#include "platform/screenregistry.h"
#include "platform/shell.h"
#include "platform/twips.h"

#ifndef QUORVANE_PUBLISHER_URL
#define QUORVANE_PUBLISHER_URL "https://quorvane.example.org/"
#endif

namespace {
const QColor kYellow(255, 255, 0);
const QColor kHighlight(0, 0, 255);
const QString kTahoma = QStringLiteral("Tahoma");
constexpr int kEntryPitch = 750;
// How long the menu says that no browser could open its address.
constexpr int kNoBrowserMilliseconds = 6000;
}  // namespace

QString intro0::publisherAddress() { return QStringLiteral(QUORVANE_PUBLISHER_URL); }

QString intro0::publisherAddressText() {
    // The scheme and a closing slash say nothing to a pupil and would not fit the line.
    const QUrl url(publisherAddress());
    QString text = url.toString(QUrl::RemoveScheme);
    while (text.startsWith(QLatin1Char('/'))) text.remove(0, 1);
    while (text.endsWith(QLatin1Char('/'))) text.chop(1);
    return text.isEmpty() ? publisherAddress() : text;
}

void intro0::connectEntry(Label* entry) {
    connect(entry, &Label::pointerMoved, this, [this, entry] { entryMoved(entry); });
    // The focused topic alone is highlighted, as if the pointer had just moved onto it.
    connect(entry, &Label::keyboardFocused, this, &intro0::clearHighlights);
}

Label* intro0::makeEntry(const QString& name, int left, const QString& caption) {
    auto* entry = new Label(this, name, 0);
    entry->setCaption(caption);
    entry->setFontPoints(kTahoma, 18, true);
    entry->setForeColour(kYellow);
    entry->setBackColour(kHighlight);
    entry->setAlignment(Qt::AlignCenter);
    twips::setGeometry(entry, left, 2520, 5115, 495);
    entry->setKeyboardReachable(Label::FocusLook::Highlight);
    connectEntry(entry);
    return entry;
}

// The web line's look, which the message about it shares: yellow Arial on black.
Label* intro0::makeWebLine(const QString& name, const QString& caption) {
    auto* line = new Label(this, name);
    line->setCaption(caption);
    line->setFontPoints(QStringLiteral("Arial"), 12, true);
    line->setForeColour(kYellow);
    line->setBackColour(Qt::black);
    line->setOpaque(true);
    line->setAlignment(Qt::AlignCenter);
    return line;
}

intro0::intro0() : Screen(QStringLiteral("intro0")) {
    setWindowTitle(tr("Quorvane 2"));

    m_heading = new Label(this, QStringLiteral("Label1"));
    m_heading->setCaption(tr("Quorvane 2"));
    m_heading->setFontPoints(kTahoma, 30, true);
    m_heading->setForeColour(kYellow);
    m_heading->setBackColour(Qt::black);
    m_heading->setAlignment(Qt::AlignCenter);
    twips::setGeometry(m_heading, 1920, 120, 7980, 900);
    connect(m_heading, &Label::pointerMoved, this, [this] { m_heading->setOpaque(true); });

    m_logo = new ImageBox(this, QStringLiteral("Image2"), ImageBox::Fit::Stretch);
    twips::setGeometry(m_logo, 120, 120, 1500, 2085);

    m_version = new Label(this, QStringLiteral("Label4"));
    m_version->setCaption(tr("version 4.0.004"));
    m_version->setFontPoints(kTahoma, 9.75, true);
    m_version->setForeColour(kYellow);
    m_version->setAlignment(Qt::AlignRight | Qt::AlignTop);
    twips::setGeometry(m_version, 9720, 120, 1800, 375);

    m_leftTopics = ControlArray<Label>(makeEntry(QStringLiteral("Label2"), 480, tr("Pyramids")));
    m_rightTopics =
        ControlArray<Label>(makeEntry(QStringLiteral("Label5"), 6180, activityCaption(0)));

    m_webAddress = makeWebLine(QStringLiteral("Label6"), publisherAddressText());
    twips::setGeometry(m_webAddress, 4320, 8040, 3315, 375);
    m_webAddress->setKeyboardReachable();
    // In a locked-down room the line opens nothing, so it promises nothing.
    if (!shell::isLocked()) {
        m_webAddress->setCursor(Qt::PointingHandCursor);
        m_webAddress->setToolTip(publisherAddress());
    }
    connect(m_webAddress, &Label::clicked, this, &intro0::openWebAddress);

    // Said just above the web line, where the pupil looks after clicking it.
    //: Shown for a few seconds above the web address when no browser could open it.
    const QString noBrowser = tr("There is no web browser on this computer.");
    m_noBrowser = makeWebLine(QStringLiteral("noBrowser"), noBrowser);
    twips::setGeometry(m_noBrowser, 1980, 7575, 8040, 375);
    m_noBrowser->hide();
    m_noBrowserTimer = new QTimer(this);
    m_noBrowserTimer->setSingleShot(true);
    m_noBrowserTimer->setInterval(kNoBrowserMilliseconds);
    connect(m_noBrowserTimer, &QTimer::timeout, m_noBrowser, &QWidget::hide);

    //: The menu's exit button, back to the title screen.
    m_exit = new PictureButton(this, QStringLiteral("Command1"), tr("Exit"));
    twips::setGeometry(m_exit, 9570, 7230, 1650, 500);
    connect(m_exit, &PictureButton::clicked, this, &intro0::backToTitle);

    connect(this, &Screen::surfaceMoved, this, &intro0::clearHighlights);
}

void intro0::onLoad() {
    standardlayout(*this);
    setBackColour(QColor(49, 135, 215));
    setBackgroundPicture(PictureFiles::load(QStringLiteral("newrec0\\newr0039.gif")));
    m_logo->setPicture(PictureFiles::load(QStringLiteral("Images\\logo2.jpg")));
    const QImage exitPicture = PictureFiles::load(QStringLiteral("Images\\exit.jpg"));
    if (!exitPicture.isNull()) m_exit->setPicture(exitPicture);
    twips::setWidth(m_exit, 1785);
    twips::setHeight(m_exit, 495);
    twips::setLeft(m_exit, 90);
    twips::setTop(m_exit, 7950);

    for (int i = 1; i <= 5; ++i) {
        Label* left = m_leftTopics.load(i);
        twips::setLeft(left, twips::left(m_leftTopics(0)));
        twips::setTop(left, twips::top(m_leftTopics(0)) + kEntryPitch * i);
        Label* right = m_rightTopics.load(i);
        twips::setLeft(right, twips::left(m_rightTopics(0)));
        twips::setTop(right, twips::top(m_rightTopics(0)) + kEntryPitch * i);
        for (Label* entry : {left, right}) connectEntry(entry);
    }
    m_leftTopics(1)->setCaption(tr("Prisms"));
    m_leftTopics(2)->setCaption(tr("Anti-prisms"));
    m_leftTopics(3)->setCaption(tr("Regular Polyhedra"));
    m_leftTopics(4)->setCaption(tr("Semi-regular Polyhedra"));
    m_rightTopics(1)->setCaption(tr("Stellated Polyhedra"));
    //: The frustum of a pyramid (a topic; the English spelling is the program's own).
    m_rightTopics(3)->setCaption(tr("The Frustrum of a Pyramid"));
    m_rightTopics(4)->setCaption(tr("Pythagoras' Theorem"));
    m_rightTopics(5)->setCaption(tr("Animation Sequence"));
    // The activities' own topics, wherever they stand, lead to their screens.
    for (int i = 1; i <= 5; ++i) {
        if (Activities::inMenuSlot(i)) m_rightTopics(i)->setCaption(activityCaption(i));
    }
    for (int i = 0; i <= 4; ++i) {
        m_leftTopics(i)->show();
        m_rightTopics(i)->show();
    }
    twips::setTop(m_rightTopics(5), twips::top(m_rightTopics(4)) + 2 * kEntryPitch);
    m_rightTopics(5)->show();
    for (int i = 0; i <= 4; ++i) m_leftTopics(i)->setEnabled(false);
    for (int i = 0; i <= 5; ++i) {
        const Activity* activity = Activities::inMenuSlot(i);
        m_rightTopics(i)->setEnabled(activity != nullptr);
        if (activity)
            connect(m_rightTopics(i), &Label::clicked, this,
                    [this, screen = activity->screen] { handOver(screen); });
    }

    // Down the left column, then the right, then the address and the exit.
    QList<QWidget*> chain;
    for (int i = 0; i <= 5; ++i) chain << m_leftTopics(i);
    for (int i = 0; i <= 5; ++i) chain << m_rightTopics(i);
    chain << m_webAddress << m_exit;
    setTabChain(chain);
    // The first live topic holds the focus from the start, so a screen reader
    // names it as the menu arrives; its highlight waits for the first key, so
    // no topic is highlighted before the pupil asks for one.
    setFocus(Qt::ActiveWindowFocusReason);
    for (QWidget* w : chain) {
        if (w->isEnabled() && !w->isHidden()) {
            w->setFocus(Qt::ActiveWindowFocusReason);
            break;
        }
    }
}

bool intro0::focusNextPrevChild(bool next) {
    // The first step forward from the topic that holds the focus unmarked
    // marks it: Tab and the arrows begin on the first live topic, as they
    // would from the menu itself.
    auto* topic = qobject_cast<Label*>(focusWidget());
    if (next && topic && !topic->showsKeyboardFocus()) {
        topic->showKeyboardFocus();
        return true;
    }
    return Screen::focusNextPrevChild(next);
}

void intro0::keyPressEvent(QKeyEvent* event) {
    // The arrows walk the same round as Tab: the two live topics, the web
    // address and the exit. Disabled and hidden topics take no focus.
    switch (event->key()) {
        case Qt::Key_Down:
        case Qt::Key_Right:
            focusNextPrevChild(true);
            break;
        case Qt::Key_Up:
        case Qt::Key_Left:
            focusNextPrevChild(false);
            break;
        default:
            Screen::keyPressEvent(event);
            return;
    }
    event->accept();
}

void intro0::clearHighlights() {
    m_heading->setOpaque(false);
    for (int i = 0; i <= 5; ++i) {
        if (Label* l = m_leftTopics(i)) l->setOpaque(false);
        if (Label* l = m_rightTopics(i)) l->setOpaque(false);
    }
}

void intro0::entryMoved(Label* entry) { entry->setOpaque(true); }

QString intro0::activityCaption(int slot) {
    const Activity* activity = Activities::inMenuSlot(slot);
    return activity ? tr(activity->caption) : QString();
}

void intro0::handOver(const QString& screen) {
    // The next screen is shown, and so loaded, before the menu goes; a screen
    // that does not exist leaves the menu where it is.
    if (!screens::show(screen)) return;
    screens::unload(objectName());
}

void intro0::openWebAddress() {
    m_noBrowser->hide();
    // The opener may give up after the menu has gone.
    shell::open(QUrl(publisherAddress()), [menu = QPointer<intro0>(this)] {
        if (menu) menu->sayNoBrowser();
    });
}

void intro0::sayNoBrowser() {
    m_noBrowser->show();
    m_noBrowser->raise();
    announcer::say(this, m_noBrowser->caption());  // read out, as a verdict is
    m_noBrowserTimer->start();
}

void intro0::backToTitle() {
    Screen* title = screens::get(QStringLiteral("Titlefrm"));
    if (!title) return;
    if (auto* caption = title->control<QPushButton>(QStringLiteral("Command1")))
        //: The title screen's first button when the menu brings it back: back to the menu.
        caption->setText(tr("Cancel"));
    handOver(QStringLiteral("Titlefrm"));
}

void intro0::closeEvent(QCloseEvent* event) {
    // Closing the menu from its title bar goes back to the title screen, as its exit button does.
    event->ignore();
    backToTitle();
}
