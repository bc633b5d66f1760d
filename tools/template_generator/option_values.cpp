#include "tools/template_generator/option_values.h"

#include <fstream>
#include <iterator>
#include <limits>
#include <optional>

#include "runtime/unit_options/button_options.h"
#include "runtime/unit_options/check_box_options.h"
#include "runtime/unit_options/common_dlg_options.h"
#include "runtime/unit_options/board_options.h"
#include "runtime/unit_options/edit_box_options.h"
#include "runtime/unit_options/group_box_options.h"
#include "runtime/unit_options/html_viewer_options.h"
#include "runtime/unit_options/hyper_linker_options.h"
#include "runtime/unit_options/label_options.h"
#include "runtime/unit_options/option_fields.h"
#include "runtime/unit_options/process_bar_options.h"
#include "runtime/unit_options/radio_box_options.h"
#include "runtime/unit_options/window_options.h"
#include "runtime/templates/unit_kinds.h"
#include "tools/template_generator/gbk_text.h"

namespace generator {

namespace {

using Values = std::vector<Token>;

bool NumberIn(const Values& values, int64_t low, int64_t high, int64_t& result, std::string& error)
{
    if (values.size() != 1 || values[0].quoted || !ParseNumber(values[0].text, result) || result < low ||
        result > high) {
        error = "expected a number from " + std::to_string(low) + " to " + std::to_string(high);
        return false;
    }
    return true;
}

template <class Integer>
bool ParseInteger(const Values& values, Integer& value, std::string& error)
{
    int64_t number = 0;
    if (!NumberIn(values, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max(), number, error)) {
        return false;
    }
    value = static_cast<Integer>(number);
    return true;
}

bool ParseText(const Token& token, std::string& value, std::string& error)
{
    std::optional<std::string> gbk = token.quoted ? Utf8ToGbk(token.text) : std::nullopt;
    if (!gbk) {
        error = "expected a quoted text that GBK can hold";
        return false;
    }
    value = std::move(*gbk);
    return true;
}

// Parses one value by the type of the field it is for.
class ValueParser {
public:
    explicit ValueParser(const std::filesystem::path& folder) : folder_(folder) {}

    bool parse(const Values& values, int32_t& value, std::string& error) { return ParseInteger(values, value, error); }
    bool parse(const Values& values, uint32_t& value, std::string& error) { return ParseInteger(values, value, error); }
    bool parse(const Values& values, uint16_t& value, std::string& error) { return ParseInteger(values, value, error); }

    bool parse(const Values& values, bool& value, std::string& error)
    {
        int64_t number = 0;
        if (!NumberIn(values, 0, 1, number, error)) {
            return false;
        }
        value = number == 1;
        return true;
    }

    bool parse(const Values& values, std::string& value, std::string& error)
    {
        if (values.size() != 1) {
            error = "expected one quoted text";
            return false;
        }
        return ParseText(values[0], value, error);
    }

    bool parse(const Values& values, std::vector<uint8_t>& value, std::string& error)
    {
        const std::string prefix = "file:";
        if (values.size() == 1 && !values[0].quoted && values[0].text == "none") {
            value.clear();
            return true;
        }
        if (values.size() != 1 || values[0].quoted || values[0].text.rfind(prefix, 0) != 0) {
            error = "expected none or file:<name>";
            return false;
        }
        std::filesystem::path path = folder_ / values[0].text.substr(prefix.size());
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            error = "cannot open " + path.string();
            return false;
        }
        value.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        if (file.bad()) {
            error = "cannot read " + path.string();
            return false;
        }
        return true;
    }

    bool parse(const Values& values, std::optional<rt::FontDescription>& value, std::string& error)
    {
        if (values.size() == 1 && !values[0].quoted && values[0].text == "none") {
            value.reset();
            return true;
        }
        if (values.empty() || values.size() % 2 != 0) {
            error = "expected none or pairs of font member and value";
            return false;
        }
        rt::FontDescription font;
        for (size_t i = 0; i < values.size(); i += 2) {
            if (!fontMember(font, values[i].text, Values{values[i + 1]}, error)) {
                return false;
            }
        }
        value = font;
        return true;
    }

private:
    static bool fontMember(rt::FontDescription& font, const std::string& member, const Values& value,
                           std::string& error)
    {
        int32_t* integers[] = {&font.Height, &font.Width, &font.Escapement, &font.Orientation, &font.Weight};
        const char* integerNames[] = {"Height", "Width", "Escapement", "Orientation", "Weight"};
        uint8_t* bytes[] = {&font.Italic,       &font.Underline,     &font.StrikeOut, &font.CharSet,
                            &font.OutPrecision, &font.ClipPrecision, &font.Quality,   &font.PitchAndFamily};
        const char* byteNames[] = {"Italic",       "Underline",     "StrikeOut", "CharSet",
                                   "OutPrecision", "ClipPrecision", "Quality",   "PitchAndFamily"};
        for (size_t i = 0; i < std::size(integers); ++i) {
            if (member == integerNames[i]) {
                return ParseInteger(value, *integers[i], error);
            }
        }
        for (size_t i = 0; i < std::size(bytes); ++i) {
            if (member == byteNames[i]) {
                return ParseInteger(value, *bytes[i], error);
            }
        }
        if (member == "FaceName") {
            std::string face;
            if (!ParseText(value[0], face, error)) {
                return false;
            }
            if (face.size() > 31) {
                error = "a face name holds at most 31 bytes";
                return false;
            }
            font.setFaceName(face);
            return true;
        }
        error = "unknown font member " + member;
        return false;
    }

    const std::filesystem::path& folder_;
};

// Visits the kind's fields and sets the one that the line names.
class FieldAssigner {
public:
    FieldAssigner(const OptionLine& line, ValueParser& parser) : line_(line), parser_(parser) {}

    template <class Value>
    void operator()(const char* name, Value& value)
    {
        if (line_.field == name) {
            matched_ = true;
            ok_ = parser_.parse(line_.values, value, error_);
        }
    }

    bool matched() const { return matched_; }
    bool ok() const { return ok_; }
    const std::string& error() const { return error_; }

private:
    const OptionLine& line_;
    ValueParser& parser_;
    bool matched_ = false;
    bool ok_ = false;
    std::string error_;
};

std::string LineError(const OptionLine& line, const std::string& message)
{
    return "line " + std::to_string(line.line) + ": " + line.field + ": " + message;
}

template <class Options>
bool Build(const std::vector<OptionLine>& lines, const std::filesystem::path& folder, std::vector<uint8_t>& data,
           std::string& error)
{
    Options options;
    ValueParser parser(folder);
    for (size_t i = 0; i < lines.size(); ++i) {
        for (size_t earlier = 0; earlier < i; ++earlier) {
            if (lines[earlier].field == lines[i].field) {
                error = LineError(lines[i], "given twice");
                return false;
            }
        }
        FieldAssigner assigner(lines[i], parser);
        Options::Layout(options, assigner, Options::kMaxVersion);
        if (!assigner.matched() || !assigner.ok()) {
            error = LineError(lines[i], assigner.matched() ? assigner.error() : "no such field in this kind");
            return false;
        }
    }
    data = rt::WriteOptions(options);
    return true;
}

template <class Options>
constexpr UnitKindEntry Entry(const char* name, uint32_t kind)
{
    return {name, kind, Build<Options>};
}

constexpr UnitKindEntry kUnitKinds[] = {
    Entry<rt::WindowOptions>("Window", rt::kWindowKind),
    Entry<rt::EditBoxOptions>("EditBox", rt::kEditBoxKind),
    Entry<rt::BoardOptions>("DrawPanel", rt::kBoardKind),
    Entry<rt::GroupBoxOptions>("GroupBox", rt::kGroupBoxKind),
    Entry<rt::LabelOptions>("Label", rt::kLabelKind),
    Entry<rt::ButtonOptions>("Button", rt::kButtonKind),
    Entry<rt::CheckBoxOptions>("CheckBox", rt::kCheckBoxKind),
    Entry<rt::RadioBoxOptions>("RadioBox", rt::kRadioBoxKind),
    Entry<rt::ProcessBarOptions>("ProcessBar", rt::kProcessBarKind),
    Entry<rt::HyperLinkerOptions>("HyperLinker", rt::kHyperLinkerKind),
    Entry<rt::CommonDlgOptions>("CommonDlg", rt::kCommonDlgKind),
    Entry<rt::HtmlViewerOptions>("HtmlViewer", rt::kHtmlViewerKind),
};

}  // namespace

const UnitKindEntry* FindUnitKind(const std::string& name)
{
    for (const UnitKindEntry& entry : kUnitKinds) {
        if (name == entry.name) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace generator
