#include "FontConfigurationWarmUp.h"

#include <fontconfig/fontconfig.h>

FontConfigurationWarmUp::FontConfigurationWarmUp()
    // The configuration that FcInit loads becomes the library's current one,
    // which the font database later finds in place.
    : m_reader([] { FcInit(); })
{
}

FontConfigurationWarmUp::~FontConfigurationWarmUp()
{
    wait();
}

void FontConfigurationWarmUp::wait()
{
    if (m_reader.joinable())
        m_reader.join();
}
