#pragma once

#include <QString>
#include <QStringList>

// The language the program speaks: the desktop's, when a translation for it
// lies in a "translations" folder beside the pictures (quorvane_de.qm), and
// English otherwise. Nothing is asked and nothing is written.
namespace programlanguage {

// The languages with a translation file, as their files name them ("de", "fr").
QStringList available();

// The language chosen for the desktop's preferences, "" for English.
QString chosen(const QStringList& preferred);

// Installs the translation for the desktop's language (QLocale::system()),
// with Qt's own for its menus where there is one. A file that cannot be read
// leaves the program in English. Returns the language installed, "" for English.
QString install();

// Installs the translation for one language ("de"), with Qt's own, and has
// the picture files read that language's button faces; false, and English,
// when there is none or it cannot be read.
bool installLanguage(const QString& language);

// Installs the program's translation from one file; false, and English, when
// the file cannot be read.
bool installFile(const QString& path);

// Back to English: removes whatever install() or installFile() installed.
void uninstall();

}  // namespace programlanguage
