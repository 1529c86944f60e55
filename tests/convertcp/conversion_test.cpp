#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "tools/convertcp/arguments.hpp"
#include "tools/convertcp/conversion.hpp"

using namespace zemlar::convertcp;

namespace {

class StringSource final : public ByteSource {
 public:
  explicit StringSource(std::string bytes) : bytes_(std::move(bytes)) {}
  std::size_t read(char* buffer, std::size_t capacity) override {
    const std::size_t count = std::min(capacity, bytes_.size() - position_);
    std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    return count;
  }

 private:
  std::string bytes_;
  std::size_t position_ = 0;
};

class StringSink final : public ByteSink {
 public:
  void write(std::string_view bytes) override { text.append(bytes); }
  std::string text;
};

CodePage page(int number) { return *parseCodePage(std::to_string(number)); }

struct Result {
  std::string output;
  ConversionCounts counts;
};

Result run(int from, int to, const std::string& input, std::size_t blockSize) {
  StringSource source(input);
  StringSink sink;
  const ConversionCounts counts = convert(source, sink, page(from), page(to), blockSize);
  return {sink.text, counts};
}

const std::string kFffd = "\xEF\xBF\xBD";

struct Case {
  const char* name;
  int from, to;
  std::string input, expected;
  std::uint64_t undefined = 0, unrepresentable = 0;
};

const Case kCases[] = {
    {"cyrillic", 1251, 65001, "<a>\xCF\xF0\xE8\xE2\xE5\xF2</a>\r\n", "<a>Привет</a>\r\n"},
    {"undefined 1251 byte", 1251, 65001, "a\x98z", "a" + kFffd + "z", 1},
    {"ascii and other words of eight", 1251, 65001, "abcdefgh\xCF\xF0\xE8\xE2\x98\xE5\xF2!" "ABCDEFGH" "xy\x98",
     "abcdefghПрив" + kFffd + "ет!ABCDEFGHxy" + kFffd, 2},
    {"undefined 1252 and 1253 bytes", 1252, 65001, "\x81\x80\x9D", kFffd + "€" + kFffd, 2},
    {"utf-8 to 1251", 65001, 1251, "Привет, ёж!", "\xCF\xF0\xE8\xE2\xE5\xF2, \xB8\xE6!"},
    {"character 1251 lacks", 65001, 1251, "é中Ж😀", "??\xC6?", 0, 3},
    {"undefined byte to single-byte", 1251, 1252, "\x98\xC6", "??", 1, 2},
    {"1252 to 1250 through unicode", 1252, 1250, "\x80\x8A\xE9", "\x80\x8A\xE9"},
    {"utf-8 kept", 65001, 65001, "aé中😀z", "aé中😀z"},
    {"stray continuation and bad leads", 65001, 65001, "a\x80" "b\xC0\xAF" "c\xFF", "a" + kFffd + "b" + kFffd + kFffd + "c" + kFffd, 4},
    {"surrogate is three errors", 65001, 65001, "\xED\xA0\x80", kFffd + kFffd + kFffd, 3},
    {"cut character inside", 65001, 65001, "\xE4\xB8z\xF0\x9F\x98", kFffd + "z" + kFffd, 2},
    {"past U+10FFFF", 65001, 65001, "\xF4\x90\x80\x80", kFffd + kFffd + kFffd + kFffd, 4},
    {"gb18030 two and four bytes", 54936, 65001, "a\xD6\xD0\x95\x32\x82\x36z\xA2\xE3\x81\x30\x89\x38", "a中𠀀z€ß"},
    {"utf-8 to gb18030", 65001, 54936, "a中𠀀z€", "a\xD6\xD0\x95\x32\x82\x36z\xA2\xE3"},
    {"gb18030 invalid lead", 54936, 65001, "a\xFF" "b\x80", "a" + kFffd + "b" + kFffd, 2},
    {"gb18030 cut at the end", 54936, 65001, "a\xD6", "a" + kFffd, 1},
    {"gb18030 four-byte cut at the end", 54936, 65001, "a\x95\x32\x82", "a" + kFffd, 1},
    {"gb18030 to 1251", 54936, 1251, "\xA7\xA8\xD6\xD0", "\xC6?", 0, 1},
    {"1251 to gb18030", 1251, 54936, "\xC6z", "\xA7\xA8z"},
    {"empty", 1251, 65001, "", ""},
};

// Every case gives the same result whatever the block size, so characters split between
// blocks come out whole.
TEST(Conversion, CasesAtEveryBlockSize) {
  for (const Case& c : kCases) {
    for (std::size_t blockSize : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{5}, kDefaultBlockSize}) {
      const Result result = run(c.from, c.to, c.input, blockSize);
      EXPECT_EQ(result.output, c.expected) << c.name << ", block size " << blockSize;
      EXPECT_EQ(result.counts.undefinedInput, c.undefined) << c.name << ", block size " << blockSize;
      EXPECT_EQ(result.counts.unrepresentableOutput, c.unrepresentable) << c.name << ", block size " << blockSize;
    }
  }
}

// A character split at the edge of a large block, where the fast ASCII path runs up to
// the cut.
TEST(Conversion, CharacterAcrossTheEdgeOfALargeBlock) {
  const std::size_t block = 4096;
  for (std::size_t cut = 1; cut <= 3; ++cut) {
    const std::string ascii(block - cut, 'x');
    EXPECT_EQ(run(65001, 65001, ascii + "😀" + ascii, block).output, ascii + "😀" + ascii) << cut;
    EXPECT_EQ(run(54936, 65001, ascii + "\x95\x32\x82\x36", block).output, ascii + "𠀀") << cut;
  }
}

TEST(Conversion, RoundTripsThroughUtf8) {
  std::string all1251;
  for (int byte = 0; byte < 256; ++byte)
    if (byte != 0x98) all1251 += static_cast<char>(byte);
  const std::string utf8 = run(1251, 65001, all1251, 7).output;
  EXPECT_EQ(run(65001, 1251, utf8, 7).output, all1251);

  const std::string chinese = "中文网页，搜索𠀀𪚥 and ASCII ещё";
  const Result gb = run(65001, 54936, chinese, 3);
  EXPECT_EQ(gb.counts.unrepresentableOutput, 0u);
  EXPECT_EQ(run(54936, 65001, gb.output, 3).output, chinese);
}

// A large stream, checked piece by piece as it arrives: the output is the converted
// pattern over and over, and memory stays at the size of a block.
class PatternSource final : public ByteSource {
 public:
  PatternSource(std::string pattern, std::size_t total) : pattern_(std::move(pattern)), left_(total) {}
  std::size_t read(char* buffer, std::size_t capacity) override {
    std::size_t count = 0;
    while (count < capacity && left_ > 0) {
      buffer[count++] = pattern_[position_++ % pattern_.size()];
      --left_;
    }
    return count;
  }

 private:
  std::string pattern_;
  std::size_t position_ = 0;
  std::size_t left_;
};

class PatternCheckSink final : public ByteSink {
 public:
  explicit PatternCheckSink(std::string pattern) : pattern_(std::move(pattern)) {}
  void write(std::string_view bytes) override {
    for (char byte : bytes)
      if (byte != pattern_[position_++ % pattern_.size()]) ++mismatches;
  }
  std::size_t written() const { return position_; }
  std::size_t mismatches = 0;

 private:
  std::string pattern_;
  std::size_t position_ = 0;
};

TEST(Conversion, StreamsA150MegabyteFile) {
  const std::string line = "<a href=\"https://www.example.com/search?q=\xEA\xF0\xE0\xF1\xED\xFB\xE5\">link</a>\r\n";
  const std::string converted = run(1251, 65001, line, kDefaultBlockSize).output;
  const std::size_t repeats = 150 * 1000 * 1000 / line.size();
  PatternSource source(line, repeats * line.size());
  PatternCheckSink sink(converted);
  const ConversionCounts counts = convert(source, sink, page(1251), page(65001));
  EXPECT_EQ(sink.written(), repeats * converted.size());
  EXPECT_EQ(sink.mismatches, 0u);
  EXPECT_EQ(counts.undefinedInput, 0u);
}

}  // namespace
