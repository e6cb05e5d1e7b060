#include "SettingsLineEdit.h"

#include "ColourPalette.h"
#include "CommonGui.h"
#include "IpAddressValidator.h"
#include "NonEmptyValidator.h"

#include <QKeyEvent>
#include <QLabel>

SettingsLineEdit::SettingsLineEdit(QWidget* parent)
    : QLineEdit(parent)
    , m_iconLabel(new QLabel(this))
{
    setFixedSize(kWidth, 25);
    setFont(CommonGui::font(CommonGui::kFontBody));
    setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid %1; border-radius: 3px; padding-left: 4px;"
                                 " padding-right: 4px; color: %2; background: white; }"
                                 "QLineEdit:focus { border: 1px solid %3; }"
                                 "QLineEdit:disabled { color: %4; }")
                      .arg(ColourPalette::kBonesGray.name(),
                           ColourPalette::kStormGray.name(),
                           ColourPalette::kAccentColour.name(),
                           ColourPalette::kWolfGray.name()));
    m_iconLabel->hide();
    connect(this, &QLineEdit::textChanged, this, &SettingsLineEdit::updateStatusIcon);
}

void SettingsLineEdit::setStandardVerifier(int kind)
{
    QValidator* old = const_cast<QValidator*>(validator());
    switch (kind) {
    case kVerifyNonEmpty: setValidator(new NonEmptyValidator(this)); break;
    case kVerifyIpAddress: setValidator(new IpAddressValidator(this)); break;
    default: setValidator(nullptr); break;
    }
    if (old && old->parent() == this)
        delete old;
    updateStatusIcon();
}

void SettingsLineEdit::setStatusIconEnabled(bool enabled)
{
    m_statusIconEnabled = enabled;
    // Keeps typed text clear of the icon.
    setTextMargins(0, 0, enabled ? kIconRightInset - 4 : 0, 0);
    updateStatusIcon();
}

bool SettingsLineEdit::isAcceptable() const
{
    if (!validator())
        return true;
    QString text = this->text();
    int position = cursorPosition();
    return validator()->validate(text, position) == QValidator::Acceptable;
}

void SettingsLineEdit::updateStatusIcon()
{
    if (!m_statusIconEnabled)
        showIcon(kIconNone);
    else if (!isAcceptable())
        showIcon(kIconAlert);
    else
        showIcon(hasFocus() ? kIconOK : kIconNone);
}

void SettingsLineEdit::showIcon(IconKind kind)
{
    m_icon = kind;
    if (kind == kIconNone) {
        m_iconLabel->hide();
        return;
    }
    const QPixmap icon = CommonGui::pixmap(kind == kIconOK ? QStringLiteral(":/Field_Icon_OK")
                                                           : QStringLiteral(":/Field_Icon_Alert"));
    m_iconLabel->setPixmap(icon);
    m_iconLabel->resize(icon.size() / icon.devicePixelRatio());
    placeIcon();
    m_iconLabel->show();
}

void SettingsLineEdit::placeIcon()
{
    const QSize size = m_iconLabel->size();
    m_iconLabel->move(width() - kIconRightInset + (kIconRightInset - size.width()) / 2,
                      (height() - size.height()) / 2);
}

void SettingsLineEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    placeIcon();
}

void SettingsLineEdit::keyPressEvent(QKeyEvent* event)
{
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        focusNextChild();
}

void SettingsLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    updateStatusIcon();
}

void SettingsLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    updateStatusIcon();
}
