// Keys from outside: arbitrary console key events through translateKey and
// KeyEventDrain, and arbitrary terminal bytes at arbitrary times through the escape
// sequence decoder, with and without a cursor report expected.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz_check.hpp"
#include "rt/key_translate.hpp"
#include "rt/posix/key_decoder.hpp"

using namespace zemlar;

namespace {

// A plain key (0-255) or an extended key n * 256 + 255.
bool wellFormed(KeyCode key) { return (key >= 0 && key <= 255) || (key > 255 && key % 256 == 255); }

void drainQueue(KeyQueue& queue) {
  FUZZ_CHECK(queue.size() < KeyQueue::kSlots);
  while (!queue.empty()) FUZZ_CHECK(wellFormed(queue.pop()));
}

KeyEvent nextEvent(FuzzedDataProvider& in) {
  KeyEvent event;
  event.character = in.ConsumeIntegral<uint8_t>();
  event.keyDown = in.ConsumeBool();
  event.repeatCount = in.ConsumeIntegralInRange<uint16_t>(0, 600);
  event.virtualKey = in.ConsumeIntegral<uint16_t>();
  event.scanCode = in.ConsumeIntegral<uint16_t>();
  event.controlState = in.ConsumeIntegral<uint32_t>();
  event.unshifted = in.ConsumeIntegral<uint16_t>();
  return event;
}

void fuzzKeyEvents(FuzzedDataProvider& in) {
  KeyEventDrain drain;
  KeyQueue queue;
  while (in.remaining_bytes() > 0) {
    const KeyEvent event = nextEvent(in);
    if (const auto key = translateKey(event)) FUZZ_CHECK(wellFormed(*key));
    drain.take(event, queue);
    if (in.ConsumeBool()) drainQueue(queue);
  }
  drainQueue(queue);
}

constexpr int kCodePages[] = {65001, 437, 850, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 54936};

void fuzzDecoder(FuzzedDataProvider& in) {
  posix::KeyDecoder decoder;
  KeyQueue queue;
  const int codePage = in.PickValueInArray(kCodePages);
  int64_t now = in.ConsumeIntegralInRange<int64_t>(0, 1'000'000);
  while (in.remaining_bytes() > 0) {
    now += in.ConsumeIntegralInRange<int64_t>(0, 3 * posix::KeyDecoder::kEscapeQuietMs);
    if (in.ConsumeBool()) decoder.expectCursorReport(in.ConsumeBool());
    const std::string bytes = in.ConsumeRandomLengthString(24);
    if (bytes.empty()) decoder.tick(now, codePage, queue);
    else decoder.feed(bytes, now, codePage, queue);
    const int due = decoder.msUntilDue(now);
    FUZZ_CHECK(due >= -1 && due <= posix::KeyDecoder::kEscapeQuietMs);
    if (const auto report = decoder.takeCursorReport()) FUZZ_CHECK(report->row >= 1 && report->col >= 1);
    FUZZ_CHECK(!decoder.takeCursorReport());
    drainQueue(queue);
  }
  // Once the terminal stays quiet, nothing may wait any longer.
  now += 10 * posix::KeyDecoder::kEscapeQuietMs;
  decoder.tick(now, codePage, queue);
  FUZZ_CHECK(decoder.msUntilDue(now) == -1);
  drainQueue(queue);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  if (in.ConsumeBool()) fuzzKeyEvents(in);
  else fuzzDecoder(in);
  return 0;
}
