// Reading and writing 32-bit numbers under one key of HKEY_CURRENT_USER.
#include "shell/win32/registry_store.h"

#include "shell/registry_number.h"

bool RegistryStore::OpenForReading() {
  Close();
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath_, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
    return false;
  }
  key_ = key;
  return true;
}

bool RegistryStore::OpenForWriting() {
  Close();
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath_, 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  key_ = key;
  return true;
}

std::optional<std::int32_t> RegistryStore::Read(const char* name) {
  BYTE bytes[sizeof(std::int32_t)] = {};
  DWORD size = sizeof bytes;
  if (RegQueryValueExA(key_, name, nullptr, nullptr, bytes, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return DecodeRegistryNumber(bytes, size);
}

void RegistryStore::Write(const char* name, std::int32_t value) {
  RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

void RegistryStore::Close() {
  if (key_ == nullptr) return;
  RegCloseKey(key_);
  key_ = nullptr;
}
