#pragma once

#include <QLabel>
#include <QPixmap>
#include <QPointer>

class RolloverIconCallout;

// An information icon: faint until the pointer is over it, then bright and
// explained by a callout below it. The callout lives in calloutParent (or,
// without one, in a panel of its own) so that it may overhang the icon's parent.
class RolloverIcon : public QLabel
{
    Q_OBJECT

public:
    static constexpr qreal kNormalOpacity = 0.55;
    static constexpr qreal kHoverOpacity = 1.0;

    RolloverIcon(const QPixmap& icon, const QString& text, QWidget* parent, QWidget* calloutParent);
    ~RolloverIcon() override;

    void hidePopup();
    RolloverIconCallout* callout() const { return m_callout; }

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showPopup();

    QPixmap m_normalImage;
    QPixmap m_hoverImage;
    QPointer<RolloverIconCallout> m_callout;
};
