#include "settings/win/stored_password.h"

#include <windows.h>
#include <wincrypt.h>

#include <cstring>
#include <optional>

#include "base/win/ansi_text.h"
#include "settings/base64.h"

namespace {

// What the system hands back, freed with LocalFree; a password is wiped first.
class SystemBlob {
public:
  SystemBlob() = default;
  ~SystemBlob() {
    if (!blob.pbData) return;
    SecureZeroMemory(blob.pbData, blob.cbData);
    LocalFree(blob.pbData);
  }
  SystemBlob(const SystemBlob&) = delete;
  SystemBlob& operator=(const SystemBlob&) = delete;

  std::string_view Bytes() const { return {reinterpret_cast<const char*>(blob.pbData), blob.cbData}; }

  DATA_BLOB blob{};
};

DATA_BLOB BlobOf(std::string_view bytes) {
  return {static_cast<DWORD>(bytes.size()), reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data()))};
}

// A password is a zero-terminated text on its way to the device, so a zero ends it here too.
std::wstring_view UpToZero(std::wstring_view text) { return text.substr(0, text.find(L'\0')); }

std::wstring Protect(std::wstring_view password) {
  const std::string_view bytes(reinterpret_cast<const char*>(password.data()), password.size() * sizeof(wchar_t));
  DATA_BLOB plain = BlobOf(bytes);
  SystemBlob sealed;
  if (!CryptProtectData(&plain, L"Drovik", nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &sealed.blob))
    return {};
  return kProtectedPasswordPrefix + FromAnsi(EncodeBase64(sealed.Bytes()));
}

std::wstring Unprotect(std::wstring_view base64) {
  const std::optional<std::string> sealed = DecodeBase64(ToAnsi(base64));
  if (!sealed) return {};
  DATA_BLOB protectedBlob = BlobOf(*sealed);
  SystemBlob plain;
  if (!CryptUnprotectData(&protectedBlob, nullptr, nullptr, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN,
                          &plain.blob))
    return {};
  const std::string_view bytes = plain.Bytes();
  if (bytes.size() % sizeof(wchar_t) != 0) return {};
  std::wstring password(bytes.size() / sizeof(wchar_t), L'\0');
  std::memcpy(password.data(), bytes.data(), bytes.size());
  return std::wstring(UpToZero(password));
}

// The form written before protection: Base64 of the ANSI bytes.
std::wstring DecodeUnprotected(std::wstring_view stored) {
  const std::optional<std::string> bytes = DecodeBase64(ToAnsi(stored));
  if (!bytes) return {};
  return FromAnsi(std::string_view(*bytes).substr(0, bytes->find('\0')));
}

}  // namespace

std::wstring EncodeStoredPassword(std::wstring_view password) {
  // No password is kept as nothing, as it always was.
  const std::wstring_view kept = UpToZero(password);
  return kept.empty() ? std::wstring() : Protect(kept);
}

std::wstring DecodeStoredPassword(std::wstring_view stored) {
  const std::wstring_view prefix = kProtectedPasswordPrefix;
  if (stored.starts_with(prefix)) return Unprotect(stored.substr(prefix.size()));
  return DecodeUnprotected(stored);
}
