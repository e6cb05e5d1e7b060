#include "SliderLinkBase.h"

#include "FlatImageButton.h"
#include "LinkBar.h"
#include "SettingsSliderLineEdit.h"
#include "SettingsSliderWithEditableValue.h"

#include <QEvent>

SliderLinkBase::SliderLinkBase(SettingsSliderWithEditableValue* a, SettingsSliderWithEditableValue* b,
                               QWidget* parent)
    : QFrame(parent)
    , m_sliderA(a)
    , m_sliderB(b)
    , m_bar(new LinkBar(this))
    , m_button(new FlatImageButton(this))
{
    connect(m_button, &QAbstractButton::clicked, this, &SliderLinkBase::onButtonClicked);
    // Every widget from each slider up to the common parent can move the slider.
    for (QWidget* w = a; w && w != parent; w = w->parentWidget())
        watch(w);
    for (QWidget* w = b; w && w != parent; w = w->parentWidget())
        watch(w);
    updateLook();
    followSliders();
}

void SliderLinkBase::watch(QWidget* widget)
{
    widget->installEventFilter(this);
}

void SliderLinkBase::setIsLinked(bool linked)
{
    m_linked = linked;
    updateLook();
}

void SliderLinkBase::onButtonClicked()
{
    setIsLinked(!m_linked);
}

void SliderLinkBase::updateLook()
{
    const bool enabled = m_sliderA->sliderEnabled() && m_sliderB->sliderEnabled();
    const QString name = m_linked ? QStringLiteral(":/Link") : QStringLiteral(":/Unlink");
    m_button->setImage(enabled ? name : name + QStringLiteral("_Disabled"));
    m_button->setEnabled(enabled);
    m_button->resizeToFit();
    m_bar->setLinked(m_linked);
    followSliders();
}

bool SliderLinkBase::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        followSliders();
        break;
    case QEvent::EnabledChange:
        updateLook();
        break;
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}

// The bracket spans from the middle of A's value field to the middle of B's,
// just right of the fields.
void SliderLinkBase::followSliders()
{
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    const QWidget* fieldA = m_sliderA->valueField();
    const QWidget* fieldB = m_sliderB->valueField();
    const QPoint a = fieldA->mapTo(parent, QPoint(fieldA->width(), fieldA->height() / 2));
    const QPoint b = fieldB->mapTo(parent, QPoint(fieldB->width(), fieldB->height() / 2));
    const int top = qMin(a.y(), b.y());
    const int height = qMax(1, qAbs(b.y() - a.y()));
    const int buttonWidth = m_button->width();
    setGeometry(qMax(a.x(), b.x()) + 2, top, 10 + buttonWidth, height + 1);
    m_bar->setGeometry(0, 0, 8, height + 1);
    m_button->move(8 - buttonWidth / 2 + buttonWidth / 2, (height - m_button->height()) / 2);
    setVisible(m_sliderA->isVisibleTo(parent) && m_sliderB->isVisibleTo(parent));
    raise();
}
