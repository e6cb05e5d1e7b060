#include "MainWindowDialog.h"

#include "ColourPalette.h"
#include "CommonGui.h"
#include "MainWindowDialogWidget.h"
#include "TightHBoxLayout.h"

#include <QLabel>
#include <QVBoxLayout>

namespace
{
const int kTitleHeight = 40;
const int kTitleMargin = 20;
const int kPageWidth = 420;
const char* const kCornerRadius = "8px";
}

MainWindowDialog::MainWindowDialog(const QString& title, MainWindowDialogWidget* widget, QWidget* mainWindow)
    : AdminUtilityDialog(mainWindow)
    , m_widget(widget)
{
    contentLayout()->addWidget(createTitleBar(title));
    widget->setMinimumWidth(kPageWidth);
    contentLayout()->addWidget(widget);
    widget->show();
}

QString MainWindowDialog::title() const
{
    return m_title->text();
}

MainWindowDialogWidget* MainWindowDialog::takeWidget()
{
    MainWindowDialogWidget* widget = m_widget;
    if (widget) {
        contentLayout()->removeWidget(widget);
        widget->hide();
        widget->setParent(nullptr);
        m_widget = nullptr;
    }
    return widget;
}

QWidget* MainWindowDialog::createTitleBar(const QString& title)
{
    auto* bar = new QFrame(contentFrame());
    bar->setFixedHeight(kTitleHeight);
    bar->setStyleSheet(QStringLiteral("QFrame { background: %1; border: none; border-top-right-radius: %2; "
                                      "border-top-left-radius: %2; }")
                           .arg(ColourPalette::kAccentColour.name(),
                                QLatin1String(kCornerRadius)));
    auto* layout = new TightHBoxLayout(bar);
    layout->setContentsMargins(kTitleMargin, 0, kTitleMargin, 0);
    m_title = CommonGui::label(title, CommonGui::kFontLargeSemibold, bar, Qt::white);
    m_title->setStyleSheet(QStringLiteral("QLabel { background: transparent; color: white; }"));
    layout->addWidget(m_title);
    return bar;
}
