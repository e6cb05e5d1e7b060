// The application's own defaults with adding devices by address switched on,
// for the tests of that path. Linked before the framework library, this
// object stands in for the application's defaults.
#include "AppDefaults.h"

#define allowsAddByIpAddress applicationAllowsAddByIpAddress
#include "AppDefaults/AppDefaults.cpp"
#undef allowsAddByIpAddress

bool AppDefaults::allowsAddByIpAddress()
{
    return true;
}
