#pragma once

#include <QLineEdit>

class QLabel;

// A settings text field that can show whether its text is acceptable: an
// alert icon while it is not, an OK icon while it is and the field is being
// edited. Return moves on to the next control.
class SettingsLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    enum IconKind
    {
        kIconNone = 0,
        kIconOK = 1,
        kIconAlert = 2,
    };
    // The validators setStandardVerifier() knows; the values are SettingsTab::LineEditKind.
    enum StandardVerifier
    {
        kVerifyNonEmpty = 0,
        kVerifyIpAddress = 1,
        kVerifyNothing = 2,
    };

    static constexpr int kWidth = 260;
    static constexpr int kIconRightInset = 23;

    explicit SettingsLineEdit(QWidget* parent = nullptr);

    void setStandardVerifier(int kind);
    void setStatusIconEnabled(bool enabled);
    bool isStatusIconEnabled() const { return m_statusIconEnabled; }
    IconKind statusIcon() const { return m_icon; }
    // True when there is no validator or it accepts the text as it is.
    bool isAcceptable() const;

public slots:
    void updateStatusIcon();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showIcon(IconKind kind);
    void placeIcon();

    QLabel* m_iconLabel = nullptr;
    IconKind m_icon = kIconNone;
    bool m_statusIconEnabled = false;
};
