#include "SimMarlix.h"

#include "SimAttributes.h"
#include "SimConfiguration.h"
#include "SimModeSource.h"
#include "SimNotification.h"
#include "SimStatus.h"

namespace {

const char* interfaceName(const MarlixIID& iid)
{
    if (MarlixIIDEqual(iid, IID_IMarlixAttributes))
        return "Attributes";
    if (MarlixIIDEqual(iid, IID_IMarlixConfiguration))
        return "Configuration";
    if (MarlixIIDEqual(iid, IID_IMarlixNotification))
        return "Notification";
    if (MarlixIIDEqual(iid, IID_IMarlixStatus))
        return "Status";
    if (MarlixIIDEqual(iid, IID_IMarlixInput))
        return "Input";
    if (MarlixIIDEqual(iid, IID_IMarlixOutput))
        return "Output";
    return "";
}

bool hasVideoIO(const SimDevice& device, int64_t bit)
{
    return (device.description().attributeInt(MarlixItem::kAttrVideoIOSupport) & bit) != 0;
}

} // namespace

MarlixResult SimMarlix::queryDeviceInterface(const std::shared_ptr<SimSession>& session, MarlixIID iid, void** out)
{
    if (!out)
        return kMarlixInvalidArg;
    *out = nullptr;
    const char* name = interfaceName(iid);
    const MarlixResult entered = session->enter("Marlix", "QueryInterface", name);
    if (entered != kMarlixOk)
        return entered;
    const std::string which = name;
    IMarlixUnknown* object = nullptr;
    if (which == "Attributes")
        object = new SimAttributes(session);
    else if (which == "Configuration")
        object = new SimConfiguration(session);
    else if (which == "Notification")
        object = new SimNotification(session);
    else if (which == "Status")
        object = new SimStatus(session);
    else if (which == "Input" && hasVideoIO(session->device(), MarlixValue::kVideoIOCapture))
        object = new SimModeSource<IMarlixInput>(session, false);
    else if (which == "Output" && hasVideoIO(session->device(), MarlixValue::kVideoIOPlayback))
        object = new SimModeSource<IMarlixOutput>(session, true);
    if (!object)
        return kMarlixNoInterface;
    *out = object;
    return kMarlixOk;
}

MarlixResult simQueryDeviceInterface(const std::shared_ptr<SimSession>& session, MarlixIID iid, void** out)
{
    return SimMarlix::queryDeviceInterface(session, iid, out);
}

MarlixResult SimMarlix::QueryInterface(MarlixIID iid, void** out)
{
    return queryDeviceInterface(m_session, iid, out);
}

MarlixResult SimMarlix::GetModelName(char** name)
{
    const MarlixResult entered = m_session->enter("Marlix", "GetModelName");
    return entered != kMarlixOk ? entered : SimValue::copyToCaller(m_session->device().description().modelName, name);
}

MarlixResult SimMarlix::GetDisplayName(char** name)
{
    const MarlixResult entered = m_session->enter("Marlix", "GetDisplayName");
    return entered != kMarlixOk ? entered : SimValue::copyToCaller(m_session->device().description().displayName, name);
}
