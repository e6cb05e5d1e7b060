// The input or output side of a device: the display modes it captures or plays.
#pragma once

#include "SimDisplayMode.h"
#include "SimDisplayModeIterator.h"
#include "SimSession.h"
#include "SimUnknown.h"

#include <memory>

MarlixResult simQueryDeviceInterface(const std::shared_ptr<SimSession>& session, MarlixIID iid, void** out);

template <typename Interface>
class SimModeSource : public SimUnknown<Interface>
{
public:
    SimModeSource(std::shared_ptr<SimSession> session, bool output)
        : m_session(std::move(session)), m_output(output)
    {
    }

    MarlixResult QueryInterface(MarlixIID iid, void** out) override
    {
        return simQueryDeviceInterface(m_session, iid, out);
    }

    MarlixResult FindDisplayMode(MarlixCode code, IMarlixDisplayMode** mode) override
    {
        const MarlixResult entered = m_session->enter(name(), "FindDisplayMode", code);
        if (entered != kMarlixOk)
            return entered;
        if (!mode)
            return kMarlixInvalidArg;
        *mode = nullptr;
        const SimModeInfo* info = SimCatalogue::find(code);
        if (!info || !m_session->device().description().hasMode(modes(), code))
            return kMarlixInvalidArg;
        *mode = new SimDisplayMode(*info);
        return kMarlixOk;
    }

    MarlixResult GetDisplayModeIterator(IMarlixDisplayModeIterator** iterator) override
    {
        const MarlixResult entered = m_session->enter(name(), "GetDisplayModeIterator");
        if (entered != kMarlixOk)
            return entered;
        if (!iterator)
            return kMarlixInvalidArg;
        std::vector<const SimModeInfo*> infos;
        for (MarlixCode code : modes())
            infos.push_back(SimCatalogue::find(code));
        *iterator = new SimDisplayModeIterator(std::move(infos));
        return kMarlixOk;
    }

private:
    const char* name() const { return m_output ? "Output" : "Input"; }
    const std::vector<MarlixCode>& modes() const
    {
        return m_output ? m_session->device().description().outputModes : m_session->device().description().inputModes;
    }

    std::shared_ptr<SimSession> m_session;
    bool m_output;
};
