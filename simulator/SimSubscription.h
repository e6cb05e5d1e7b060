// One program callback subscribed to one topic of one device through one
// notification interface (its owner).
#pragma once

#include "MarlixAPI.h"

struct SimSubscription
{
    const void* owner;
    MarlixCode topic;
    IMarlixNotificationCallback* callback;
};
