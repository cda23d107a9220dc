#include "about/about_window.h"

#include <array>
#include <string>
#include <vector>

#include "app/version.h"
#include "text/decimal_text.h"
#include "text/texts.h"

namespace duskfall {

const AboutFormDesign kAboutDesign{5730, 3555, 2340, 1935};

namespace {

constexpr std::array<AboutControlDesign, 9> kAboutControls{{
    {L"picIcon", AboutControlKind::kPicture, -1, TextId::kNone, {240, 240, 540, 540}, 1},
    {L"cmdOK", AboutControlKind::kButton, -1, TextId::kAboutOk, {4245, 2625, 1260, 345}, 0},
    {L"cmdSysInfo",
     AboutControlKind::kButton,
     -1,
     TextId::kAboutSysInfo,
     {4260, 3075, 1245, 345},
     2},
    {L"Line1", AboutControlKind::kLine, 1, TextId::kNone, {90, 2445, 5654, 2445}, -1},
    {L"lblDescription",
     AboutControlKind::kLabel,
     -1,
     TextId::kAboutDescription,
     {1050, 1125, 3885, 690},
     -1},
    {L"lblTitle", AboutControlKind::kLabel, -1, TextId::kNone, {1050, 240, 3885, 480}, -1},
    {L"Line1", AboutControlKind::kLine, 0, TextId::kNone, {105, 2460, 5654, 2460}, -1},
    {L"lblVersion", AboutControlKind::kLabel, -1, TextId::kNone, {1050, 780, 3885, 225}, -1},
    {L"lblDisclaimer",
     AboutControlKind::kLabel,
     -1,
     TextId::kAboutDisclaimer,
     {255, 2625, 3870, 825},
     -1},
}};

constexpr wchar_t kMsInfoKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr wchar_t kToolsLocationKey[] = L"SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr std::uint32_t kValueBufferSize = 1024;

wchar_t HexDigit(unsigned nibble) {
  return static_cast<wchar_t>(nibble < 10 ? L'0' + nibble : L'A' + (nibble - 10));
}

// A byte in uppercase hexadecimal without a leading zero.
std::wstring ByteHex(std::uint8_t byte) {
  std::wstring digits;
  if (byte >= 16) digits += HexDigit(byte >> 4);
  digits += HexDigit(byte & 0x0F);
  return digits;
}

}  // namespace

std::span<const AboutControlDesign> AboutControlDesigns() { return kAboutControls; }

FrmAbout::FrmAbout(FormWindow& self, const AboutControls& controls, Registry registry,
                   SystemApi& system, Dialogs& dialogs)
    : self_(self), c_(controls), registry_(registry), system_(system), dialogs_(dialogs) {}

void FrmAbout::Form_Load() {
  self_.SetCaption(Text(TextId::kAboutCaption));
  c_.lblVersion->SetText(Fill(Text(TextId::kAboutVersion), DecimalText(kVersionMajor) + L"." +
                                                               DecimalText(kVersionMinor) + L"." +
                                                               DecimalText(kVersionRevision)));
  c_.lblTitle->SetText(kAppTitle);
}

void FrmAbout::cmdOK_Click() { self_.Unload(); }

void FrmAbout::cmdSysInfo_Click() { StartSysInfo(registry_, system_, dialogs_); }

std::optional<bool> GetKeyValue(Registry registry, RegKey keyRoot, const std::wstring& keyName,
                                const std::wstring& subKeyRef, std::wstring& keyVal) {
  RegKey key = 0;
  // Read rights only: users who may not write the machine's keys can still read them.
  if (registry.api.RegOpenKeyExA(keyRoot, registry.ansi.ToAnsi(keyName), 0, kKeyRead, &key) !=
      kErrorSuccess) {
    keyVal.clear();
    return false;
  }
  std::vector<std::uint8_t> buffer(kValueBufferSize, 0);
  std::uint32_t size = kValueBufferSize;
  std::uint32_t type = 0;
  const std::int32_t status = registry.api.RegQueryValueExA(key, registry.ansi.ToAnsi(subKeyRef),
                                                            &type, buffer.data(), &size);
  std::optional<bool> result = true;
  if (status != kErrorSuccess) {
    keyVal.clear();
    result = false;
  } else if (size == 0 || size > kValueBufferSize) {
    result = std::nullopt;  // nothing to take as text
  } else {
    // The terminating zero of a text value goes; data without one keeps every byte.
    const std::uint32_t kept = buffer[size - 1] == 0 ? size - 1 : size;
    if (type == kRegSz) {
      keyVal = registry.ansi.FromAnsi(
          std::string_view(reinterpret_cast<const char*>(buffer.data()), kept));
    } else if (type == kRegDword) {
      std::wstring digits = keyVal;
      for (std::uint32_t i = kept; i > 0; --i) digits += ByteHex(buffer[i - 1]);
      keyVal = L"&h" + digits;
    }
  }
  registry.api.RegCloseKey(key);
  return result;
}

void StartSysInfo(Registry registry, SystemApi& system, Dialogs& dialogs) {
  std::wstring path;
  bool started = false;
  std::optional<bool> found = GetKeyValue(registry, kHkeyLocalMachine, kMsInfoKey, L"PATH", path);
  if (found && *found) {
    started = system.StartProgram(path);
  } else if (found) {
    found = GetKeyValue(registry, kHkeyLocalMachine, kToolsLocationKey, L"MSINFO", path);
    if (found && *found && system.FileExists(path + L"\\MSINFO32.EXE")) {
      started = system.StartProgram(path + L"\\MSINFO32.EXE");
    }
  }
  if (!started) dialogs.ShowMessage(Text(TextId::kMsgSysInfoUnavailable), kMbOk, kAppTitle);
}

}  // namespace duskfall
