#pragma once

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "application.h"
#include "appscreens.h"
#include "desktop.h"
#include "fixturepictures.h"
#include "module1.h"
#include "picturefiles.h"
#include "screenregistry.h"

// A clean run of the program for each test: the title screen and menu
// registered, fresh shared variables, an 800 by 600 desktop and a picture
// folder of its own. Nothing is opened and the program never really ends.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        PictureFiles::setSearchFolders({dir.path()});
        PictureFiles::clearReportedFailures();
        Module1::reset();
        desktop::setSizeOverride(QSize(800, 600));
        registerAppScreens();
        application::setEndHandler([this] { ++ends; });
    }
    void TearDown() override {
        ScreenRegistry::instance().unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        application::setEndHandler({});
        desktop::setSizeOverride({});
        PictureFiles::setSearchFolders({});
    }

    QString path(const QString& relative) const { return dir.filePath(relative); }

    // Every picture the title screen and the menu read.
    void writeShellPictures() {
        for (int f = 0; f < 25; ++f)
            ASSERT_TRUE(fixtures::writeGif(
                path(QStringLiteral("recip1/reci%1.gif").arg(f, 4, 10, QLatin1Char('0'))), 320, 240,
                f));
        ASSERT_TRUE(fixtures::writeGif(path(QStringLiteral("newrec0/newr0039.gif")), 800, 600, 39));
        ASSERT_TRUE(
            fixtures::writeJpeg(path(QStringLiteral("Images/logo2.jpg")), 100, 139, Qt::darkGreen));
        writeButtonPictures();
    }
    void writeButtonPictures() {
        for (const char* name : {"exit", "next", "answer", "check", "jotter", "scramble"})
            ASSERT_TRUE(fixtures::writeJpeg(
                path(QStringLiteral("Images/%1.jpg").arg(QLatin1String(name))), 119, 33, Qt::gray));
    }

    static void flushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static ScreenRegistry& registry() { return ScreenRegistry::instance(); }

    QTemporaryDir dir;
    int ends = 0;
};
