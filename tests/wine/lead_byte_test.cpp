#include <windows.h>

#include <gtest/gtest.h>

#include "text/multibyte.h"

namespace {

TEST(AnsiCodePage, IsJapanese) {
    EXPECT_EQ(GetACP(), 932u);
}

TEST(AnsiCodePage, LeadBytesAreThoseOfCodePage932) {
    for (int byte = 0; byte < 256; ++byte) {
        const bool cp932 = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        EXPECT_EQ(mbtext::IsLeadByte(static_cast<unsigned char>(byte)), cp932) << byte;
    }
}

}  // namespace
