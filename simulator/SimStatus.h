// The device's live state.
#pragma once

#include "SimSession.h"
#include "SimUnknown.h"

#include <memory>

class SimStatus : public SimUnknown<IMarlixStatus>
{
public:
    explicit SimStatus(std::shared_ptr<SimSession> session) : m_session(std::move(session)) {}

    MarlixResult QueryInterface(MarlixIID iid, void** out) override;
    MarlixResult GetFlag(MarlixCode id, bool* value) override;
    MarlixResult GetInt(MarlixCode id, int64_t* value) override;
    MarlixResult GetFloat(MarlixCode id, double* value) override;
    MarlixResult GetString(MarlixCode id, char** value) override;
    MarlixResult GetBytes(MarlixCode id, void* buffer, uint32_t* size) override;

private:
    MarlixResult fetch(const char* method, MarlixCode id, SimKind kind, const void* out, SimValue& value);

    std::shared_ptr<SimSession> m_session;
};
