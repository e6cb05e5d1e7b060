#include "ProductFamilyBase.h"

ProductFamilyBase::ProductFamilyBase(QObject* parent)
    : QObject(parent)
{
}

void ProductFamilyBase::destroy()
{
}

bool ProductFamilyBase::okToClose() const
{
    return true;
}

bool ProductFamilyBase::handlesBonjourArrival(const BonjourInfo&)
{
    return false;
}

bool ProductFamilyBase::handlesBonjourRemoval(const BonjourInfo&)
{
    return false;
}

bool ProductFamilyBase::handlesBonjourUpdate(const BonjourInfo&)
{
    return false;
}

void ProductFamilyBase::showDevice(VisibleDevice*, AdminUtilityWindow*)
{
}

void ProductFamilyBase::showControlApp(VisibleDevice*, AdminUtilityWindow*)
{
}

void ProductFamilyBase::updateDevice(VisibleDevice*, AdminUtilityWindow*)
{
}

QString ProductFamilyBase::getBuildInfo() const
{
    return QString();
}

void ProductFamilyBase::addMainWindowMenuOptions(IMainWindowMenu*)
{
}
