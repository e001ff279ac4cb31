// The chunked transfer coding of an HTTP/1.1 answer, decoded strictly. Chromium's inspector and
// proxies in front of other inspectors may answer in chunks; the target list is the joined data.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "error_chain.hpp"

namespace tavrik {

// Whether a response head (status line and header lines, without the blank line after them)
// announces a chunked body: the last coding of its Transfer-Encoding fields is "chunked".
bool head_announces_chunked(std::string_view head);

// Decodes a chunked body that grows while it is received. Each call is given the whole body
// received so far (the earlier bytes unchanged) and resumes where the previous call stopped, so
// reading a body in many pieces costs no more than decoding it once.
class ChunkedDecoder {
 public:
  // too_large: a chunk announces more bytes than the limit, so the answer could never fit in it.
  enum class State { incomplete, complete, malformed, too_large };

  explicit ChunkedDecoder(std::size_t size_limit) : size_limit_(size_limit) {}

  State advance(std::string_view body);

  State state() const { return state_; }
  // Once complete: the data of all chunks joined, and where the chunked body ends (after the
  // blank line that closes the trailers); bytes after that end are not part of the answer.
  const std::string& data() const { return data_; }
  std::size_t end() const { return position_; }
  // Once malformed: what is wrong, as the cause beneath "malformed chunked body from inspector".
  const std::string& fault() const { return fault_; }

 private:
  enum class Phase { size_line, data, data_end, trailer, done };

  State fail(std::string fault);

  std::size_t size_limit_;
  State state_ = State::incomplete;
  Phase phase_ = Phase::size_line;
  std::size_t position_ = 0;   // the first byte not yet consumed
  std::size_t line_scan_ = 0;  // where the search for the current line's end goes on
  std::size_t data_left_ = 0;  // bytes of the current chunk still to come
  std::string data_;
  std::string fault_;
};

// A whole chunked body, decoded; bytes after its end are ignored. A body that stops before its
// last chunk and the blank line after the trailers is malformed too. The errors are
// "malformed chunked body from inspector" with the fault beneath it, and, for a chunk larger than
// the limit, "inspector response exceeds {limit} bytes".
Result<std::string> decode_chunked_body(std::string_view body, std::size_t size_limit);

}  // namespace tavrik
