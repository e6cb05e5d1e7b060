#include "StatusPage.h"

StatusPage::StatusPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("productCardBottom"));
}
