// The About window: title, version, description and a notice, and the launcher of the
// system's information tool.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "app/design.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/system_api.h"
#include "settings/registry_routines.h"
#include "text/texts.h"

namespace duskfall {

struct AboutFormDesign {
  int clientWidthTwips;
  int clientHeightTwips;
  int screenLeftTwips;  // the client area's top-left corner on the screen
  int screenTopTwips;
};

enum class AboutControlKind { kPicture, kButton, kLine, kLabel };

struct AboutControlDesign {
  const wchar_t* name;
  AboutControlKind kind;
  int index;  // -1 for a single control
  TextId text;
  TwipsRect position;  // lines: x1, y1 in left/top and x2, y2 in width/height
  int tabIndex;        // -1 when the control takes no focus
};

extern const AboutFormDesign kAboutDesign;
std::span<const AboutControlDesign> AboutControlDesigns();

// The labels that Form_Load fills.
struct AboutControls {
  Control* lblTitle = nullptr;
  Control* lblVersion = nullptr;
};

class FrmAbout {
 public:
  FrmAbout(FormWindow& self, const AboutControls& controls, Registry registry, SystemApi& system,
           Dialogs& dialogs);

  void Form_Load();
  void cmdOK_Click();
  void cmdSysInfo_Click();

 private:
  FormWindow& self_;
  AboutControls c_;
  Registry registry_;
  SystemApi& system_;
  Dialogs& dialogs_;
};

// Reads a value as text for the About window: true when it was read; false, with keyVal
// emptied, when the key or value could not be read; no result when the value holds no data.
std::optional<bool> GetKeyValue(Registry registry, RegKey keyRoot, const std::wstring& keyName,
                                const std::wstring& subKeyRef, std::wstring& keyVal);

// Starts the system information tool, or says that it is unavailable.
void StartSysInfo(Registry registry, SystemApi& system, Dialogs& dialogs);

}  // namespace duskfall
