#pragma once

#include <QScrollArea>

class QScrollBar;

// The scroll area around the device table. Its own scroll bars stay off; a
// thin bar drawn over the right edge of the content follows and drives the
// area's vertical position, so the table keeps its full width.
class MarlixVisibleDevicesListViewWidget_ScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit MarlixVisibleDevicesListViewWidget_ScrollArea(QWidget* parent = nullptr);

    // Takes the content widget, as QScrollArea::setWidget does, and watches it.
    void setContentWidget(QWidget* content);
    QScrollBar* overlayScrollBar() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createOverlayScrollBar();
    void coupleScrollBars();
    void placeOverlayScrollBar();
    void fitContentWidget();
    void rescaleOverlayScrollBar();

    QScrollBar* m_overlay = nullptr;
};
