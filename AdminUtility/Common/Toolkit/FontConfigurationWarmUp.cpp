#include "FontConfigurationWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

FontConfigurationWarmUp::FontConfigurationWarmUp()
{
    // The configuration that FcInit loads becomes the library's current one,
    // which the font database later finds in place. Without a thread to spare,
    // the font database reads it itself, as it would anyway.
    try {
        m_reader = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
    }
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
