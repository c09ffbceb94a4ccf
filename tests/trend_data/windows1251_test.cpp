#include "trend_data/windows1251.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace trend {
namespace {

TEST(Windows1251, DecodesCyrillicAndSpecialBytes) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"ascii", "T-101 a", "T-101 a"},
        {"name of eight letters", "\xC4\xE0\xE2\xEB\xE5\xED\xE8\xE5", "Давление"},
        {"units", "\xEA\xE3\xF1/\xF1\xEC", "кгс/см"},
        {"first and last letters", "\xC0\xDF\xE0\xFF", "АЯая"},
        {"yo", "\xA8\xB8", "Ёё"},
        {"degree and numero", "\xB0\xD1 \xB9", "°С №"},
        {"ukrainian letters", "\xAA\xAF\xB2\xA5\xBA\xBF\xB3\xB4", "ЄЇІҐєїіґ"},
        {"punctuation", "\x96\x97\xAB\xBB\x85", "–—«»…"},
        {"unassigned byte", "\x98", "\xEF\xBF\xBD"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeWindows1251(c.bytes), c.utf8);
    }
}

// glibc's converter, part of every Debian system, is an independent table to check ours against.
TEST(Windows1251, AgreesWithTheSystemConverterOnEveryAssignedByte) {
    iconv_t converter = iconv_open("UTF-8", "CP1251");
    ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
    for (int byte = 1; byte < 256; ++byte) {
        if (byte == 0x98) {
            continue;  // unassigned in the code page
        }
        char in[1] = {static_cast<char>(byte)};
        char out[8] = {};
        char* in_ptr = in;
        char* out_ptr = out;
        std::size_t in_left = 1;
        std::size_t out_left = sizeof out;
        ASSERT_NE(iconv(converter, &in_ptr, &in_left, &out_ptr, &out_left),
                  static_cast<std::size_t>(-1))
            << "byte " << byte;
        EXPECT_EQ(DecodeWindows1251(std::string(1, in[0])), std::string(out, out_ptr))
            << "byte " << byte;
    }
    iconv_close(converter);
}

}  // namespace
}  // namespace trend
