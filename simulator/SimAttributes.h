// The device's fixed capabilities.
#pragma once

#include "SimItemReader.h"
#include "SimSession.h"
#include "SimUnknown.h"

#include <memory>

class SimAttributes : public SimUnknown<IMarlixAttributes>
{
public:
    explicit SimAttributes(std::shared_ptr<SimSession> session)
        : m_session(session), m_reader(std::move(session), "Attributes", &SimDevice::getAttribute) {}

    MarlixResult QueryInterface(MarlixIID iid, void** out) override;
    MarlixResult GetFlag(MarlixCode id, bool* value) override;
    MarlixResult GetInt(MarlixCode id, int64_t* value) override;
    MarlixResult GetFloat(MarlixCode id, double* value) override;
    MarlixResult GetString(MarlixCode id, char** value) override;

private:

    std::shared_ptr<SimSession> m_session;
    SimItemReader m_reader;
};
