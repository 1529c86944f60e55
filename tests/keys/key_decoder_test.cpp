#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rt/posix/key_decoder.hpp"

using namespace zemlar;
using zemlar::posix::KeyDecoder;

namespace {

constexpr int kUtf8 = 65001;
constexpr KeyCode X(int n) { return extendedKey(n); }
using Keys = std::vector<KeyCode>;

Keys takeAll(KeyQueue& queue) {
  Keys keys;
  while (!queue.empty()) keys.push_back(queue.pop());
  return keys;
}

// Every byte sequence arrives in one read; its keys must come at once, without a tick.
struct SequenceCase {
  const char* name;
  std::string bytes;
  Keys expected;
  int codePage = kUtf8;
};

class KeyDecoderSequences : public testing::TestWithParam<SequenceCase> {};

TEST_P(KeyDecoderSequences, GiveTheNativeKeyCodes) {
  const SequenceCase& c = GetParam();
  KeyDecoder decoder;
  KeyQueue queue;
  decoder.feed(c.bytes, 0, c.codePage, queue);
  EXPECT_EQ(takeAll(queue), c.expected) << c.name;
  EXPECT_EQ(decoder.msUntilDue(0), -1) << c.name << ": nothing may stay pending";
}

const SequenceCase kSequences[] = {
    // Arrows, both forms.
    {"Up", "\x1b[A", {X(72)}}, {"Down", "\x1b[B", {X(80)}},
    {"Right", "\x1b[C", {X(77)}}, {"Left", "\x1b[D", {X(75)}},
    {"Up SS3", "\x1bOA", {X(72)}}, {"Down SS3", "\x1bOB", {X(80)}},
    {"Right SS3", "\x1bOC", {X(77)}}, {"Left SS3", "\x1bOD", {X(75)}},
    // Home and End in all their variants.
    {"Home H", "\x1b[H", {X(71)}}, {"End F", "\x1b[F", {X(79)}},
    {"Home SS3", "\x1bOH", {X(71)}}, {"End SS3", "\x1bOF", {X(79)}},
    {"Home 1~", "\x1b[1~", {X(71)}}, {"End 4~", "\x1b[4~", {X(79)}},
    {"Home 7~", "\x1b[7~", {X(71)}}, {"End 8~", "\x1b[8~", {X(79)}},
    {"Insert", "\x1b[2~", {X(82)}}, {"Delete", "\x1b[3~", {X(83)}},
    {"Page Up", "\x1b[5~", {X(73)}}, {"Page Down", "\x1b[6~", {X(81)}},
    // Function keys.
    {"F1", "\x1bOP", {X(59)}}, {"F2", "\x1bOQ", {X(60)}},
    {"F3", "\x1bOR", {X(61)}}, {"F4", "\x1bOS", {X(62)}},
    {"F1 Linux", "\x1b[[A", {X(59)}}, {"F2 Linux", "\x1b[[B", {X(60)}},
    {"F3 Linux", "\x1b[[C", {X(61)}}, {"F4 Linux", "\x1b[[D", {X(62)}},
    {"F5 Linux", "\x1b[[E", {X(63)}},
    {"F5", "\x1b[15~", {X(63)}}, {"F6", "\x1b[17~", {X(64)}},
    {"F7", "\x1b[18~", {X(65)}}, {"F8", "\x1b[19~", {X(66)}},
    {"F9", "\x1b[20~", {X(67)}}, {"F10", "\x1b[21~", {X(68)}},
    {"F11", "\x1b[23~", {X(133)}}, {"F12", "\x1b[24~", {X(134)}},
    // Modifiers: m = 1 + Shift 1 + Alt 2 + Ctrl 4; Alt counts before Ctrl before Shift.
    {"Shift+F1", "\x1b[1;2P", {X(84)}}, {"Alt+F4", "\x1b[1;3S", {X(107)}},
    {"Ctrl+Left", "\x1b[1;5D", {X(115)}}, {"Ctrl+Up", "\x1b[1;5A", {X(141)}},
    {"Alt+Up", "\x1b[1;3A", {X(152)}}, {"Shift+Up", "\x1b[1;2A", {X(72)}},
    {"Ctrl+Alt+Up", "\x1b[1;7A", {X(152)}}, {"Ctrl+Shift+Right", "\x1b[1;6C", {X(116)}},
    {"Shift+F3 is not a cursor report", "\x1b[1;2R", {X(86)}},
    {"Ctrl+Delete", "\x1b[3;5~", {X(147)}}, {"Alt+Page Up", "\x1b[5;3~", {X(153)}},
    {"Shift+F5", "\x1b[15;2~", {X(88)}}, {"Ctrl+F12", "\x1b[24;5~", {X(138)}},
    {"Alt+F10", "\x1b[21;3~", {X(113)}}, {"Ctrl+F1 SS3 form", "\x1bO5P", {X(94)}},
    {"Shift+Tab", "\x1b[Z", {X(15)}},
    // ESC x is Alt+x.
    {"Alt+a", "\x1b" "a", {X(30)}}, {"Alt+Shift+a", "\x1b" "A", {X(30)}},
    {"Alt+m", "\x1bm", {X(50)}}, {"Alt+1", "\x1b" "1", {X(120)}},
    {"Alt+Shift+1", "\x1b!", {'!'}}, {"Alt+Enter", "\x1b\r", {X(28)}},
    {"Alt+Backspace", "\x1b\x7f", {X(224)}}, {"Alt+Space", "\x1b ", {' '}},
    {"Alt+Up, ESC prefix", "\x1b\x1b[A", {X(152)}}, {"Alt+Esc then x", "\x1b\x1bx", {X(1), 'x'}},
    // Single bytes.
    {"Backspace as DEL", "\x7f", {8}}, {"Ctrl+H", "\b", {8}},
    {"Enter CR", "\r", {13}}, {"Enter LF", "\n", {13}}, {"Tab", "\t", {9}},
    {"byte 0", std::string(1, '\0'), {0}}, {"Ctrl+A", "\x01", {1}},
    {"keys around a sequence", "a\x1b[Ab", {'a', X(72), 'b'}},
    // Unknown sequences go whole.
    {"unknown tilde key", "\x1b[99~x", {'x'}},
    {"terminal answer", "\x1b[?1;2cz", {'z'}},
    {"paste bracket", "\x1b[200~ab\x1b[201~", {'a', 'b'}},
    {"mouse report", "\x1b[<0;12;5Mq", {'q'}},
    {"unknown SS3", "\x1bOxy", {'y'}},
    {"unknown letter", "\x1b[1;5Kk", {'k'}},
    {"cut by a control byte", "\x1b[1;5\x01", {1}},
    {"cut by a new sequence", "\x1b[1\x1b[B", {X(80)}},
    {"overlong", "\x1b[" + std::string(60, '1') + "~k", {'k'}},
    // Typed characters.
    {"UTF-8 passes under 65001", "\xd0\xb6", {0xD0, 0xB6}},
    {"Cyrillic zhe under 1251", "\xd0\xb6", {0xE6}, 1251},
    {"Cyrillic ya under 1251", "\xd1\x8f", {0xFF}, 1251},
    {"Greek alpha is not in 1251", "\xce\xb1", {'?'}, 1251},
    {"Greek alpha under 1253", "\xce\xb1", {0xE1}, 1253},
    {"CJK under 54936", "\xe4\xb8\xad", {0xD6, 0xD0}, 54936},
    {"emoji under 54936", "\xf0\x9f\x98\x80", {0x94, 0x39, 0xFC, 0x36}, 54936},
    {"Alt with a Cyrillic letter", "\x1b\xd0\xb6", {0xE6}, 1251},
    {"stray continuation byte", "\xb6" "a", {'?', 'a'}, 1251},
    {"cut character", "\xd0" "a", {'?', 'a'}, 1251},
    {"overlong encoding", "\xe0\x80\xaf", {'?'}, 1251},
};

INSTANTIATE_TEST_SUITE_P(Table, KeyDecoderSequences, testing::ValuesIn(kSequences));

// Bytes in several reads, with the time each arrives, then a tick.
struct Read {
  std::string bytes;
  int64_t atMs;
};
struct TimingCase {
  const char* name;
  std::vector<Read> reads;
  int64_t tickAtMs;
  Keys expected;
  int codePage = kUtf8;
};

class KeyDecoderTiming : public testing::TestWithParam<TimingCase> {};

TEST_P(KeyDecoderTiming, CompletesOrTimesOut) {
  const TimingCase& c = GetParam();
  KeyDecoder decoder;
  KeyQueue queue;
  for (const Read& read : c.reads) decoder.feed(read.bytes, read.atMs, c.codePage, queue);
  decoder.tick(c.tickAtMs, c.codePage, queue);
  EXPECT_EQ(takeAll(queue), c.expected) << c.name;
}

const TimingCase kTimings[] = {
    {"lone ESC before 50 ms", {{"\x1b", 100}}, 149, {}},
    {"lone ESC after 50 ms", {{"\x1b", 100}}, 150, {27}},
    {"ESC then a sequence within 50 ms", {{"\x1b", 0}, {"[A", 49}}, 49, {X(72)}},
    {"ESC then bytes after 50 ms", {{"\x1b", 0}, {"[A", 50}}, 50, {27, '[', 'A'}},
    {"ESC then a letter within 50 ms", {{"\x1b", 0}, {"a", 10}}, 10, {X(30)}},
    {"ESC then a letter after 50 ms", {{"\x1b", 0}, {"a", 60}}, 60, {27, 'a'}},
    {"sequence split across reads", {{"\x1b[1;", 0}, {"5A", 3}}, 3, {X(141)}},
    {"sequence split after ESC [", {{"x\x1b[", 0}, {"24~", 1}}, 1, {'x', X(134)}},
    {"character split across reads", {{"\xd0", 0}, {"\xb6", 2}}, 2, {0xE6}, 1251},
    {"ESC [ alone is Alt+[", {{"\x1b[", 0}}, 50, {X(26)}},
    {"ESC O alone is Alt+O", {{"\x1bO", 0}}, 50, {X(24)}},
    {"two ESCs alone are Alt+Esc", {{"\x1b\x1b", 0}}, 50, {X(1)}},
    {"cut sequence is dropped", {{"\x1b[1;5", 0}, {"x", 80}}, 80, {'x'}},
    {"cut character is '?'", {{"\xd0", 0}}, 50, {'?'}, 1251},
    {"overlong sequence skipped across reads",
     {{"\x1b[" + std::string(40, '1'), 0}, {"111~k", 5}}, 5, {'k'}},
    {"typing after an overlong sequence's pause",
     {{"\x1b[" + std::string(40, '1'), 0}, {"k", 60}}, 60, {'k'}},
};

INSTANTIATE_TEST_SUITE_P(Table, KeyDecoderTiming, testing::ValuesIn(kTimings));

TEST(KeyDecoder, TellsHowLongTheCallerMayWait) {
  KeyDecoder decoder;
  KeyQueue queue;
  EXPECT_EQ(decoder.msUntilDue(0), -1);
  decoder.feed("\x1b", 1000, kUtf8, queue);
  EXPECT_EQ(decoder.msUntilDue(1000), 50);
  EXPECT_EQ(decoder.msUntilDue(1030), 20);
  EXPECT_EQ(decoder.msUntilDue(1200), 0);
  decoder.tick(1200, kUtf8, queue);
  EXPECT_EQ(decoder.msUntilDue(1200), -1);
  EXPECT_EQ(takeAll(queue), Keys{27});
}

TEST(KeyDecoder, CursorReportOnlyRightAfterTheQuery) {
  KeyDecoder decoder;
  KeyQueue queue;
  decoder.feed("\x1b[12;40R", 0, kUtf8, queue);
  EXPECT_EQ(decoder.takeCursorReport(), std::nullopt);
  EXPECT_TRUE(queue.empty()) << "an unasked report is no key either";

  decoder.expectCursorReport(true);
  decoder.feed("a\x1b[1;2Rb", 0, kUtf8, queue);
  EXPECT_EQ(takeAll(queue), (Keys{'a', 'b'}));
  EXPECT_EQ(decoder.takeCursorReport(), (platform::CellPosition{1, 2}));
  EXPECT_EQ(decoder.takeCursorReport(), std::nullopt);

  decoder.feed("\x1b[1;2R", 0, kUtf8, queue);
  EXPECT_EQ(takeAll(queue), Keys{X(86)}) << "after the answer the same form is Shift+F3";
}

}  // namespace
