#include "AdminUtilityDialog.h"

#include "TightVBoxLayout.h"

#include <QEvent>

namespace
{
const char* const kCornerRadius = "8px";
}

AdminUtilityDialog::AdminUtilityDialog(QWidget* mainWindow)
    : QFrame(mainWindow)
    , m_mainWindow(mainWindow)
{
    setAttribute(Qt::WA_DeleteOnClose);
    createBackground();
    createContentFrame();
    mainWindow->installEventFilter(this);
    positionOverMainWindow();
}

bool AdminUtilityDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_mainWindow && event->type() == QEvent::Resize)
        positionOverMainWindow();
    return QFrame::eventFilter(watched, event);
}

// The content is added after construction, and a dialog may be shown again
// over a window that changed meanwhile: size and place it as it is shown.
void AdminUtilityDialog::showEvent(QShowEvent* event)
{
    positionOverMainWindow();
    QFrame::showEvent(event);
}

void AdminUtilityDialog::createBackground()
{
    m_background = new QWidget(this);
    m_background->setObjectName(QStringLiteral("adminUtilityDialogBackground"));
    m_background->setAttribute(Qt::WA_StyledBackground);
    m_background->setStyleSheet(
        QStringLiteral("QWidget#adminUtilityDialogBackground { background-color: rgba(0, 0, 0, 160); }"));
}

void AdminUtilityDialog::createContentFrame()
{
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("adminUtilityDialogFrame"));
    m_frame->setStyleSheet(
        QStringLiteral("QFrame#adminUtilityDialogFrame { border: none; border-radius: %1; background-color: %2; }")
            .arg(QLatin1String(kCornerRadius), QStringLiteral("white")));
    m_frameLayout = new TightVBoxLayout(m_frame);
}

void AdminUtilityDialog::positionOverMainWindow()
{
    const QSize size = m_mainWindow->size();
    setGeometry(QRect(QPoint(0, 0), size));
    setFixedSize(size);
    m_background->setGeometry(rect());
    m_frame->adjustSize();
    QRect frameRect(QPoint(0, 0), m_frame->sizeHint().boundedTo(size));
    frameRect.moveCenter(rect().center());
    m_frame->setGeometry(frameRect);
    raise();
}
