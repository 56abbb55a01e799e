#include "tests/support/programtest.h"

#include <QApplication>
#include <QTest>

#include "language/programlanguage.h"
#include "module1/module1.h"
#include "platform/accessiblelabel.h"
#include "platform/announcer.h"
#include "platform/application.h"
#include "platform/desktop.h"
#include "platform/picturefiles.h"
#include "platform/random.h"
#include "platform/screen.h"
#include "platform/screenregistry.h"
#include "platform/shell.h"
#include "platform/twips.h"

namespace {

// The window a click at a point of the desktop reaches: one kept above the
// others (the Jotter) where it lies there, otherwise the control's own. The
// screens hand over one at a time, so ordinary windows do not stay stacked.
QWidget* windowAt(const QPoint& global, QWidget* own) {
    if (own->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return own;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != own && window->isVisible() &&
            window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
            window->frameGeometry().contains(global))
            return window;
    }
    return own;
}

}  // namespace

void ProgramTest::resetHooks() {
    PictureFiles::setSearchFolders({});
    PictureFiles::clearReportedFailures();
    Module1::reset();
    desktop::setSizeOverride({});
    desktop::setAvailableOverride({});
    desktop::setBusyPointer(false);
    shell::setOpenHandler({});
    shell::setLocked(false);
    twips::setShrink(1);
    application::setEndHandler({});
    Random::setSource({});
    AccessibleLabel::setAnnouncementObserver({});
    announcer::setObserver({});
    programlanguage::uninstall();
}

void ProgramTest::SetUp() {
    // Screens left by a test outside the harness go first.
    registry().unloadAll();
    flushDeletes();
    resetHooks();
    m_registered = registry().registrations();
    desktop::setSizeOverride(QSize(800, 600));
    shell::setOpenHandler([this](const QUrl& address) {
        addressesOpened << address;
        return true;
    });
    application::setEndHandler([this] { ++ends; });
    ASSERT_TRUE(pictures.isValid());
    PictureFiles::setSearchFolders({pictures.path()});
}

void ProgramTest::TearDown() {
    registry().unloadAll();
    flushDeletes();
    registry().setRegistrations(m_registered);
    resetHooks();
}

void ProgramTest::click(QWidget* control) {
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(control->isVisible()) << control->objectName().toStdString() << " is not on show";
    const QPoint global = control->mapToGlobal(control->rect().center());
    QWidget* window = windowAt(global, control->window());
    const QPoint at = window->mapFromGlobal(global);
    QWidget* under = window->childAt(at);
    if (!under) under = window;
    ASSERT_TRUE(under == control || control->isAncestorOf(under))
        << control->objectName().toStdString() << " lies under "
        << under->objectName().toStdString() << " in " << window->objectName().toStdString();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
    // As the event loop would before the next click.
    flushDeletes();
}

void ProgramTest::click(Screen* screen, const char* name) {
    ASSERT_NE(screen, nullptr) << name;
    QWidget* control = screen->control(QString::fromLatin1(name));
    ASSERT_NE(control, nullptr) << name;
    click(control);
}

void ProgramTest::flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ScreenRegistry& ProgramTest::registry() { return ScreenRegistry::instance(); }
