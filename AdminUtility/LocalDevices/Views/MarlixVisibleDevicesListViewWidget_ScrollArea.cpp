#include "MarlixVisibleDevicesListViewWidget_ScrollArea.h"

#include "ColourPalette.h"

#include <QEvent>
#include <QScrollBar>

namespace {

constexpr int kOverlayWidth = 8;
constexpr int kOverlayRightOffset = 11;

QString scrollBarStyleSheet()
{
    return QStringLiteral(
               "QScrollBar:vertical {\tborder: 0px; background: rgba(0, 0, 0, 0); margin: 0px; padding: 0px;}"
               "QScrollBar::handle:vertical {\tbackground: %2; margin: 0px; margin-top: 4px; margin-bottom: 4px;"
               "\twidth: %1px; min-height: 40px; border-radius: 3px;}"
               "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical, QScrollBar::add-page:vertical,"
               "QScrollBar::sub-page:vertical, QScrollBar::up-arrow:vertical, QScrollBar::down-arrow:vertical "
               "{\theight: 0px; width: 0px; border: 0px; background: none;}")
        .arg(kOverlayWidth)
        .arg(ColourPalette::kOwlGray.name());
}

} // namespace

MarlixVisibleDevicesListViewWidget_ScrollArea::MarlixVisibleDevicesListViewWidget_ScrollArea(QWidget* parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    createOverlayScrollBar();
    coupleScrollBars();
}

void MarlixVisibleDevicesListViewWidget_ScrollArea::createOverlayScrollBar()
{
    m_overlay = new QScrollBar(Qt::Vertical, this);
    m_overlay->setObjectName(QStringLiteral("overlayScrollBar"));
    m_overlay->setStyleSheet(scrollBarStyleSheet());
    verticalScrollBar()->setStyleSheet(scrollBarStyleSheet());
    m_overlay->hide();
}

void MarlixVisibleDevicesListViewWidget_ScrollArea::coupleScrollBars()
{
    connect(verticalScrollBar(), &QScrollBar::valueChanged, m_overlay, &QScrollBar::setValue);
    connect(m_overlay, &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    // The area sets its own bar's range whenever the content or the viewport changes size.
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this,
            &MarlixVisibleDevicesListViewWidget_ScrollArea::rescaleOverlayScrollBar);
}

void MarlixVisibleDevicesListViewWidget_ScrollArea::setContentWidget(QWidget* content)
{
    setWidget(content);
    content->installEventFilter(this);
    rescaleOverlayScrollBar();
}

QScrollBar* MarlixVisibleDevicesListViewWidget_ScrollArea::overlayScrollBar() const
{
    return m_overlay;
}

void MarlixVisibleDevicesListViewWidget_ScrollArea::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    placeOverlayScrollBar();
    rescaleOverlayScrollBar();
}

bool MarlixVisibleDevicesListViewWidget_ScrollArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget() && event->type() == QEvent::LayoutRequest) {
        // The content's own layout has already been activated by now.
        fitContentWidget();
        rescaleOverlayScrollBar();
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

void MarlixVisibleDevicesListViewWidget_ScrollArea::placeOverlayScrollBar()
{
    m_overlay->setGeometry(width() - kOverlayRightOffset, 0, kOverlayWidth, height());
    m_overlay->raise();
}

void MarlixVisibleDevicesListViewWidget_ScrollArea::fitContentWidget()
{
    QWidget* content = widget();
    content->resize(viewport()->size().expandedTo(content->minimumSizeHint()));
}

void MarlixVisibleDevicesListViewWidget_ScrollArea::rescaleOverlayScrollBar()
{
    const QScrollBar* own = verticalScrollBar();
    m_overlay->setRange(own->minimum(), own->maximum());
    m_overlay->setPageStep(own->pageStep());
    m_overlay->setValue(own->value());
    const QWidget* content = widget();
    m_overlay->setVisible(content && height() < content->height());
}
