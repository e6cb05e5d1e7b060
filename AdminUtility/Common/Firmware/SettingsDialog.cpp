#include "SettingsDialog.h"

#include "TightVBoxLayout.h"

#include <QFrame>

SettingsDialog::SettingsDialog(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint)
    , m_frame(new QFrame(this))
{
    setObjectName(QStringLiteral("SettingsDialog"));
    m_frame->setObjectName(QStringLiteral("SettingsDialog"));
    setStyleSheet(
        QStringLiteral("QFrame#SettingsDialog { border: none; border-radius: 10; background-color: %1; }")
            .arg(QStringLiteral("white")));
    auto* outer = new TightVBoxLayout(this);
    outer->addWidget(m_frame);
    m_layout = new TightVBoxLayout(m_frame);
}
