#include "NeedingFirmwareUpdateStatusPage.h"

#include "ColourPalette.h"
#include "CommonGui.h"

#include <QLabel>
#include <QVBoxLayout>

NeedingFirmwareUpdateStatusPage::NeedingFirmwareUpdateStatusPage(QWidget* parent)
    : StatusPage(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CommonGui::label(tr("This device needs updating"), CommonGui::kFontLarge, this,
                                       ColourPalette::kFoggyGray),
                      0, Qt::AlignCenter);
}
