#pragma once

#include <QFrame>

class QVBoxLayout;

// A dialog inside the main window: it darkens the whole window and centres
// its content frame, following the window as it is resized.
class AdminUtilityDialog : public QFrame
{
    Q_OBJECT

public:
    explicit AdminUtilityDialog(QWidget* mainWindow);

    QFrame* contentFrame() const { return m_frame; }
    QVBoxLayout* contentLayout() const { return m_frameLayout; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createBackground();
    void createContentFrame();
    void positionOverMainWindow();

    QWidget* m_mainWindow;
    QWidget* m_background = nullptr;
    QFrame* m_frame = nullptr;
    QVBoxLayout* m_frameLayout = nullptr;
};
