// The error value that travels back to the process entry, and its printed report.
#pragma once

#include <cassert>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tavrik {

// An outermost message and the causes beneath it, innermost last.
class Error {
 public:
  explicit Error(std::string message) { chain_.push_back(std::move(message)); }

  // Puts a layer's own context in front; the former outermost message becomes the first cause.
  Error context(std::string outer) && {
    chain_.insert(chain_.begin(), std::move(outer));
    return std::move(*this);
  }

  const std::string& message() const { return chain_.front(); }
  std::span<const std::string> causes() const {
    return std::span<const std::string>(chain_).subspan(1);
  }

 private:
  std::vector<std::string> chain_;
};

// A value or an error chain. Small on purpose: the tool needs no more than this.
template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value)
      : state_(std::in_place_index<0>, std::move(value)) {}  // NOLINT: implicit by design
  Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}  // NOLINT

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  T& value() & {
    assert(ok());
    return std::get<0>(state_);
  }
  const T& value() const& {
    assert(ok());
    return std::get<0>(state_);
  }
  T&& value() && {
    assert(ok());
    return std::get<0>(std::move(state_));
  }
  const Error& error() const& {
    assert(!ok());
    return std::get<1>(state_);
  }
  Error&& error() && {
    assert(!ok());
    return std::get<1>(std::move(state_));
  }

 private:
  std::variant<T, Error> state_;
};

struct Success {};
using Status = Result<Success>;
inline Status success() { return Success{}; }

// The report printed on standard error: "Error: " and the outermost message, then the causes.
std::string format_error_report(const Error& error);

}  // namespace tavrik
