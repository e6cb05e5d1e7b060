#pragma once

#include "AdminUtilityWindow.h"

class MainWindowAnimator;

// This application's main window: devices in the order their families
// announce them, and a window that widens smoothly when its content needs
// more room than it has.
class MarlixAdminUtilityWindow : public AdminUtilityWindow
{
    Q_OBJECT

public:
    MarlixAdminUtilityWindow();

    QWidget* getListViewWidget() override;
    void setAnimateWindowSize(QSize size);
    MainWindowAnimator* animator() const { return m_animator; }

protected:
    bool event(QEvent* event) override;

private slots:
    void onAnimationWindowSizeChanged(const QVariant& value);
    void onAnimationFinished();

private:
    void fitWidthToContent();

    MainWindowAnimator* m_animator;
    QWidget* m_listView = nullptr;
};
