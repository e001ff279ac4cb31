#include "chunked_body.hpp"

#include <algorithm>
#include <limits>

#include "ascii.hpp"
#include "http_head.hpp"

namespace tavrik {

namespace {

using ascii::hex_value;

bool is_control(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte < 0x20 && c != '\t') || byte == 0x7f;
}

bool is_token_char(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte <= 0x20 || byte >= 0x7f) return false;
  return std::string_view("\"(),/:;<=>?@[\\]{}").find(c) == std::string_view::npos;
}

}  // namespace

bool head_announces_chunked(std::string_view head) {
  // Only the last coding counts: "gzip, chunked" ends in chunks, "chunked, gzip" does not.
  std::string_view last;
  http::for_each_field(head, [&](std::string_view name, std::string_view value) {
    if (!ascii::iequals(name, "transfer-encoding")) return true;
    while (!value.empty()) {
      const auto comma = value.find(',');
      const std::string_view coding = ascii::trim_blanks(value.substr(0, comma));
      if (!coding.empty()) last = coding;
      value = comma == std::string_view::npos ? std::string_view{} : value.substr(comma + 1);
    }
    return true;
  });
  return ascii::iequals(last, "chunked");
}

ChunkedDecoder::State ChunkedDecoder::fail(std::string fault) {
  fault_ = std::move(fault);
  state_ = State::malformed;
  return state_;
}

ChunkedDecoder::State ChunkedDecoder::advance(std::string_view body) {
  while (state_ == State::incomplete) {
    switch (phase_) {
      case Phase::size_line:
      case Phase::trailer: {
        const auto line_feed = body.find('\n', std::max(line_scan_, position_));
        if (line_feed == std::string_view::npos) {
          line_scan_ = body.size();
          return state_;
        }
        const std::size_t line_start = position_;
        std::string_view line = body.substr(line_start, line_feed - line_start);
        // Built only for a fault: a body of millions of small chunks must not pay for it.
        const auto at = [line_start] {
          return " at byte " + std::to_string(line_start) + " of the body";
        };
        if (!line.ends_with('\r')) {
          return fail((phase_ == Phase::size_line ? "chunk size line" : "trailer line") + at() +
                      " does not end in CR LF");
        }
        line.remove_suffix(1);
        position_ = line_feed + 1;
        line_scan_ = position_;
        if (phase_ == Phase::trailer) {
          if (line.empty()) {
            phase_ = Phase::done;
            state_ = State::complete;
            break;
          }
          const auto colon = line.find(':');
          bool valid = colon != std::string_view::npos && colon > 0;
          for (std::size_t i = 0; valid && i < colon; ++i) valid = is_token_char(line[i]);
          for (std::size_t i = colon + 1; valid && i < line.size(); ++i)
            valid = !is_control(line[i]);
          if (!valid) return fail("invalid trailer line" + at());
          break;
        }
        std::size_t digits = 0;
        std::size_t size = 0;
        bool overflow = false;
        for (; digits < line.size() && hex_value(line[digits]) >= 0; ++digits) {
          if (size > (std::numeric_limits<std::size_t>::max() - 15) / 16) overflow = true;
          if (!overflow) size = size * 16 + static_cast<std::size_t>(hex_value(line[digits]));
        }
        std::string_view rest = line.substr(digits);
        while (!rest.empty() && ascii::is_blank(rest.front())) rest.remove_prefix(1);
        bool valid = digits > 0 && (rest.empty() || rest.front() == ';');
        // An extension is read past, whatever it says, but it may not carry control bytes.
        for (char c : rest) valid = valid && !is_control(c);
        if (!valid) return fail("invalid chunk size line" + at());
        if (overflow || size > size_limit_) {
          state_ = State::too_large;
          return state_;
        }
        if (size == 0) {
          phase_ = Phase::trailer;
        } else {
          data_left_ = size;
          phase_ = Phase::data;
        }
        break;
      }
      case Phase::data: {
        const std::size_t take = std::min(data_left_, body.size() - position_);
        data_.append(body.substr(position_, take));
        position_ += take;
        data_left_ -= take;
        if (data_left_ > 0) return state_;
        phase_ = Phase::data_end;
        break;
      }
      case Phase::data_end: {
        const std::string_view after = body.substr(position_, 2);
        if (after.size() < 2 && std::string_view("\r\n").starts_with(after)) return state_;
        if (after != "\r\n") {
          return fail("chunk data is not followed by CR LF at byte " + std::to_string(position_) +
                      " of the body");
        }
        position_ += 2;
        line_scan_ = position_;
        phase_ = Phase::size_line;
        break;
      }
      case Phase::done:
        state_ = State::complete;
        break;
    }
  }
  return state_;
}

Result<std::string> decode_chunked_body(std::string_view body, std::size_t size_limit) {
  ChunkedDecoder decoder(size_limit);
  switch (decoder.advance(body)) {
    case ChunkedDecoder::State::complete:
      return decoder.data();
    case ChunkedDecoder::State::too_large:
      return Error("inspector response exceeds " + std::to_string(size_limit) + " bytes");
    case ChunkedDecoder::State::malformed:
      return Error(decoder.fault()).context("malformed chunked body from inspector");
    case ChunkedDecoder::State::incomplete:
      break;
  }
  return Error("the body ends before the last chunk")
      .context("malformed chunked body from inspector");
}

}  // namespace tavrik
