#include "SimDevice.h"

#include "SimCatalogue.h"
#include "SimPreferences.h"
#include "SimText.h"

#include <algorithm>
#include <cstdio>

using namespace MarlixItem;
using namespace MarlixValue;

namespace {

std::string preferencesPathFor(const SimDeviceDescription& description)
{
    char name[96];
    const auto persistentId = static_cast<unsigned long long>(description.attributeInt(kAttrPersistentId));
    snprintf(name, sizeof name, "lumaris-%lld-%016llx.json",
             static_cast<long long>(description.attributeInt(kAttrModelId)), persistentId);
    const std::string file = persistentId != 0 ? std::string(name) : SimPreferences::fileNameFor(description.key);
    const std::string directory = SimPreferences::stateDirectory();
    return directory.empty() ? std::string() : directory + "/" + file;
}

// What a sub-device without connectors answers for its connection and video I/O attributes.
bool isConnectionAttribute(MarlixCode id)
{
    return id == kAttrVideoInputConnections || id == kAttrVideoOutputConnections || id == kAttrAudioInputConnections
           || id == kAttrAudioOutputConnections || id == kAttrVideoIOSupport;
}

bool isConnectionSetting(SimDomain domain)
{
    return domain == SimDomain::Connection || domain == SimDomain::Connections;
}

// The lowest connection bit of a mask, 0 for none.
int64_t firstConnection(int64_t mask)
{
    return mask & -mask;
}

bool isSingleConnection(int64_t value)
{
    return value > 0 && (value & (value - 1)) == 0;
}

// Counting from one; a profile may give any index, the largest included.
std::string countedFromOne(int64_t index)
{
    return index >= 0 ? std::to_string(static_cast<uint64_t>(index) + 1) : std::to_string(index + 1);
}

} // namespace

SimDevice::SimDevice(SimDeviceDescription description) : m_description(std::move(description)), m_path(preferencesPathFor(m_description))
{
    m_status = m_description.status;
    m_inputSignals = m_description.inputSignals;
    loadStored();
    // Without signals per connection, the profile's signal arrives on the connection selected by default.
    const auto locked = m_status.find(kStatusVideoInputSignalLocked);
    const auto mode = m_status.find(kStatusCurrentVideoInputMode);
    const auto flags = m_status.find(kStatusCurrentVideoInputFlags);
    if (m_inputSignals.empty() && locked != m_status.end() && locked->second.flag && mode != m_status.end()) {
        const int64_t connection = m_description.configuration.count(kConfigVideoInputConnection)
                                       ? m_description.configuration.at(kConfigVideoInputConnection).initial.integer
                                       : firstConnection(m_description.attributeInt(kAttrVideoInputConnections));
        m_inputSignals[connection] = SimSignal{static_cast<MarlixCode>(mode->second.integer),
                                               flags != m_status.end() ? flags->second.integer : 0};
    }
    m_live = m_stored;
    deriveStatus();
}

// Defaults first, then whatever the stored file holds that the device still accepts.
void SimDevice::loadStored()
{
    for (const auto& entry : m_description.configuration)
        m_stored[entry.first] = entry.second.initial;
    std::map<MarlixCode, SimValue> saved;
    m_storeBlocked = SimPreferences::load(m_path, saved) == SimPreferences::Loaded::Blocked;
    for (const auto& entry : saved) {
        if (m_description.validate(entry.first, entry.second) == kMarlixOk)
            m_stored[entry.first] = entry.second;
    }
}

MarlixResult SimDevice::read(const std::map<MarlixCode, SimValue>& items, MarlixCode id, SimKind kind,
                             SimValue& out)
{
    const auto it = items.find(id);
    if (it == items.end())
        return kMarlixNotImplemented;
    if (it->second.kind != kind)
        return kMarlixInvalidArg;
    out = it->second;
    return kMarlixOk;
}

MarlixResult SimDevice::getAttribute(MarlixCode id, SimKind kind, SimValue& out) const
{
    const MarlixResult result = read(m_description.attributes, id, kind, out);
    if (result == kMarlixOk && isConnectionAttribute(id) && !offersConnections())
        out.integer = 0;
    return result;
}

bool SimDevice::offersConnections() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return !m_connectorsTaken;
}

MarlixResult SimDevice::probeOutputConversion(int64_t mode) const
{
    if (m_description.outputConversions.empty())
        return kMarlixNotImplemented;
    return m_description.hasMode(m_description.outputConversions, static_cast<MarlixCode>(mode)) ? kMarlixOk
                                                                                   : kMarlixInvalidArg;
}

MarlixResult SimDevice::getConfiguration(MarlixCode id, SimKind kind, SimValue& out) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return read(m_live, id, kind, out);
}

std::map<MarlixCode, SimValue> SimDevice::liveSettings() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_live;
}

MarlixResult SimDevice::setConfiguration(MarlixCode id, const SimValue& value, bool& statusChanged)
{
    ++m_configurationWrites;
    const MarlixResult valid = m_description.validate(id, value);
    if (valid != kMarlixOk)
        return valid;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_connectorsTaken && isConnectionSetting(m_description.configuration.at(id).domain))
        return kMarlixInvalidArg;
    m_live[id] = value;
    statusChanged = deriveStatus();
    return kMarlixOk;
}

MarlixResult SimDevice::writePreferences()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string error;
    if (m_storeBlocked) {
        fprintf(stderr, "marlix-sim: %s holds unreadable settings; not storing over them\n",
                SimText::printable(m_path).c_str());
        return kMarlixFail;
    }
    if (!SimPreferences::save(m_path, m_description.key, m_live, error)) {
        fprintf(stderr, "marlix-sim: %s\n", SimText::printable(error).c_str());
        return kMarlixFail;
    }
    m_stored = m_live;
    return kMarlixOk;
}

bool SimDevice::revert(bool& statusChanged)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const bool changed = m_live != m_stored;
    m_live = m_stored;
    statusChanged = deriveStatus();
    return changed;
}

MarlixResult SimDevice::getStatus(MarlixCode id, SimKind kind, SimValue& out) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return read(m_status, id, kind, out);
}

bool SimDevice::assignStatus(MarlixCode id, const SimValue& value)
{
    const auto it = m_status.find(id);
    if (it == m_status.end() || it->second == value)
        return false;
    it->second = value;
    return true;
}

// A progressive 1080-line output of at most 30 frames goes out segmented when the device
// is told so.
int64_t SimDevice::outputFlagsFor(MarlixCode mode) const
{
    const auto psf = m_live.find(kConfigOutput1080pAsPsF);
    const SimModeInfo* info = SimCatalogue::find(mode);
    if (psf == m_live.end() || !psf->second.flag || !info || info->fieldDominance != kFieldProgressive)
        return 0;
    return info->height == 1080 && info->integerRate() < 31 ? kModeFlagPsF : 0;
}

int64_t SimDevice::selectedInputConnection() const
{
    const auto selected = m_live.find(kConfigVideoInputConnection);
    return selected != m_live.end() ? selected->second.integer
                                    : firstConnection(m_description.attributeInt(kAttrVideoInputConnections));
}

// The input status is that of the selected connection's signal.
bool SimDevice::showInputSignal()
{
    if (!m_status.count(kStatusVideoInputSignalLocked))
        return false;
    const auto found = m_inputSignals.find(selectedInputConnection());
    const SimSignal signal = found != m_inputSignals.end() ? found->second : SimSignal();
    const int64_t flags = signal.present() ? signal.flags : 0;
    bool changed = assignStatus(kStatusVideoInputSignalLocked, SimValue::makeFlag(signal.present()));
    changed |= assignStatus(kStatusCurrentVideoInputMode, SimValue::makeInt(signal.mode));
    changed |= assignStatus(kStatusCurrentVideoInputFlags, SimValue::makeInt(flags));
    changed |= assignStatus(kStatusDetectedVideoInputMode, SimValue::makeInt(signal.mode));
    changed |= assignStatus(kStatusDetectedVideoInputFlags, SimValue::makeInt(flags));
    changed |= assignStatus(kStatusCurrentVideoInputPixelFormat,
                            SimValue::makeInt(signal.present() ? kPixelFormat10BitYUV : 0));
    return changed;
}

// Status items that follow the settings: the input signal, the output mode and the duplex state.
bool SimDevice::deriveStatus()
{
    bool changed = showInputSignal();
    const auto mode = m_live.find(kConfigDefaultVideoOutputMode);
    if (mode != m_live.end()) {
        const auto code = static_cast<MarlixCode>(mode->second.integer);
        changed |= assignStatus(kStatusCurrentVideoOutputMode, SimValue::makeInt(code));
        changed |= assignStatus(kStatusCurrentVideoOutputFlags, SimValue::makeInt(outputFlagsFor(code)));
    }
    const auto duplex = m_live.find(kConfigDuplexMode);
    if (duplex != m_live.end())
        changed |= assignStatus(kStatusDuplexMode, duplex->second);
    return changed;
}

bool SimDevice::followPartnerDuplex(MarlixCode partnerMode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_description.configuration.count(kConfigDuplexMode))
        return false;
    const bool taken = partnerMode == kDuplexFull;
    const bool changed = taken != m_connectorsTaken;
    m_connectorsTaken = taken;
    return assignStatus(kStatusDuplexMode, SimValue::makeInt(taken ? kDuplexInactive : kDuplexHalf)) || changed;
}

bool SimDevice::setStatus(MarlixCode id, const std::string& text, std::string& error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_status.find(id);
    if (it == m_status.end()) {
        error = "device '" + key() + "' has no status item '" + SimValue::fourCCText(id) + "'";
        return false;
    }
    SimValue value = it->second;
    if (!value.parseAs(it->second.kind, text)) {
        error = "status item '" + SimValue::fourCCText(id) + "' takes a " + SimValue::kindName(it->second.kind)
                + " value, not '" + text + "'";
        return false;
    }
    it->second = value;
    return true;
}

bool SimDevice::setInputSignal(MarlixCode mode, int64_t flags, std::string& error, int64_t connection)
{
    if ((m_description.attributeInt(kAttrVideoIOSupport) & kVideoIOCapture) == 0) {
        error = "device '" + key() + "' has no video input";
        return false;
    }
    const bool present = mode != kModeUnknown;
    if (present && !m_description.hasMode(m_description.inputModes, mode)) {
        error = "device '" + key() + "' cannot capture '" + SimValue::fourCCText(mode) + "'";
        return false;
    }
    if (flags < 0 || flags > (kModeFlagPsF | kModeFlag3D)) {
        error = "mode flags must be 0 to 3";
        return false;
    }
    if (connection != 0
        && (!isSingleConnection(connection)
            || (m_description.attributeInt(kAttrVideoInputConnections) & connection) == 0)) {
        error = "device '" + key() + "' has no input connection " + std::to_string(connection);
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_inputSignals[connection != 0 ? connection : selectedInputConnection()] = SimSignal{mode, present ? flags : 0};
    showInputSignal();
    return true;
}

bool SimDevice::setReference(MarlixCode mode, int64_t flags, std::string& error)
{
    const bool present = mode != kModeUnknown;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_status.count(kStatusReferenceLocked)) {
        error = "device '" + key() + "' has no reference input";
        return false;
    }
    if (present && !SimCatalogue::find(mode)) {
        error = "'" + SimValue::fourCCText(mode) + "' is not a display mode";
        return false;
    }
    assignStatus(kStatusReferenceLocked, SimValue::makeFlag(present));
    assignStatus(kStatusReferenceMode, SimValue::makeInt(mode));
    assignStatus(kStatusReferenceFlags, SimValue::makeInt(present ? flags : 0));
    return true;
}

void SimDevice::addSubscription(const std::shared_ptr<SimSubscription>& subscription)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_subscriptions.push_back(subscription);
}

std::shared_ptr<SimSubscription> SimDevice::removeSubscription(const void* owner, MarlixCode topic,
                                                               IMarlixNotificationCallback* callback)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = std::find_if(m_subscriptions.begin(), m_subscriptions.end(), [&](const auto& s) {
        return s->owner == owner && s->topic == topic && s->callback == callback;
    });
    if (it == m_subscriptions.end())
        return nullptr;
    std::shared_ptr<SimSubscription> found = *it;
    m_subscriptions.erase(it);
    return found;
}

std::vector<std::shared_ptr<SimSubscription>> SimDevice::removeSubscriptions(const void* owner)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<std::shared_ptr<SimSubscription>> removed;
    for (auto it = m_subscriptions.begin(); it != m_subscriptions.end();) {
        if ((*it)->owner == owner) {
            removed.push_back(*it);
            it = m_subscriptions.erase(it);
        } else {
            ++it;
        }
    }
    return removed;
}

void SimDevice::forEachSubscriber(MarlixCode topic,
                                  const std::function<void(const std::shared_ptr<SimSubscription>&)>& visit) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto& subscription : m_subscriptions) {
        if (subscription->topic == topic)
            visit(subscription);
    }
}

bool SimDevice::isSubscribed(const void* owner, MarlixCode topic, IMarlixNotificationCallback* callback) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::any_of(m_subscriptions.begin(), m_subscriptions.end(), [&](const auto& s) {
        return s->owner == owner && s->topic == topic && s->callback == callback;
    });
}

std::string SimDevice::describe() const
{
    char tail[128];
    snprintf(tail, sizeof tail, " of %lld, persistent id 0x%llx",
             static_cast<long long>(m_description.attributeInt(kAttrSubDeviceCount, 1)),
             static_cast<unsigned long long>(m_description.attributeInt(kAttrPersistentId)));
    return "model " + std::to_string(m_description.attributeInt(kAttrModelId)) + " \""
           + SimText::printable(m_description.modelName) + "\" sub-device "
           + countedFromOne(m_description.attributeInt(kAttrSubDeviceIndex)) + tail;
}
