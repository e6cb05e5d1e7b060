#include "FooterLeftRegion.h"

#include "AppDefaults.h"
#include "FlatImageButton.h"
#include "SecretButton.h"

namespace
{
const QSize kSize(110, 64);
const QPoint kMenuButtonPosition(40, 0);
const QRect kSecretButtonGeometry(0, 44, 20, 20);
}

FooterLeftRegion::FooterLeftRegion(QWidget* parent)
    : QFrame(parent)
{
    setFixedSize(kSize);
    if (AppDefaults::allowsAddByIpAddress())
        createMenuButton();
    createSecretButton();
}

void FooterLeftRegion::createMenuButton()
{
    m_menuButton = new FlatImageButton(QStringLiteral(":/Cross"), this);
    m_menuButton->setHoverImage(QStringLiteral(":/Cross_Hover"));
    m_menuButton->move(kMenuButtonPosition);
    connect(m_menuButton, &FlatImageButton::clicked, this, &FooterLeftRegion::menuButtonClicked);
}

void FooterLeftRegion::createSecretButton()
{
    m_secretButton = new SecretButton(this);
    m_secretButton->setGeometry(kSecretButtonGeometry);
    connect(m_secretButton, &SecretButton::secretClick, this, &FooterLeftRegion::easterEggClicked);
}
