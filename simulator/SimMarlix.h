// The device object: names, and the door to every other interface of the device.
#pragma once

#include "SimSession.h"
#include "SimUnknown.h"

#include <memory>

class SimMarlix : public SimUnknown<IMarlix>
{
public:
    explicit SimMarlix(std::shared_ptr<SimSession> session) : m_session(std::move(session)) {}

    MarlixResult QueryInterface(MarlixIID iid, void** out) override;
    MarlixResult GetModelName(char** name) override;
    MarlixResult GetDisplayName(char** name) override;

    const std::shared_ptr<SimSession>& session() const { return m_session; }
    // Shared by the device's other interfaces: each hands out a fresh object.
    static MarlixResult queryDeviceInterface(const std::shared_ptr<SimSession>& session, MarlixIID iid, void** out);

private:
    std::shared_ptr<SimSession> m_session;
};
