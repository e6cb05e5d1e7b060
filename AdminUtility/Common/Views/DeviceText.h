#pragma once

#include <QString>

class QFont;
class QLabel;

// Texts that come from a device (labels, model names) are the device's to
// choose: they are shown as plain text on one line, never as markup.
namespace DeviceText {

// Line breaks, tabs and other control characters become single spaces.
QString oneLine(const QString& text);

// The one-line text, elided at the right to the width.
QString elided(const QString& text, const QFont& font, int width);

// Makes a label show its text literally, whatever it holds.
void makePlain(QLabel* label);

} // namespace DeviceText
