#include "SimJson.h"

#include "SimText.h"

using nlohmann::json;

namespace {

// Checks syntax and depth without building anything; keeps the parser's message.
class Checker : public nlohmann::json_sax<json>
{
public:
    std::string message;

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool key(string_t&) override { return true; }
    bool start_object(std::size_t) override { return enter(); }
    bool end_object() override { return leave(); }
    bool start_array(std::size_t) override { return enter(); }
    bool end_array() override { return leave(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& ex) override
    {
        message = withoutLibraryPrefix(ex.what());
        return false;
    }

private:
    bool enter()
    {
        if (++m_depth <= SimJson::kMaxDepth)
            return true;
        message = "nests deeper than " + std::to_string(SimJson::kMaxDepth) + " levels";
        return false;
    }
    bool leave()
    {
        --m_depth;
        return true;
    }
    // "[json.exception.parse_error.101] parse error at ...": the bracket says nothing to a user.
    static std::string withoutLibraryPrefix(const std::string& text)
    {
        if (text.rfind("[json.exception.", 0) != 0)
            return text;
        const size_t end = text.find("] ");
        return end == std::string::npos ? text : text.substr(end + 2);
    }

    int m_depth = 0;
};

} // namespace

bool SimJson::parse(const std::string& text, json& value, std::string& error)
{
    value = json();
    // The parser would take a NUL byte for the end of the text and ignore what follows.
    const size_t nul = text.find('\0');
    if (nul != std::string::npos) {
        error = "a NUL byte at offset " + std::to_string(nul);
        return false;
    }
    Checker checker;
    if (!json::sax_parse(text, &checker, nlohmann::detail::input_format_t::json, true)) {
        error = SimText::printable(checker.message.empty() ? std::string("not valid JSON") : checker.message);
        return false;
    }
    value = json::parse(text, nullptr, false);
    if (value.is_discarded()) {
        error = "not valid JSON";
        return false;
    }
    return true;
}
