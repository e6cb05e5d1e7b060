#pragma once

#include <QVariantAnimation>

// Eases the window to a new size; the window follows valueChanged().
class MainWindowAnimator : public QVariantAnimation
{
    Q_OBJECT

public:
    explicit MainWindowAnimator(QObject* parent = nullptr);

protected:
    void updateCurrentValue(const QVariant& value) override;
};
