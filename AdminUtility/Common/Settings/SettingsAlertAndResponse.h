#pragma once

#include <QObject>

class QLabel;
class QPushButton;

// An alert row's text and the button that answers it.
class SettingsAlertAndResponse : public QObject
{
    Q_OBJECT

public:
    SettingsAlertAndResponse(QLabel* status, QPushButton* button, QObject* parent = nullptr);

    // Alarmed: the text stands out and the button is offered; otherwise the
    // text is quiet and the button hidden.
    void setAlarmed(bool alarmed, const QString& text);
    bool isAlarmed() const { return m_alarmed; }

    QLabel* status() const { return m_status; }
    QPushButton* button() const { return m_button; }

private:
    QLabel* m_status;
    QPushButton* m_button;
    bool m_alarmed = false;
};
