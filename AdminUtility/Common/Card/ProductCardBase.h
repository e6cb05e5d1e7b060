#pragma once

#include <QFrame>
#include <QPointer>

class AdminUtilityWindow;

// A panel laid over the whole main window, with a white body centred in it.
// It follows the window's size and deletes itself when closed.
class ProductCardBase : public QFrame
{
    Q_OBJECT

public:
    static constexpr int kBodyWidth = 620;
    static constexpr int kBodyMargin = 20;

    explicit ProductCardBase(AdminUtilityWindow* window);

    void resizeToMainWindow();
    QWidget* body() const { return m_body; }
    AdminUtilityWindow* mainWindow() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFrame* m_body = nullptr;
    // As a plain widget: the window may be half destroyed when it last sends us an event.
    QPointer<QWidget> m_window;
};
