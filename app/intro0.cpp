#include "intro0.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QUrl>

#include "imagebox.h"
#include "picturebutton.h"
#include "picturefiles.h"
#include "screenregistry.h"
#include "shell.h"
#include "standardlayout.h"
#include "twips.h"

#ifndef QUORVANE_PUBLISHER_URL
#define QUORVANE_PUBLISHER_URL "https://quorvane.example.org/"
#endif

namespace {
const QColor kYellow(255, 255, 0);
const QColor kHighlight(0, 0, 255);
const QString kTahoma = QStringLiteral("Tahoma");
constexpr int kEntryPitch = 750;
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

Label* intro0::makeEntry(const QString& name, int left, const QString& caption) {
    auto* entry = new Label(this, name, 0);
    entry->setCaption(caption);
    entry->setFontPoints(kTahoma, 18, true);
    entry->setForeColour(kYellow);
    entry->setBackColour(kHighlight);
    entry->setAlignment(Qt::AlignCenter);
    twips::setGeometry(entry, left, 2520, 5115, 495);
    connect(entry, &Label::pointerMoved, this, [this, entry] { entryMoved(entry); });
    connect(entry, &Label::clicked, this, [this, entry] { entryClicked(entry); });
    return entry;
}

intro0::intro0() : Screen(QStringLiteral("intro0")) {
    setWindowTitle(QStringLiteral("Quorvane 2"));

    m_label1 = new Label(this, QStringLiteral("Label1"));
    m_label1->setCaption(QStringLiteral("Quorvane 2"));
    m_label1->setFontPoints(kTahoma, 30, true);
    m_label1->setForeColour(kYellow);
    m_label1->setBackColour(Qt::black);
    m_label1->setAlignment(Qt::AlignCenter);
    twips::setGeometry(m_label1, 1920, 120, 7980, 900);
    connect(m_label1, &Label::pointerMoved, this, [this] { m_label1->setOpaque(true); });

    m_image2 = new ImageBox(this, QStringLiteral("Image2"), ImageBox::Fit::Stretch);
    twips::setGeometry(m_image2, 120, 120, 1500, 2085);

    m_label4 = new Label(this, QStringLiteral("Label4"));
    m_label4->setCaption(QStringLiteral("version 4.0.004"));
    m_label4->setFontPoints(kTahoma, 9.75, true);
    m_label4->setForeColour(kYellow);
    m_label4->setAlignment(Qt::AlignRight | Qt::AlignTop);
    twips::setGeometry(m_label4, 9720, 120, 1800, 375);

    m_label2 =
        ControlArray<Label>(makeEntry(QStringLiteral("Label2"), 480, QStringLiteral("Pyramids")));
    m_label5 =
        ControlArray<Label>(makeEntry(QStringLiteral("Label5"), 6180, QStringLiteral("Duality")));

    m_label6 = new Label(this, QStringLiteral("Label6"));
    m_label6->setCaption(publisherAddressText());
    m_label6->setFontPoints(QStringLiteral("Arial"), 12, true);
    m_label6->setForeColour(kYellow);
    m_label6->setBackColour(Qt::black);
    m_label6->setOpaque(true);
    m_label6->setAlignment(Qt::AlignCenter);
    m_label6->setCursor(Qt::PointingHandCursor);
    m_label6->setToolTip(publisherAddress());
    twips::setGeometry(m_label6, 4320, 8040, 3315, 375);
    connect(m_label6, &Label::clicked, this, &intro0::label6Click);

    m_command1 = new PictureButton(this, QStringLiteral("Command1"), QStringLiteral("Exit"));
    twips::setGeometry(m_command1, 9570, 7230, 1650, 500);
    connect(m_command1, &PictureButton::clicked, this, &intro0::command1Click);

    connect(this, &Screen::surfaceMoved, this, &intro0::clearHighlights);
}

void intro0::onLoad() {
    standardlayout(*this);
    setBackColour(QColor(49, 135, 215));
    setBackgroundPicture(PictureFiles::load(QStringLiteral("newrec0\\newr0039.gif")));
    m_image2->setPicture(PictureFiles::load(QStringLiteral("Images\\logo2.jpg")));
    const QImage exitPicture = PictureFiles::load(QStringLiteral("Images\\exit.jpg"));
    if (!exitPicture.isNull()) m_command1->setPicture(exitPicture);
    twips::setWidth(m_command1, 1785);
    twips::setHeight(m_command1, 495);
    twips::setLeft(m_command1, 90);
    twips::setTop(m_command1, 7950);

    for (int i = 1; i <= 5; ++i) {
        Label* left = m_label2.load(i);
        twips::setLeft(left, twips::left(m_label2(0)));
        twips::setTop(left, twips::top(m_label2(0)) + kEntryPitch * i);
        Label* right = m_label5.load(i);
        twips::setLeft(right, twips::left(m_label5(0)));
        twips::setTop(right, twips::top(m_label5(0)) + kEntryPitch * i);
        for (Label* entry : {left, right}) {
            connect(entry, &Label::pointerMoved, this, [this, entry] { entryMoved(entry); });
            connect(entry, &Label::clicked, this, [this, entry] { entryClicked(entry); });
        }
    }
    m_label2(1)->setCaption(QStringLiteral("Prisms"));
    m_label2(2)->setCaption(QStringLiteral("Anti-prisms"));
    m_label2(3)->setCaption(QStringLiteral("Regular Polyhedra"));
    m_label2(4)->setCaption(QStringLiteral("Semi-regular Polyhedra"));
    m_label5(1)->setCaption(QStringLiteral("Stellated Polyhedra"));
    m_label5(2)->setCaption(QStringLiteral("Voyage Around the World"));
    m_label5(3)->setCaption(QStringLiteral("The Frustrum of a Pyramid"));
    m_label5(4)->setCaption(QStringLiteral("Pythagoras' Theorem"));
    m_label5(5)->setCaption(QStringLiteral("Animation Sequence"));
    for (int i = 0; i <= 4; ++i) {
        m_label2(i)->show();
        m_label5(i)->show();
    }
    twips::setTop(m_label5(5), twips::top(m_label5(4)) + 2 * kEntryPitch);
    m_label5(5)->show();
    for (int i = 0; i <= 4; ++i) m_label2(i)->setEnabled(false);
    for (int i = 3; i <= 5; ++i) m_label5(i)->setEnabled(false);
    m_label5(1)->setEnabled(false);
}

void intro0::clearHighlights() {
    m_label1->setOpaque(false);
    for (int i = 0; i <= 5; ++i) {
        if (Label* l = m_label2(i)) l->setOpaque(false);
        if (Label* l = m_label5(i)) l->setOpaque(false);
    }
}

void intro0::entryMoved(Label* entry) { entry->setOpaque(true); }

void intro0::entryClicked(Label* entry) {
    if (entry->objectName() != QLatin1String("Label5")) return;
    if (entry->index() == 0)
        handOver(QStringLiteral("duality"));
    else if (entry->index() == 2)
        handOver(QStringLiteral("hamilton"));
}

void intro0::handOver(const QString& screen) {
    // The next screen is shown, and so loaded, before the menu goes; a screen
    // that does not exist leaves the menu where it is.
    if (!screens::show(screen)) return;
    screens::unload(objectName());
}

void intro0::label6Click() { shell::open(QUrl(publisherAddress())); }

void intro0::command1Click() {
    Screen* title = screens::get(QStringLiteral("Titlefrm"));
    if (!title) return;
    if (auto* caption = title->control<QPushButton>(QStringLiteral("Command1")))
        caption->setText(QStringLiteral("Cancel"));
    handOver(QStringLiteral("Titlefrm"));
}

void intro0::closeEvent(QCloseEvent* event) {
    // Closing the menu from its title bar goes back to the title screen, as its exit button does.
    event->ignore();
    command1Click();
}
