#include "BonjourBrowser.h"

void BonjourBrowser::browse(const QString&)
{
}
