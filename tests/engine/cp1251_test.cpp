#include "engine/cp1251.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace zhcalc {
namespace {

// The C library's own Windows-1251 decoder, as an independent reference.
std::string referenceUtf8(char byte) {
    iconv_t converter = iconv_open("UTF-8", "CP1251");
    if (converter == reinterpret_cast<iconv_t>(-1)) return {};
    char in[1] = {byte};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t done = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(converter);
    if (done == static_cast<std::size_t>(-1)) return "?";
    return std::string(out, outPtr);
}

TEST(Cp1251, EveryByteConvertsLikeTheCLibraryAndBack) {
    if (referenceUtf8('A') != "A") GTEST_SKIP() << "no CP1251 converter in the C library";
    for (int code = 0; code < 256; ++code) {
        SCOPED_TRACE(code);
        const std::string byte(1, static_cast<char>(code));
        const std::string utf8 = cp1251ToUtf8(byte);
        EXPECT_EQ(utf8, referenceUtf8(static_cast<char>(code)));
        if (code != 0x98) {
            EXPECT_EQ(utf8ToCp1251(utf8), byte);
        }
    }
}

TEST(Cp1251, ConvertsTheCalculatorsTexts) {
    const std::string cp1251 = "\xCE\xD8\xC8\xC1\xCA\xC0 \xC2 \xC4\xC0\xCD\xCD\xDB\xD5";
    const std::string utf8 = "ОШИБКА В ДАННЫХ";
    EXPECT_EQ(cp1251ToUtf8(cp1251), utf8);
    EXPECT_EQ(utf8ToCp1251(utf8), cp1251);
    EXPECT_EQ(utf8ToCp1251("ёЁ№€"), "\xB8\xA8\xB9\x88");
    EXPECT_EQ(cp1251ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1251, MarksWhatHasNoCodeWithAQuestionMark) {
    struct Case {
        const char* name;
        std::string utf8;
        std::string cp1251;
    };
    const Case cases[] = {
        {"no CP1251 code", "1中2", "1?2"},    {"U+0098", "\xC2\x98", "?"},
        {"emoji", "\xF0\x9F\x98\x80", "?"},   {"lone continuation byte", "a\x80z", "a?z"},
        {"truncated sequence", "\xD0", "?"},  {"truncated before ASCII", "\xE2\x82z", "?z"},
        {"overlong slash", "\xC0\xAF", "??"}, {"overlong three bytes", "\xE0\x80\xAF", "???"},
        {"surrogate", "\xED\xA0\x80", "???"}, {"above U+10FFFF", "\xF4\x90\x80\x80", "????"},
        {"invalid lead", "\xFF", "?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(utf8ToCp1251(c.utf8), c.cp1251);
    }
    EXPECT_EQ(cp1251ToUtf8("\x98"), "?");
}

}  // namespace
}  // namespace zhcalc
