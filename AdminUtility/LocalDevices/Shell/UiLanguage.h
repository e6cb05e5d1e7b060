#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// The language of the program's texts. The program is written in English; of
// the user's interface languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) the first
// that has a catalogue is used, together with Qt's own catalogue for the
// standard dialogs when the system has one. English listed before another
// language keeps the program in English.
namespace UiLanguage
{
// Installs the catalogues on the application before any text is made; returns
// the name of the locale whose catalogue was installed ("de_DE"), or an empty
// text when the program stays in English.
QString install(QCoreApplication& app, const QLocale& locale = QLocale());
}
