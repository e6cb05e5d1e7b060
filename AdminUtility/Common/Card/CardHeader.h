#pragma once

#include <QColor>
#include <QWidget>

class ElidedLabel;
class QLabel;
class SecretButton;
class VisibleDevice;

// The top of a product card: the device's name, model and picture.
class CardHeader : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 620;
    static constexpr int kHeight = 106;
    static constexpr int kNameWidth = 328;

    CardHeader(VisibleDevice* device, const QColor& accent, QWidget* parent = nullptr);

    void display(VisibleDevice* device);
    QString deviceNameText() const;
    QString modelNameText() const;

signals:
    void showEasterEgg();

private:
    ElidedLabel* m_deviceName = nullptr;
    QLabel* m_modelName = nullptr;
    QLabel* m_thumbnail = nullptr;
    QLabel* m_connectionIcon = nullptr;
    SecretButton* m_secret = nullptr;
};
