#include "rt/posix/key_decoder.hpp"

#include <algorithm>

#include "rt/key_translate.hpp"
#include "rt/posix/key_sequences.hpp"
#include "rt/posix/typed_char.hpp"

namespace zemlar::posix {

namespace {

constexpr int kUtf8CodePage = 65001;
constexpr uint8_t kDelByte = 127;  // what terminals send for the Backspace key
constexpr KeyCode kBackspaceKey = keys::kBackspace;
constexpr uint8_t kLineFeedByte = 10;
constexpr KeyCode kEnterKey = keys::kEnter;
constexpr KeyCode kEscKey = keys::kEsc;

uint8_t byteAt(std::string_view bytes, std::size_t i) { return static_cast<uint8_t>(bytes[i]); }

// One key, character or sequence read from the front of the pending bytes.
struct Token {
  enum class Kind { Incomplete, Key, Press, Typed, CursorReport, Dropped, Overlong };
  Kind kind = Kind::Dropped;
  std::size_t length = 0;
  KeyCode key = 0;                 // Kind::Key
  ConsoleKeyPress press;           // Kind::Press
  char32_t codePoint = 0;          // Kind::Typed
  platform::CellPosition cursor;   // Kind::CursorReport
};

Token token(Token::Kind kind, std::size_t length) {
  Token t;
  t.kind = kind;
  t.length = length;
  return t;
}
Token incomplete() { return token(Token::Kind::Incomplete, 0); }
Token keyToken(KeyCode key, std::size_t length) {
  Token t = token(Token::Kind::Key, length);
  t.key = key;
  return t;
}
Token pressToken(const ConsoleKeyPress& press, std::size_t length) {
  Token t = token(Token::Kind::Press, length);
  t.press = press;
  return t;
}

KeyCode plainKey(uint8_t byte) {
  if (byte == kDelByte) return kBackspaceKey;
  if (byte == kLineFeedByte) return kEnterKey;
  return byte;
}

// UTF-8: the sequence length a lead byte announces (0 when it cannot lead), and the
// smallest code point each length may carry (shorter forms are invalid).
int utf8Length(uint8_t lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}
constexpr char32_t kSmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};

bool validCodePoint(char32_t cp, int length) {
  return cp >= kSmallestOfLength[length] && !(cp >= 0xD800 && cp <= 0xDFFF) && cp <= 0x10FFFF;
}

// A typed character; bytes that are not UTF-8 give one '?' each run.
Token typedCharacter(std::string_view bytes) {
  const int length = utf8Length(byteAt(bytes, 0));
  if (length == 0) return keyToken(kNoSuchCharacter, 1);
  char32_t cp = byteAt(bytes, 0) & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    if (static_cast<std::size_t>(i) >= bytes.size()) return incomplete();
    const uint8_t next = byteAt(bytes, i);
    if ((next & 0xC0) != 0x80) return keyToken(kNoSuchCharacter, i);
    cp = (cp << 6) | (next & 0x3F);
  }
  if (!validCodePoint(cp, length)) return keyToken(kNoSuchCharacter, length);
  Token t = token(Token::Kind::Typed, static_cast<std::size_t>(length));
  t.codePoint = cp;
  return t;
}

Token plainToken(std::string_view bytes, int codePage) {
  const uint8_t byte = byteAt(bytes, 0);
  if (byte < 0x80 || codePage == kUtf8CodePage) return keyToken(plainKey(byte), 1);
  return typedCharacter(bytes);
}

Token sequenceToken(std::string_view bytes, bool cursorReportExpected, uint32_t extraState) {
  const SequenceMatch match = matchSequence(bytes, cursorReportExpected);
  switch (match.status) {
    case SequenceMatch::Status::Incomplete: return incomplete();
    case SequenceMatch::Status::Key: {
      ConsoleKeyPress press = match.press;
      press.controlState |= extraState;
      return pressToken(press, match.length);
    }
    case SequenceMatch::Status::CursorReport: {
      Token t = token(Token::Kind::CursorReport, match.length);
      t.cursor = match.cursor;
      return t;
    }
    case SequenceMatch::Status::Overlong: return token(Token::Kind::Overlong, match.length);
    case SequenceMatch::Status::Unknown: break;
  }
  return token(Token::Kind::Dropped, match.length);
}

// ESC x is Alt+x: x a byte, a typed character, or (after a second ESC) a sequence.
Token altToken(std::string_view bytes, int codePage) {
  const uint8_t byte = byteAt(bytes, 1);
  if (byte == static_cast<uint8_t>(kEsc)) {
    if (bytes.size() == 2) return incomplete();
    if (startsSequence(bytes.substr(1))) {
      Token inner = sequenceToken(bytes.substr(1), false, keystate::kLeftAlt);
      if (inner.kind == Token::Kind::Incomplete) return inner;
      inner.length += 1;
      return inner;
    }
  }
  if (byte < 0x80 || codePage == kUtf8CodePage) {
    if (const auto press = altPressOf(byte)) return pressToken(*press, 2);
    return keyToken(plainKey(byte), 2);
  }
  Token character = typedCharacter(bytes.substr(1));  // Alt does not change a character
  if (character.kind != Token::Kind::Incomplete) character.length += 1;
  return character;
}

Token nextToken(std::string_view bytes, int codePage, bool cursorReportExpected) {
  if (bytes[0] != kEsc) return plainToken(bytes, codePage);
  if (bytes.size() == 1) return incomplete();
  if (startsSequence(bytes)) return sequenceToken(bytes, cursorReportExpected, 0);
  return altToken(bytes, codePage);
}

void queueToken(const Token& token, int codePage, KeyQueue& queue) {
  switch (token.kind) {
    case Token::Kind::Key: queue.push(token.key); break;
    case Token::Kind::Press:
      if (const auto key = nativeKeyCode(token.press)) queue.push(*key);
      break;
    case Token::Kind::Typed:
      for (const char byte : typedCharacterBytes(token.codePoint, codePage)) {
        queue.push(static_cast<uint8_t>(byte));
      }
      break;
    case Token::Kind::Incomplete:
    case Token::Kind::CursorReport:
    case Token::Kind::Dropped:
    case Token::Kind::Overlong: break;
  }
}

// A character cut short, with or without an ESC before it.
bool isPartialCharacter(std::string_view pending) {
  const std::size_t first = pending[0] == kEsc ? 1 : 0;
  return first < pending.size() && byteAt(pending, first) >= 0x80;
}

}  // namespace

void KeyDecoder::feed(std::string_view bytes, int64_t nowMs, int codePage, KeyQueue& queue) {
  if (nowMs - lastByteMs_ >= kEscapeQuietMs) {
    if (!pending_.empty()) flushTimedOut(queue);
    skippingSequence_ = false;  // what comes after a pause is typed anew
  }
  if (!bytes.empty()) {
    pending_.append(bytes);
    lastByteMs_ = nowMs;
  }
  decodePending(codePage, queue);
}

int KeyDecoder::msUntilDue(int64_t nowMs) const {
  if (pending_.empty()) return -1;
  return static_cast<int>(std::clamp<int64_t>(lastByteMs_ + kEscapeQuietMs - nowMs, 0, kEscapeQuietMs));
}

std::optional<platform::CellPosition> KeyDecoder::takeCursorReport() {
  std::optional<platform::CellPosition> report;
  report.swap(report_);
  return report;
}

void KeyDecoder::decodePending(int codePage, KeyQueue& queue) {
  std::size_t pos = 0;
  while (pos < pending_.size()) {
    if (skippingSequence_) {
      pos = skipSequenceRest(pos);
      continue;
    }
    const Token token = nextToken(std::string_view(pending_).substr(pos), codePage, expectingReport_);
    if (token.kind == Token::Kind::Incomplete) break;
    if (token.kind == Token::Kind::CursorReport) {
      report_ = token.cursor;
      expectingReport_ = false;
    }
    if (token.kind == Token::Kind::Overlong) skippingSequence_ = true;
    queueToken(token, codePage, queue);
    pos += token.length;
  }
  pending_.erase(0, pos);
}

// The rest of an overlong sequence, up to and with its final byte.
std::size_t KeyDecoder::skipSequenceRest(std::size_t pos) {
  const uint8_t byte = byteAt(pending_, pos);
  if (isSequenceBody(byte)) return pos + 1;
  skippingSequence_ = false;
  return isSequenceFinal(byte) ? pos + 1 : pos;
}

// Quiet after an incomplete start: a lone ESC is the Esc key, ESC and one byte that
// could have begun a sequence is Alt with that byte, a cut character is '?', and
// the rest of a cut sequence is dropped.
void KeyDecoder::flushTimedOut(KeyQueue& queue) {
  const std::string_view pending = pending_;
  if (pending == std::string_view(&kEsc, 1)) {
    queue.push(kEscKey);
  } else if (isPartialCharacter(pending)) {
    queue.push(kNoSuchCharacter);
  } else if (pending.size() == 2) {
    if (const auto press = altPressOf(byteAt(pending, 1))) {
      if (const auto key = nativeKeyCode(*press)) queue.push(*key);
    }
  }
  pending_.clear();
}

}  // namespace zemlar::posix
