#pragma once

#include <QFrame>

class FlatImageButton;
class SecretButton;

// The footer's left corner: the main menu button (only where devices can be
// added by address) and the hidden build-details trigger.
class FooterLeftRegion : public QFrame
{
    Q_OBJECT

public:
    explicit FooterLeftRegion(QWidget* parent = nullptr);

    FlatImageButton* menuButton() const { return m_menuButton; }
    SecretButton* secretButton() const { return m_secretButton; }

signals:
    void menuButtonClicked();
    void easterEggClicked();

private:
    void createMenuButton();
    void createSecretButton();

    FlatImageButton* m_menuButton = nullptr;
    SecretButton* m_secretButton = nullptr;
};
