// The device's settings. Values set here go live at once; released with unsaved
// writes, the interface puts the device back to its stored settings.
#pragma once

#include "SimItemReader.h"
#include "SimSession.h"
#include "SimUnknown.h"

#include <atomic>
#include <memory>

class SimConfiguration : public SimUnknown<IMarlixConfiguration>
{
public:
    explicit SimConfiguration(std::shared_ptr<SimSession> session)
        : m_session(session), m_reader(std::move(session), "Configuration", &SimDevice::getConfiguration) {}

    MarlixResult QueryInterface(MarlixIID iid, void** out) override;
    MarlixResult SetFlag(MarlixCode id, bool value) override;
    MarlixResult GetFlag(MarlixCode id, bool* value) override;
    MarlixResult SetInt(MarlixCode id, int64_t value) override;
    MarlixResult GetInt(MarlixCode id, int64_t* value) override;
    MarlixResult SetFloat(MarlixCode id, double value) override;
    MarlixResult GetFloat(MarlixCode id, double* value) override;
    MarlixResult SetString(MarlixCode id, const char* value) override;
    MarlixResult GetString(MarlixCode id, char** value) override;
    MarlixResult WriteToPreferences() override;

protected:
    ~SimConfiguration() override;

private:
    MarlixResult store(const char* method, MarlixCode id, const SimValue& value);

    std::shared_ptr<SimSession> m_session;
    SimItemReader m_reader;
    std::atomic<bool> m_unsaved{false};
};
