#pragma once

#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// Finds and reads the picture files the screens name. Names are written as
// the program has always written them, relative and with backslashes
// ("Images\exit.jpg"); every folder and file name is matched without regard
// to case, so "Images\..." and "images\..." reach one folder. The working
// folder is searched first, then the folders that ship with the program.
class PictureFiles {
public:
    // The folders searched, in order. By default: the working folder, the
    // program's own folder, and its installed data folder (../share/quorvane).
    static QStringList searchFolders();
    static void setSearchFolders(const QStringList& folders);  // empty list: back to default

    // The file a name reaches, or an empty string when there is none.
    static QString resolve(const QString& name);

    // Reads a picture. A missing or unreadable file gives a null image and one
    // line on standard error naming the file (once per name in a run). A
    // button face with a word on it is read in the pupil's language first
    // ("Images\exit.de.jpg"), and in English where that one is missing or
    // unreadable.
    static QImage load(const QString& name);

    // A picture read by load() read again, in the version that suits the
    // display now (after its scale has changed); where it was not read from
    // a file, or cannot be read now, the picture itself.
    static QImage reload(const QImage& picture);

    // The size a picture is drawn at on the screens: its size as designed
    // (its sharper versions cover the same), at the twips scale.
    static QSizeF drawnSize(const QImage& picture);
    // Draws a picture at that size with its top-left corner at `at`.
    static void draw(class QPainter& painter, QPointF at, const QImage& picture);

    // The language whose button faces load() reads first ("de"); "" for English.
    static void setLanguage(const QString& language);
    static QString language();

    // Names reported as unreadable so far (for tests), and a fresh start.
    static QStringList reportedFailures();
    static void clearReportedFailures();

private:
    static QImage read(const QString& name);
};
