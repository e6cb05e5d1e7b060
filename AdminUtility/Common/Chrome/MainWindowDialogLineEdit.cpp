#include "MainWindowDialogLineEdit.h"

#include "ColourPalette.h"
#include "IpAddressValidator.h"
#include "NonEmptyValidator.h"

#include <QKeyEvent>

namespace
{
const int kLeftPadding = 6;

// The page sits on white: a light grey field stands out from it, turns white
// with the accent outline while typed in, and darker grey while it cannot be used.
const QColor kFieldBackground = ColourPalette::kMilkGray;
const QColor kFocusedBackground(Qt::white);
const QColor kDisabledBackground = ColourPalette::kBonesGray;

NonEmptyValidator* nonEmptyValidator()
{
    static NonEmptyValidator validator;
    return &validator;
}
}

MainWindowDialogLineEdit::MainWindowDialogLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setFrame(false);
    build();
}

void MainWindowDialogLineEdit::build()
{
    build(ColourPalette::kAccentColour);
}

void MainWindowDialogLineEdit::build(QColor focusColour)
{
    using namespace ColourPalette;
    setStyleSheet(QStringLiteral(
                      "QLineEdit { border: 1px solid white; border-radius: 4px; color: %1; background-color: %2; "
                      "padding-bottom: 2px; padding-left: %7px; margin-left: 0px; }"
                      "QLineEdit:focus { border: 1px solid %3; background-color: %4; margin-left: 0px; }"
                      "QLineEdit:disabled { color: %5; background-color: %6; margin-left: 1px; }")
                      .arg(kWinterSkyGray.name(), kFieldBackground.name(),
                           focusColour.name(), kFocusedBackground.name(),
                           toHtmlQString(kRaincloudGray, kDisabledAlpha), kDisabledBackground.name(),
                           QString::number(kLeftPadding)));
}

void MainWindowDialogLineEdit::setStandardVerifier(StandardVerifier verifier)
{
    switch (verifier) {
    case NonEmpty:
        setValidator(nonEmptyValidator());
        break;
    case IpAddress:
        setValidator(IpAddressValidator::shared());
        break;
    }
}

void MainWindowDialogLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A page may act on Return in a complete field; the focus moves on either way.
        if (hasAcceptableInput())
            emit returnPressed();
        focusNextChild();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
