// CP932 to UTF-8 / UTF-32 conversion that skips invalid bytes and never reads past the input.
#include "font_cp932.h"

#include <cerrno>
#include <cstdint>
#include <iconv.h>

namespace plat {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(static_cast<intptr_t>(-1));
constexpr size_t kIconvError = static_cast<size_t>(-1);

// One converter per target encoding, opened on first use and kept.
iconv_t Converter(const char* toCode) {
    return iconv_open(toCode, "CP932");
}

iconv_t Utf8Converter() {
    static iconv_t converter = Converter("UTF-8");
    return converter;
}

iconv_t Utf32Converter() {
    static iconv_t converter = Converter("UTF-32LE");
    return converter;
}

// Runs the whole input through `converter`, appending the output bytes.
// An invalid byte is dropped and conversion goes on after it; an incomplete
// sequence at the end stops it.
bool ConvertSkippingInvalid(iconv_t converter, const char* bytes, size_t length, std::string& out) {
    out.clear();
    if (converter == kNoConverter) return false;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes);
    size_t inLeft = bytes ? length : 0;
    char chunk[256];
    while (inLeft > 0) {
        char* outPtr = chunk;
        size_t outLeft = sizeof chunk;
        size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(chunk, outPtr - chunk);
        if (result != kIconvError || errno == E2BIG) continue;
        if (errno != EILSEQ) break;
        ++in;
        --inLeft;
    }
    return true;
}

}  // namespace

bool Cp932ToUtf8(const char* bytes, size_t length, std::string& out) {
    return ConvertSkippingInvalid(Utf8Converter(), bytes, length, out);
}

bool Cp932ToUtf32(const char* bytes, size_t length, std::u32string& out) {
    out.clear();
    std::string raw;
    if (!ConvertSkippingInvalid(Utf32Converter(), bytes, length, raw)) return false;
    for (size_t i = 0; i + 4 <= raw.size(); i += 4) {
        const auto* b = reinterpret_cast<const unsigned char*>(raw.data() + i);
        out.push_back(static_cast<char32_t>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<uint32_t>(b[3]) << 24));
    }
    return true;
}

}  // namespace plat
