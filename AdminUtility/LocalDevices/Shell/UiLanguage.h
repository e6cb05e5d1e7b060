#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The language of the program's texts. The program is written in English; of
// the user's interface languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) the first
// that has a catalogue is used, together with Qt's own catalogue for the
// standard dialogs when the system has one, and that language's locale becomes
// the default one. English listed before another language keeps the program in
// English.
namespace UiLanguage
{
// Installs the catalogues on the application before any text is made; returns
// the name of the locale whose catalogue was installed ("de_DE"), or an empty
// text when the program stays in English. uiLanguages in order of preference.
QString install(QCoreApplication& app, const QStringList& uiLanguages = QLocale().uiLanguages());
}
