// The item reader over an arbitrary stored line, read by an arbitrary mix of readInt,
// readText and nextItem, and the number conversions over arbitrary text.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz_check.hpp"
#include "rt/item_reader.hpp"

using namespace zemlar;

namespace {

void readItems(const std::string& ops, const std::string& line) {
  ItemReader reader(line);
  for (const char op : ops) {
    const std::size_t before = reader.position();
    switch (static_cast<unsigned char>(op) % 4) {
      case 0: reader.readInt(); break;
      case 1: FUZZ_CHECK(reader.readText().size() <= kTextItemLimit); break;
      default: {
        const std::size_t limit = 1 + static_cast<unsigned char>(op) / 4;  // callers never ask for 0
        const ItemKind kind = op % 4 == 2 ? ItemKind::Number : ItemKind::Text;
        const Item item = reader.nextItem(limit, kind);
        FUZZ_CHECK(item.bytes.size() <= limit);
        ItemReader::numberValue(item);
      }
    }
    FUZZ_CHECK(reader.position() >= before);
    FUZZ_CHECK(reader.position() <= line.size());
  }
}

// A number written plainly converts back to itself.
void checkPlainNumber(int32_t value) {
  const std::string text = std::to_string(value);
  FUZZ_CHECK(decimalInteger(text) == value);
  FUZZ_CHECK(roundedDecimal(text) == value);
  FUZZ_CHECK(ItemReader(text).readInt() == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  checkPlainNumber(in.ConsumeIntegral<int32_t>());
  const std::string ops = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<std::size_t>(0, 24));
  const bool floating = in.ConsumeBool();
  const std::string line = in.ConsumeRemainingBytesAsString();
  readItems(ops, line);
  roundedDecimal(line);
  prefixedInteger(line);
  decimalInteger(line);
  ItemReader::numberValue(Item{line, floating});
  return 0;
}
