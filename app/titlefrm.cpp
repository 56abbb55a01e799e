#include "app/titlefrm.h"

#include <QCloseEvent>

#include "app/standardlayout.h"
#include "module1/animationtable.h"
#include "platform/announcer.h"
#include "platform/application.h"
#include "platform/commandbutton.h"
#include "platform/desktop.h"
#include "platform/frame.h"
#include "platform/frameplayer.h"
#include "platform/imagebox.h"
#include "platform/label.h"
#include "platform/screenregistry.h"
#include "platform/twips.h"

namespace {
const QColor kGrey(192, 192, 192);
}  // namespace

Titlefrm::Titlefrm() : Screen(QStringLiteral("Titlefrm")) {
    setWindowTitle(QStringLiteral(" "));
    // The caption is a blank; a screen reader still has to say which window this is.
    setAccessibleName(tr("Quorvane 2"));
    setBackColour(kGrey);
    setClientSizeTwips(5460, 6570);

    m_titleFrame = new Frame(this, QStringLiteral("Frame1"));
    m_titleFrame->setBackColour(kGrey);
    twips::setGeometry(m_titleFrame, 0, -90, 5480, 6660);

    m_title = new Label(m_titleFrame, QStringLiteral("Label4"));
    m_title->setCaption(tr("Quorvane 2"));
    m_title->setFontPoints(QStringLiteral("Times New Roman"), 30, true);
    m_title->setForeColour(QColor(0, 0, 255));
    m_title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    twips::setGeometry(m_title, 60, 120, 5355, 855);

    m_turningSolids =
        new ImageBox(m_titleFrame, QStringLiteral("Picture1"), ImageBox::Fit::AtCorner);
    twips::setGeometry(m_turningSolids, 300, 1320, 4800, 3600);

    m_toMenu = new CommandButton(m_titleFrame, QStringLiteral("Command1"), tr("OK"));
    m_toMenu->setFaceColour(kGrey);
    twips::setGeometry(m_toMenu, 1320, 6000, 1335, 375);
    //: Ends the program.
    m_exit = new CommandButton(m_titleFrame, QStringLiteral("Command2"), tr("Exit"));
    m_exit->setFaceColour(kGrey);
    twips::setGeometry(m_exit, 2760, 6000, 1335, 375);
    setTabOrder(m_toMenu, m_exit);
    m_toMenu->setFocus();

    // The frame number stays empty until the load handler's main path sets it.
    m_player = new FramePlayer(this, m_turningSolids, kTickMs);
    m_player->setSequence(FrameSequence::of(AnimationTable::kCubeOctahedron));

    connect(m_toMenu, &QPushButton::clicked, this, &Titlefrm::goToMenu);
    connect(m_exit, &QPushButton::clicked, this, &Titlefrm::endProgram);
}

void Titlefrm::centre() {
    const double w = desktop::widthTwips();
    const double h = desktop::heightTwips();
    setTopTwips(h / 2 - heightTwips() / 2.0);
    setLeftTwips(w / 2 - widthTwips() / 2.0);
}

void Titlefrm::onFramed() {
    // Before the window manager framed it the outer size was only the inner
    // size; centre it again by its real outer size.
    centre();
}

void Titlefrm::onLoad() {
    announcer::say(this, m_player->description());
    // Main path: centred by its outer size, first frame, animation on.
    centre();
    m_player->setFramenum(0);
    if (m_player->showFrame(0)) {
        m_player->start();
        return;
    }
    // Fallback path: the standard frame of the main screens, and the animation
    // goes on without its first picture if that cannot be read either.
    m_fallback = true;
    standardlayout(*this);
    m_titleFrame->raise();
    m_player->showFrame(0);
    m_player->start();
}

void Titlefrm::timer1Tick() { m_player->advance(); }

void Titlefrm::goToMenu() {
    if (!screens::show(QStringLiteral("intro0"))) return;
    screens::unload(objectName());
}

void Titlefrm::endProgram() { application::end(); }

void Titlefrm::closeEvent(QCloseEvent* event) {
    // Closing the window from its title bar is the same as "Exit".
    event->ignore();
    endProgram();
}
