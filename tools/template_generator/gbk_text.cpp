#include "tools/template_generator/gbk_text.h"

#include <iconv.h>

namespace generator {

namespace {

// One conversion descriptor, closed when it goes.
class Conversion {
public:
    Conversion() : descriptor_(iconv_open("GBK", "UTF-8")) {}
    ~Conversion()
    {
        if (valid()) {
            iconv_close(descriptor_);
        }
    }
    Conversion(const Conversion&) = delete;
    Conversion& operator=(const Conversion&) = delete;

    bool valid() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return descriptor_; }

private:
    iconv_t descriptor_;
};

}  // namespace

std::optional<std::string> Utf8ToGbk(std::string_view utf8)
{
    Conversion conversion;
    if (!conversion.valid()) {
        return std::nullopt;
    }
    // A GBK text never takes more bytes than its UTF-8 form.
    std::string in(utf8);
    std::string out(in.size(), '\0');
    char* inPointer = in.data();
    size_t inLeft = in.size();
    char* outPointer = out.data();
    size_t outLeft = out.size();
    if (iconv(conversion.get(), &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<size_t>(-1) || inLeft != 0) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace generator
