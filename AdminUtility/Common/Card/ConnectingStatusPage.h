#pragma once

#include "StatusPage.h"

class BusyButton;
class QLabel;

// Shown while a device is being reached; either button gives up.
class ConnectingStatusPage : public StatusPage
{
    Q_OBJECT

public:
    explicit ConnectingStatusPage(QWidget* parent = nullptr);

    // An empty text shows "Connecting...".
    void setMessage(const QString& text);
    QString message() const;

signals:
    void connectionCancelled();

private:
    QLabel* m_message = nullptr;
    BusyButton* m_busy = nullptr;
};
