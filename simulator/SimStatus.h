// The device's live state.
#pragma once

#include "SimItemReader.h"
#include "SimSession.h"
#include "SimUnknown.h"

#include <memory>

class SimStatus : public SimUnknown<IMarlixStatus>
{
public:
    explicit SimStatus(std::shared_ptr<SimSession> session)
        : m_session(session), m_reader(std::move(session), "Status", &SimDevice::getStatus) {}

    MarlixResult QueryInterface(MarlixIID iid, void** out) override;
    MarlixResult GetFlag(MarlixCode id, bool* value) override;
    MarlixResult GetInt(MarlixCode id, int64_t* value) override;
    MarlixResult GetFloat(MarlixCode id, double* value) override;
    MarlixResult GetString(MarlixCode id, char** value) override;
    MarlixResult GetBytes(MarlixCode id, void* buffer, uint32_t* size) override;

private:

    std::shared_ptr<SimSession> m_session;
    SimItemReader m_reader;
};
