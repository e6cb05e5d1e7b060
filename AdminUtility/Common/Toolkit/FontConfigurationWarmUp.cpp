#include "FontConfigurationWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace
{
void* loadConfiguration(void*)
{
    // The configuration that FcInit loads becomes the library's current one,
    // which the font database later finds in place.
    FcInit();
    return nullptr;
}
}

// Without a thread to spare the font database reads the configuration itself,
// as it would anyway.
FontConfigurationWarmUp::FontConfigurationWarmUp()
    : m_started(pthread_create(&m_reader, nullptr, loadConfiguration, nullptr) == 0)
{
}

FontConfigurationWarmUp::~FontConfigurationWarmUp()
{
    wait();
}

void FontConfigurationWarmUp::wait()
{
    if (m_started)
        pthread_join(m_reader, nullptr);
    m_started = false;
}
