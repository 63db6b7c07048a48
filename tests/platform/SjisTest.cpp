// The conversions keep one descriptor per direction and thread: a conversion that failed part
// way must leave nothing behind for the next, and threads must not share a descriptor.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/Sjis.h"

namespace myu {
namespace {

TEST(Cp932Descriptors, aFailedConversionLeavesTheNextOneWhole) {
  const std::string a = "\x82\xA0";  // あ
  struct Case {
    std::string bad;  // fails part way, after converting what came before
  };
  const Case cases[] = {{"\x82"}, {"\x82\xA0\x81"}, {"abc\xFF"}, {"\x82\xA0\x82\xA0\xFD\x82"}};
  for (const Case& c : cases) {
    EXPECT_FALSE(fromCp932(c.bad)) << c.bad;
    EXPECT_EQ(fromCp932(a), std::optional<std::string>("あ")) << c.bad;
    EXPECT_FALSE(toCp932("あ한")) << c.bad;  // stops at the Hangul
    EXPECT_EQ(toCp932("いあ"), std::optional<std::string>("\x82\xA2\x82\xA0")) << c.bad;
  }
}

TEST(Cp932Descriptors, threadsConvertAtTheSameTimeWithoutMixingTheirTexts) {
  const std::vector<std::string> texts = {"モフリーノ", "ｼｰｸﾚｯﾄ", "♂♀～①", "ぴよ吉"};
  std::vector<int> wrong(texts.size(), 0);
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    threads.emplace_back([&, i] {
      for (int k = 0; k < 2000; ++k) {
        auto bytes = toCp932(texts[i]);
        if (!bytes || fromCp932(*bytes) != std::optional<std::string>(texts[i])) ++wrong[i];
        if (fromCp932("\x82")) ++wrong[i];
      }
    });
  }
  for (auto& t : threads) t.join();
  for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(wrong[i], 0) << texts[i];
}

// The converter takes these, but they would read back as other characters: a name typed
// with one would be another name after the next start.
TEST(Cp932OneWay, charactersThatWouldComeBackAsOthersAreRefused) {
  const char* oneWay[] = {"〜", "¥", "−", "—", "¬", "¢", "£", "‖", "‾", "\xF3\xA0\x80\x81"};
  for (const char* c : oneWay) {
    EXPECT_FALSE(toCp932(c)) << c;
    EXPECT_FALSE(fitsCp932(std::string("もふ") + c)) << c;
  }
  // Their code-page-932 look-alikes stay.
  for (const char* c : {"～", "￥", "－", "―", "￢", "￠", "￡", "∥", "￣"}) {
    auto bytes = toCp932(c);
    ASSERT_TRUE(bytes) << c;
    EXPECT_EQ(fromCp932(*bytes), std::optional<std::string>(c)) << c;
  }
}

// Bytes where code page 932 has no character, and the characters some converters read from
// them and write back to them (U+0080, the private U+F8F0 to U+F8F3): refused both ways.
TEST(Cp932Gaps, bytesWithoutACharacterAreNotText) {
  for (const char* bad : {"\x80", "\xA0", "\xFD", "\xFE", "\xFF"}) {
    const std::string bytes = std::string("\x82\xA0") + bad + "a";
    EXPECT_FALSE(fromCp932(bad)) << bytes;
    EXPECT_FALSE(fromCp932(bytes)) << bytes;
    EXPECT_EQ(fromCp932Lossy(bytes), std::string("あ") + "\xEF\xBF\xBD" + "a") << bytes;
  }
  for (const char* c : {"\xC2\x80", "\xEF\xA3\xB0", "\xEF\xA3\xB3"}) {
    EXPECT_FALSE(toCp932(c)) << c;
    EXPECT_EQ(sjisLength(std::string("a") + c), 3) << c;
  }
}

}  // namespace
}  // namespace myu
