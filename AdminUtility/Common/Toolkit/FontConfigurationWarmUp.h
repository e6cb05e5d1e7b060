#pragma once

#include <pthread.h>

// Reads the system's font configuration on another core while the application
// connects to the display. Reading it (a few dozen XML files) is the largest
// single step before the first window can draw text, and nothing else needs
// it until then. wait() before the first font is made; the destructor waits too.
class FontConfigurationWarmUp
{
public:
    FontConfigurationWarmUp();
    ~FontConfigurationWarmUp();

    FontConfigurationWarmUp(const FontConfigurationWarmUp&) = delete;
    FontConfigurationWarmUp& operator=(const FontConfigurationWarmUp&) = delete;

    void wait();

private:
    pthread_t m_reader{};
    bool m_started = false;
};
