// Reads one kind of device item (attribute, setting or status) for an interface's
// typed getters: the session check, the kind check and the copy to the caller are
// the same for every interface that reads items.
#pragma once

#include "SimSession.h"

#include <memory>

class SimItemReader
{
public:
    using DeviceGetter = MarlixResult (SimDevice::*)(MarlixCode, SimKind, SimValue&) const;

    SimItemReader(std::shared_ptr<SimSession> session, const char* interfaceName, DeviceGetter getter)
        : m_session(std::move(session)), m_interface(interfaceName), m_getter(getter) {}

    SimSession& session() const { return *m_session; }

    MarlixResult readFlag(MarlixCode id, bool* value) const;
    MarlixResult readInt(MarlixCode id, int64_t* value) const;
    MarlixResult readFloat(MarlixCode id, double* value) const;
    MarlixResult readString(MarlixCode id, char** value) const;
    // The raw item, for getters with a shape of their own.
    MarlixResult fetch(const char* method, MarlixCode id, SimKind kind, const void* out, SimValue& value) const;
    // What a getter answers for a read that worked: 0, or the success code the driver was told to use.
    static MarlixResult succeeded(MarlixResult result);

private:
    std::shared_ptr<SimSession> m_session;
    const char* m_interface;
    DeviceGetter m_getter;
};
