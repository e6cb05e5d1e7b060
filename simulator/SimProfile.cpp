#include "SimProfile.h"

#include "SimCatalogue.h"
#include "SimEdid.h"
#include "SimFile.h"
#include "SimJson.h"
#include "SimText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

using nlohmann::json;

namespace {

constexpr int kMaxTemplateDepth = 8;

constexpr size_t kMaxIdLength = 64;

bool isPlainId(const std::string& id)
{
    if (id.empty() || id.size() > kMaxIdLength)
        return false;
    return std::none_of(id.begin(), id.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte == 0x7f;
    });
}

// The contract's integers are signed 64-bit; a larger number in a profile is a mistake
// that would otherwise turn into a negative value.
bool fitsInt64(const json& node)
{
    return !node.is_number_unsigned() || node.get<uint64_t>() <= uint64_t(INT64_MAX);
}

class Builder
{
public:
    Builder(const json& templates, std::string& error) : m_templates(templates), m_error(error) {}

    bool build(const json& device, SimDeviceDescription& description);

private:
    bool fail(const std::string& what)
    {
        m_error = SimText::printable(m_context + what);
        return false;
    }
    bool resolve(const json& node, json& merged, int depth);
    bool readIdentity(const json& merged, SimDeviceDescription& description);
    bool readValues(const json& merged, const char* section, std::map<MarlixCode, SimValue>& out);
    bool readValue(const std::string& key, const json& node, SimValue& value);
    bool readStrings(const json& merged, const char* section, const std::function<bool(const std::string&)>& take);
    bool readModes(const json& merged, const char* section, std::vector<MarlixCode>& out);
    bool readCodes(const json& merged, const char* section, std::vector<MarlixCode>& out);
    bool readRules(const json& merged, SimDeviceDescription& description);
    bool readRule(const std::string& key, const json& node, SimConfigRule& rule);
    bool readKind(const std::string& key, const json& node, SimConfigRule& rule);
    bool readDomain(const std::string& key, const json& node, SimConfigRule& rule);
    bool readEdid(const json& merged, SimDeviceDescription& description);
    bool readInputSignals(const json& merged, SimDeviceDescription& description);
    bool readSignal(const std::string& where, const json& node, const SimDeviceDescription& description,
                    SimSignal& signal);
    bool checkDefaults(const SimDeviceDescription& description);
    bool code(const std::string& text, const std::string& what, MarlixCode& result);

    const json& m_templates;
    std::string& m_error;
    std::string m_context;
};

bool Builder::code(const std::string& text, const std::string& what, MarlixCode& result)
{
    if (SimValue::parseFourCC(text, result))
        return true;
    return fail(what + " '" + text + "' is not a four-character code");
}

// Layers the device over its template chain: objects merge key by key, a null removes.
bool Builder::resolve(const json& node, json& merged, int depth)
{
    if (depth > kMaxTemplateDepth)
        return fail("templates nest too deeply (a cycle?)");
    const char* link = depth == 0 ? "template" : "base";
    const auto parent = node.find(link);
    json base = json::object();
    if (parent != node.end()) {
        if (!parent->is_string())
            return fail(std::string("'") + link + "' must be a string");
        const auto found = m_templates.find(parent->get<std::string>());
        if (found == m_templates.end() || !found->is_object())
            return fail("unknown template '" + parent->get<std::string>() + "'");
        if (!resolve(*found, base, depth + 1))
            return false;
    }
    base.merge_patch(node);
    merged = std::move(base);
    return true;
}

bool Builder::readIdentity(const json& merged, SimDeviceDescription& description)
{
    const auto model = merged.find("modelName");
    if (model == merged.end() || !model->is_string() || model->get<std::string>().empty())
        return fail("'modelName' must be a non-empty string");
    description.modelName = model->get<std::string>();
    description.displayName = description.modelName;
    const auto display = merged.find("displayName");
    if (display != merged.end()) {
        if (!display->is_string())
            return fail("'displayName' must be a string");
        description.displayName = display->get<std::string>();
    }
    const auto plugged = merged.find("plugged");
    if (plugged != merged.end()) {
        if (!plugged->is_boolean())
            return fail("'plugged' must be true or false");
        description.plugged = plugged->get<bool>();
    }
    return true;
}

// true/false is a flag, a whole number an int, a four-character string a code (an int),
// a number with a point a float; {"string": ...} and {"hex": ...} spell the other kinds.
bool Builder::readValue(const std::string& key, const json& node, SimValue& value)
{
    MarlixCode fourCC = 0;
    if (!fitsInt64(node))
        return fail("'" + key + "': " + node.dump() + " is outside the signed 64-bit range");
    if (node.is_boolean())
        value = SimValue::makeFlag(node.get<bool>());
    else if (node.is_number_integer())
        value = SimValue::makeInt(node.get<int64_t>());
    else if (node.is_number_float())
        value = SimValue::makeFloat(node.get<double>());
    else if (node.is_string() && SimValue::parseFourCC(node.get<std::string>(), fourCC))
        value = SimValue::makeInt(fourCC);
    else if (node.is_object() && node.size() == 1 && node.contains("string") && node["string"].is_string())
        value = SimValue::makeString(node["string"].get<std::string>());
    else if (node.is_object() && node.size() == 1 && node.contains("hex") && node["hex"].is_string()) {
        std::vector<uint8_t> bytes;
        if (!SimValue::fromHex(node["hex"].get<std::string>(), bytes))
            return fail("'" + key + "': bad hex bytes");
        value = SimValue::makeBytes(std::move(bytes));
    } else
        return fail("'" + key + "': expected true/false, a number, a four-character code, "
                    "{\"string\": ...} or {\"hex\": ...}");
    return true;
}

bool Builder::readValues(const json& merged, const char* section, std::map<MarlixCode, SimValue>& out)
{
    const auto node = merged.find(section);
    if (node == merged.end())
        return true;
    if (!node->is_object())
        return fail(std::string("'") + section + "' must be an object");
    for (const auto& item : node->items()) {
        MarlixCode id = 0;
        SimValue value;
        if (!code(item.key(), std::string(section) + " item", id)
            || !readValue(std::string(section) + "." + item.key(), item.value(), value))
            return false;
        out[id] = value;
    }
    return true;
}

// Walks the array of strings under a section, handing each entry to take().
bool Builder::readStrings(const json& merged, const char* section,
                          const std::function<bool(const std::string&)>& take)
{
    const auto node = merged.find(section);
    if (node == merged.end())
        return true;
    if (!node->is_array())
        return fail(std::string("'") + section + "' must be an array");
    for (const json& entry : *node) {
        if (!entry.is_string())
            return fail(std::string("'") + section + "' holds a value that is not a string");
        if (!take(entry.get<std::string>()))
            return false;
    }
    return true;
}

bool Builder::readModes(const json& merged, const char* section, std::vector<MarlixCode>& out)
{
    return readStrings(merged, section, [&](const std::string& name) {
        MarlixCode mode = 0;
        if (SimCatalogue::group(name, out))
            return true;
        if (!SimValue::parseFourCC(name, mode) || !SimCatalogue::find(mode))
            return fail(std::string("'") + section + "': unknown display mode or group '" + name + "'");
        out.push_back(mode);
        return true;
    });
}

bool Builder::readCodes(const json& merged, const char* section, std::vector<MarlixCode>& out)
{
    return readStrings(merged, section, [&](const std::string& text) {
        MarlixCode value = 0;
        if (!code(text, section, value))
            return false;
        out.push_back(value);
        return true;
    });
}

bool Builder::readKind(const std::string& key, const json& node, SimConfigRule& rule)
{
    const auto type = node.find("type");
    const auto initial = node.find("default");
    if (type == node.end() || !type->is_string())
        return fail("setting '" + key + "': 'type' must be flag, int, float or string");
    if (initial == node.end())
        return fail("setting '" + key + "': no 'default'");
    const std::string kind = type->get<std::string>();
    MarlixCode fourCC = 0;
    if (!fitsInt64(*initial))
        return fail("setting '" + key + "': the default is outside the signed 64-bit range");
    if (kind == "flag" && initial->is_boolean())
        rule.initial = SimValue::makeFlag(initial->get<bool>());
    else if (kind == "int" && initial->is_number_integer())
        rule.initial = SimValue::makeInt(initial->get<int64_t>());
    else if (kind == "int" && initial->is_string() && SimValue::parseFourCC(initial->get<std::string>(), fourCC))
        rule.initial = SimValue::makeInt(fourCC);
    else if (kind == "float" && initial->is_number())
        rule.initial = SimValue::makeFloat(initial->get<double>());
    else if (kind == "string" && initial->is_string())
        rule.initial = SimValue::makeString(initial->get<std::string>());
    else
        return fail("setting '" + key + "': 'default' does not fit type '" + kind + "'");
    return true;
}

bool Builder::readDomain(const std::string& key, const json& node, SimConfigRule& rule)
{
    const std::string where = "setting '" + key + "': ";
    if (node.contains("oneOf")) {
        const json& list = node["oneOf"];
        if (!list.is_array() || list.empty())
            return fail(where + "'oneOf' must be a non-empty array");
        rule.domain = SimDomain::OneOf;
        for (const json& entry : list) {
            SimValue choice;
            if (!readValue(key + ".oneOf", entry, choice) || choice.kind != SimKind::Int)
                return m_error.empty() ? fail(where + "'oneOf' must hold integers or codes") : false;
            rule.choices.push_back(choice.integer);
        }
    } else if (node.contains("min") || node.contains("max")) {
        if (!node.contains("min") || !node.contains("max") || !node["min"].is_number() || !node["max"].is_number())
            return fail(where + "'min' and 'max' must both be numbers");
        rule.domain = SimDomain::Range;
        rule.minimum = node["min"].get<double>();
        rule.maximum = node["max"].get<double>();
    } else if (node.contains("connectionOf") || node.contains("connectionsOf")) {
        const bool single = node.contains("connectionOf");
        const json& attribute = node[single ? "connectionOf" : "connectionsOf"];
        if (!attribute.is_string() || !code(attribute.get<std::string>(), where + "capability", rule.capability))
            return attribute.is_string() ? false : fail(where + "the capability must be a code");
        rule.domain = single ? SimDomain::Connection : SimDomain::Connections;
    } else if (node.contains("mode")) {
        const json& side = node["mode"];
        if (side != "output" && side != "input")
            return fail(where + "'mode' must be \"input\" or \"output\"");
        rule.domain = side == "output" ? SimDomain::OutputMode : SimDomain::InputMode;
    } else if (node.contains("conversion")) {
        rule.domain = SimDomain::OutputConversion;
    }
    if (node.contains("maxLength")) {
        if (!node["maxLength"].is_number_unsigned())
            return fail(where + "'maxLength' must be a whole number");
        rule.maxLength = node["maxLength"].get<size_t>();
    }
    return true;
}

bool Builder::readRule(const std::string& key, const json& node, SimConfigRule& rule)
{
    if (!node.is_object())
        return fail("setting '" + key + "' must be an object");
    return readKind(key, node, rule) && readDomain(key, node, rule);
}

bool Builder::readRules(const json& merged, SimDeviceDescription& description)
{
    const auto node = merged.find("configuration");
    if (node == merged.end())
        return true;
    if (!node->is_object())
        return fail("'configuration' must be an object");
    for (const auto& item : node->items()) {
        MarlixCode id = 0;
        SimConfigRule rule;
        if (!code(item.key(), "setting", id) || !readRule(item.key(), item.value(), rule))
            return false;
        description.configuration[id] = rule;
    }
    return true;
}

// "edid": true builds one from the product; a hex string gives the bytes themselves.
bool Builder::readEdid(const json& merged, SimDeviceDescription& description)
{
    const auto node = merged.find("edid");
    if (node == merged.end() || (node->is_boolean() && !node->get<bool>()))
        return true;
    std::vector<uint8_t> bytes;
    if (node->is_boolean()) {
        const auto model = static_cast<uint16_t>(description.attributeInt(MarlixItem::kAttrModelId));
        const auto serial = static_cast<uint32_t>(description.attributeInt(MarlixItem::kAttrPersistentId));
        bytes = SimEdid::build(description.modelName, model, serial);
    } else if (!node->is_string() || !SimValue::fromHex(node->get<std::string>(), bytes)) {
        return fail("'edid' must be true, false or a hex string");
    }
    description.status[MarlixItem::kStatusReceivedEDID] = SimValue::makeBytes(std::move(bytes));
    return true;
}

// The connections by the names a profile uses for them.
const std::pair<const char*, int64_t> kInputConnectionNames[] = {
    {"sdi", MarlixValue::kVideoSDI},           {"hdmi", MarlixValue::kVideoHDMI},
    {"optical", MarlixValue::kVideoOptical},   {"component", MarlixValue::kVideoComponent},
    {"composite", MarlixValue::kVideoComposite}, {"svideo", MarlixValue::kVideoSVideo},
};

// "none", a mode code, or {"mode": CODE, "flags": 0..3}; the mode must be one the device captures.
bool Builder::readSignal(const std::string& where, const json& node, const SimDeviceDescription& description,
                         SimSignal& signal)
{
    const json* mode = node.is_object() ? (node.contains("mode") ? &node["mode"] : nullptr) : &node;
    if (node.is_object() && node.contains("flags")) {
        const json& flags = node["flags"];
        if (!flags.is_number_unsigned() || flags.get<uint64_t>() > 3)
            return fail(where + "'flags' must be 0 to 3 (1 PsF, 2 3D)");
        signal.flags = flags.get<int64_t>();
    }
    if (!mode || !mode->is_string())
        return fail(where + "expected \"none\", a mode code or {\"mode\": ..., \"flags\": ...}");
    if (mode->get<std::string>() == "none") {
        signal = SimSignal();
        return true;
    }
    if (!code(mode->get<std::string>(), where + "mode", signal.mode))
        return false;
    if (!description.hasMode(description.inputModes, signal.mode))
        return fail(where + "'" + mode->get<std::string>() + "' is not an input mode of the device");
    return true;
}

bool Builder::readInputSignals(const json& merged, SimDeviceDescription& description)
{
    const auto node = merged.find("inputSignals");
    if (node == merged.end())
        return true;
    if (!node->is_object())
        return fail("'inputSignals' must be an object of connection names");
    const int64_t connections = description.attributeInt(MarlixItem::kAttrVideoInputConnections);
    for (const auto& item : node->items()) {
        const std::string where = "inputSignals." + item.key() + ": ";
        const auto named = std::find_if(std::begin(kInputConnectionNames), std::end(kInputConnectionNames),
                                        [&](const auto& entry) { return item.key() == entry.first; });
        if (named == std::end(kInputConnectionNames))
            return fail(where + "not a connection (sdi, hdmi, optical, component, composite, svideo)");
        if ((connections & named->second) == 0)
            return fail(where + "the device has no such input connection");
        if (!readSignal(where, item.value(), description, description.inputSignals[named->second]))
            return false;
    }
    return true;
}

bool Builder::checkDefaults(const SimDeviceDescription& description)
{
    for (const auto& entry : description.configuration) {
        std::string why;
        if (description.validate(entry.first, entry.second.initial, &why) != kMarlixOk)
            return fail("setting '" + SimValue::fourCCText(entry.first) + "': default " + why);
    }
    if (description.attributes.count(MarlixItem::kAttrModelId) == 0
        || description.attributes.at(MarlixItem::kAttrModelId).kind != SimKind::Int)
        return fail("attribute 'rvid' (the model id) must be a whole number");
    return true;
}

bool Builder::build(const json& device, SimDeviceDescription& description)
{
    m_context.clear();
    const auto id = device.find("id");
    if (!device.is_object() || id == device.end() || !id->is_string() || !isPlainId(id->get<std::string>()))
        return fail("every device needs an 'id' of 1 to " + std::to_string(kMaxIdLength)
                    + " characters without spaces or control characters");
    description.key = id->get<std::string>();
    m_context = "device '" + description.key + "': ";
    json merged;
    return resolve(device, merged, 0) && readIdentity(merged, description)
           && readValues(merged, "attributes", description.attributes) && readValues(merged, "status", description.status)
           && readModes(merged, "inputModes", description.inputModes) && readModes(merged, "outputModes", description.outputModes)
           && readCodes(merged, "outputConversions", description.outputConversions) && readRules(merged, description)
           && readEdid(merged, description) && readInputSignals(merged, description) && checkDefaults(description);
}

} // namespace

// Two devices of one model with the same persistent id would share one stored state.
bool SimProfile::checkIdentities(const std::vector<SimDeviceDescription>& devices, std::string& error)
{
    std::map<std::pair<int64_t, int64_t>, const SimDeviceDescription*> seen;
    std::set<std::string> keys;
    for (const SimDeviceDescription& description : devices) {
        if (!keys.insert(description.key).second) {
            error = SimText::printable("device id '" + description.key + "' is used twice");
            return false;
        }
        const int64_t persistentId = description.attributeInt(MarlixItem::kAttrPersistentId);
        if (persistentId == 0)
            continue;
        const auto identity = std::make_pair(description.attributeInt(MarlixItem::kAttrModelId), persistentId);
        const auto inserted = seen.emplace(identity, &description);
        if (!inserted.second) {
            error = SimText::printable("devices '" + inserted.first->second->key + "' and '" + description.key
                                       + "' have the same model and persistent id");
            return false;
        }
    }
    return true;
}

bool SimProfile::parse(const std::string& text, std::vector<SimDeviceDescription>& devices, std::string& error,
                       SimProfileOptions* options)
{
    devices.clear();
    json root;
    if (!SimJson::parse(text, root, error))
        return false;
    const auto list = root.is_object() ? root.find("devices") : root.end();
    if (!root.is_object() || list == root.end() || !list->is_array()) {
        error = "the profile must be an object with a \"devices\" array";
        return false;
    }
    const auto waits = root.find("unsubscribeWaits");
    if (waits != root.end() && !waits->is_boolean()) {
        error = "\"unsubscribeWaits\" must be true or false";
        return false;
    }
    const auto templates = root.find("templates");
    const json noTemplates = json::object();
    if (templates != root.end() && !templates->is_object()) {
        error = "\"templates\" must be an object";
        return false;
    }
    Builder builder(templates != root.end() ? *templates : noTemplates, error);
    std::vector<SimDeviceDescription> result;
    for (const json& device : *list) {
        SimDeviceDescription description;
        if (!builder.build(device, description))
            return false;
        result.push_back(std::move(description));
    }
    if (!checkIdentities(result, error))
        return false;
    devices = std::move(result);
    if (options)
        options->unsubscribeWaits = waits == root.end() || waits->get<bool>();
    return true;
}

bool SimProfile::load(const std::string& path, std::vector<SimDeviceDescription>& devices, std::string& error,
                      SimProfileOptions* options)
{
    devices.clear();
    std::string text;
    switch (SimFile::read(path, text, error)) {
    case SimFile::Result::Missing:
        error = "no such file";
        return false;
    case SimFile::Result::Refused:
        return false;
    case SimFile::Result::Read:
        break;
    }
    return parse(text, devices, error, options);
}
