#include "fakes/fake_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <sstream>

namespace duskfall::testing {

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return text;
}

std::vector<std::string> Split(const std::string& path) {
  std::vector<std::string> parts;
  std::stringstream stream(path);
  std::string part;
  while (std::getline(stream, part, '\\')) {
    if (!part.empty()) parts.push_back(Lower(part));
  }
  return parts;
}

}  // namespace

FakeRegistry::FakeRegistry() : machine_(std::make_unique<Key>()) {}

FakeRegistry::Key* FakeRegistry::Find(Key* from, const std::string& path) const {
  Key* key = from;
  for (const std::string& part : Split(path)) {
    if (key == nullptr) return nullptr;
    const auto found = key->subKeys.find(part);
    key = found == key->subKeys.end() ? nullptr : found->second.get();
  }
  return key;
}

FakeRegistry::Key* FakeRegistry::FindRoot(RegKey root) const {
  if (root == kHkeyLocalMachine) return machine_.get();
  const auto handle = handles_.find(root);
  return handle == handles_.end() ? nullptr : handle->second.key;
}

FakeRegistry::Key* FakeRegistry::Create(const std::string& path) {
  Key* key = machine_.get();
  for (const std::string& part : Split(path)) {
    auto& slot = key->subKeys[part];
    if (!slot) slot = std::make_unique<Key>();
    key = slot.get();
  }
  return key;
}

void FakeRegistry::CreateKey(const std::string& keyPath) { Create(keyPath); }

void FakeRegistry::PutValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                            const std::vector<std::uint8_t>& data) {
  Create(keyPath)->values[Lower(name)] = Value{type, data};
}

void FakeRegistry::PutString(const std::string& keyPath, const std::string& name,
                             const std::string& text) {
  std::vector<std::uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  PutValue(keyPath, name, kRegSz, data);
}

bool FakeRegistry::HasKey(const std::string& keyPath) const {
  return Find(machine_.get(), keyPath) != nullptr;
}

bool FakeRegistry::HasValue(const std::string& keyPath, const std::string& name) const {
  const Key* key = Find(machine_.get(), keyPath);
  return key != nullptr && key->values.count(Lower(name)) != 0;
}

std::uint32_t FakeRegistry::ValueType(const std::string& keyPath, const std::string& name) const {
  return Find(machine_.get(), keyPath)->values.at(Lower(name)).type;
}

std::vector<std::uint8_t> FakeRegistry::ValueData(const std::string& keyPath,
                                                  const std::string& name) const {
  return Find(machine_.get(), keyPath)->values.at(Lower(name)).data;
}

std::string FakeRegistry::StringValue(const std::string& keyPath, const std::string& name) const {
  std::vector<std::uint8_t> data = ValueData(keyPath, name);
  if (!data.empty() && data.back() == 0) data.pop_back();
  return std::string(data.begin(), data.end());
}

void FakeRegistry::DenyWrite(const std::string& keyPath) { Create(keyPath)->writeDenied = true; }

void FakeRegistry::DenyCreateUnder(const std::string& keyPath) {
  Key* key = keyPath.empty() ? machine_.get() : Create(keyPath);
  key->createDenied = true;
}

RegKey FakeRegistry::NewHandle(Key* key, std::uint32_t access) {
  const RegKey handle = nextHandle_;
  nextHandle_ += 4;
  handles_[handle] = Handle{key, access};
  return handle;
}

std::int32_t FakeRegistry::RegOpenKeyExA(RegKey root, const std::string& subKey,
                                         std::uint32_t /*options*/, std::uint32_t access,
                                         RegKey* result) {
  if (log_ != nullptr) log_->Add("RegOpenKeyExA " + subKey);
  requestedAccess.push_back(access);
  *result = 0;
  Key* from = FindRoot(root);
  if (from == nullptr) return kErrorInvalidHandle;
  Key* key = Find(from, subKey);
  if (key == nullptr) return kErrorFileNotFound;
  // Any right beyond reading is refused on a read-only key.
  if (key->writeDenied && (access & ~kKeyRead) != 0) return kErrorAccessDenied;
  *result = NewHandle(key, access);
  return kErrorSuccess;
}

std::int32_t FakeRegistry::RegCreateKeyExA(RegKey root, const std::string& subKey,
                                           std::uint32_t /*options*/, std::uint32_t access,
                                           RegKey* result, std::uint32_t* disposition) {
  if (log_ != nullptr) log_->Add("RegCreateKeyExA " + subKey);
  requestedAccess.push_back(access);
  *result = 0;
  Key* key = FindRoot(root);
  if (key == nullptr) return kErrorInvalidHandle;
  bool created = false;
  for (const std::string& part : Split(subKey)) {
    auto found = key->subKeys.find(part);
    if (found == key->subKeys.end()) {
      if (key->createDenied || key->writeDenied) return kErrorAccessDenied;
      found = key->subKeys.emplace(part, std::make_unique<Key>()).first;
      created = true;
    }
    key = found->second.get();
  }
  if (key->writeDenied && (access & ~kKeyRead) != 0) return kErrorAccessDenied;
  *disposition = created ? 1 : 2;  // REG_CREATED_NEW_KEY, REG_OPENED_EXISTING_KEY
  *result = NewHandle(key, access);
  return kErrorSuccess;
}

std::int32_t FakeRegistry::RegQueryValueExA(RegKey key, const std::string& valueName,
                                            std::uint32_t* type, std::uint8_t* data,
                                            std::uint32_t* size) {
  if (log_ != nullptr) log_->Add("RegQueryValueExA " + valueName);
  const auto handle = handles_.find(key);
  if (handle == handles_.end()) return kErrorInvalidHandle;
  if ((handle->second.access & kKeyQueryValue) == 0) return kErrorAccessDenied;
  const auto found = handle->second.key->values.find(Lower(valueName));
  if (found == handle->second.key->values.end()) return kErrorFileNotFound;
  const Value& value = found->second;
  if (type != nullptr) *type = value.type;
  const auto needed = static_cast<std::uint32_t>(value.data.size());
  if (data == nullptr) {
    *size = needed;
    return kErrorSuccess;
  }
  if (*size < needed) {
    *size = needed;
    return kErrorMoreData;
  }
  std::copy(value.data.begin(), value.data.end(), data);
  *size = needed;
  return kErrorSuccess;
}

std::int32_t FakeRegistry::RegSetValueExA(RegKey key, const std::string& valueName,
                                          std::uint32_t type, const std::uint8_t* data,
                                          std::uint32_t size) {
  if (log_ != nullptr) log_->Add("RegSetValueExA " + valueName);
  const auto handle = handles_.find(key);
  if (handle == handles_.end()) return kErrorInvalidHandle;
  if ((handle->second.access & kKeySetValue) == 0) return kErrorAccessDenied;
  handle->second.key->values[Lower(valueName)] =
      Value{type, std::vector<std::uint8_t>(data, data + size)};
  return kErrorSuccess;
}

std::int32_t FakeRegistry::RegCloseKey(RegKey key) {
  if (log_ != nullptr) log_->Add("RegCloseKey");
  return handles_.erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

}  // namespace duskfall::testing
