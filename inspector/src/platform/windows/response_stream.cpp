#include "response_stream.hpp"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstring>
#include <limits>

#include "win32_text.hpp"

namespace tavrik::webview2 {

namespace {

// IAgileObject: the stream may be used from any thread (WebView2 reads response streams on a
// thread of its own); the count and the position are atomic, the bytes never change.
constexpr GUID iid_agile_object = {
    0x94ea2b94, 0xe9cc, 0x49e0, {0xc0, 0xff, 0xee, 0x64, 0xca, 0x8f, 0x5b, 0x90}};

// COM objects are destroyed by Release, never through a pointer to the interface.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class ConstantStream final : public IStream {
 public:
  ConstantStream(std::span<const std::uint8_t> bytes, std::uint64_t position)
      : bytes_(bytes), position_(position) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_ISequentialStream || iid == IID_IStream ||
        iid == iid_agile_object) {
      *object = static_cast<IStream*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }

  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }

  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG wanted, ULONG* read) override {
    if (read != nullptr) *read = 0;
    if (buffer == nullptr && wanted != 0) return STG_E_INVALIDPOINTER;
    // Take the range first, so that two readers never get the same bytes.
    std::uint64_t at = position_.load();
    std::uint64_t end = 0;
    do {
      const std::uint64_t left = at < bytes_.size() ? bytes_.size() - at : 0;
      end = at + std::min<std::uint64_t>(wanted, left);
    } while (!position_.compare_exchange_weak(at, end));
    const auto count = static_cast<ULONG>(end - at);
    if (count != 0) std::memcpy(buffer, bytes_.data() + at, count);
    if (read != nullptr) *read = count;
    // S_FALSE only for the end with nothing read: a reader that stops at S_FALSE must not lose
    // the last piece of the body.
    return count != 0 || wanted == 0 ? S_OK : S_FALSE;
  }

  HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG* written) override {
    if (written != nullptr) *written = 0;
    return STG_E_ACCESSDENIED;
  }

  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin,
                                 ULARGE_INTEGER* new_position) override {
    std::uint64_t at = position_.load();
    std::uint64_t target = 0;
    do {
      std::int64_t base = 0;
      switch (origin) {
        case STREAM_SEEK_SET:
          base = 0;
          break;
        case STREAM_SEEK_CUR:
          base = static_cast<std::int64_t>(at);
          break;
        case STREAM_SEEK_END:
          base = static_cast<std::int64_t>(bytes_.size());
          break;
        default:
          return STG_E_INVALIDFUNCTION;
      }
      const std::int64_t offset = move.QuadPart;
      if ((offset < 0 && base < -offset) ||
          (offset > 0 && base > std::numeric_limits<std::int64_t>::max() - offset)) {
        return STG_E_INVALIDFUNCTION;
      }
      // Past the end is allowed, as for any stream; reading there gives nothing.
      target = static_cast<std::uint64_t>(base + offset);
    } while (!position_.compare_exchange_weak(at, target));
    if (new_position != nullptr) new_position->QuadPart = target;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return STG_E_ACCESSDENIED; }

  HRESULT STDMETHODCALLTYPE CopyTo(IStream* target, ULARGE_INTEGER wanted, ULARGE_INTEGER* read,
                                   ULARGE_INTEGER* written) override {
    if (read != nullptr) read->QuadPart = 0;
    if (written != nullptr) written->QuadPart = 0;
    if (target == nullptr) return STG_E_INVALIDPOINTER;
    std::uint64_t left = wanted.QuadPart;
    std::uint64_t total_read = 0;
    std::uint64_t total_written = 0;
    HRESULT result = S_OK;
    std::uint8_t buffer[64 * 1024];
    while (left != 0) {
      ULONG got = 0;
      const auto piece = static_cast<ULONG>(std::min<std::uint64_t>(left, sizeof buffer));
      Read(buffer, piece, &got);
      if (got == 0) break;
      total_read += got;
      left -= got;
      ULONG put = 0;
      result = target->Write(buffer, got, &put);
      total_written += put;
      if (FAILED(result)) break;
    }
    if (read != nullptr) read->QuadPart = total_read;
    if (written != nullptr) written->QuadPart = total_written;
    return FAILED(result) ? result : S_OK;
  }

  HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Revert() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }

  HRESULT STDMETHODCALLTYPE Stat(STATSTG* statistics, DWORD) override {
    if (statistics == nullptr) return STG_E_INVALIDPOINTER;
    *statistics = STATSTG{};
    statistics->type = STGTY_STREAM;
    statistics->cbSize.QuadPart = bytes_.size();
    statistics->grfMode = STGM_READ | STGM_SHARE_DENY_WRITE;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE Clone(IStream** copy) override {
    if (copy == nullptr) return STG_E_INVALIDPOINTER;
    *copy = new ConstantStream(bytes_, position_.load());
    return S_OK;
  }

 private:
  ~ConstantStream() = default;

  const std::span<const std::uint8_t> bytes_;
  std::atomic<std::uint64_t> position_;
  std::atomic<ULONG> references_{1};
};
#pragma GCC diagnostic pop

}  // namespace

IStream* new_constant_stream(std::span<const std::uint8_t> bytes) {
  return new ConstantStream(bytes, 0);
}

const wchar_t* reason_phrase(std::uint16_t status) {
  switch (status) {
    case 200:
      return L"OK";
    case 404:
      return L"Not Found";
    default:
      return L"";
  }
}

std::wstring response_headers(std::string_view content_type) {
  return L"Content-Type: " + win32::to_wide_lossy(content_type);
}

}  // namespace tavrik::webview2
