// The claim on a settings file when its name is already taken by something
// this start cannot open.
#include "ui/SingleInstance.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "TestFolder.h"

namespace {

// The claim's object name, read from a bar marked with it: other starts find it by that name.
std::wstring claimName(const std::string& settings) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  SingleInstance(settings).markBar(window);
  const auto key = reinterpret_cast<std::uintptr_t>(GetPropW(window, L"Vexmoor.SettingsFile"));
  SingleInstance::unmarkBar(window);
  DestroyWindow(window);
  wchar_t name[64];
  std::swprintf(name, 64, L"Local\\Vexmoor.Settings.%016llx", static_cast<unsigned long long>(key));
  return name;
}

// A mutex nobody may open: the claim of a player started with other rights.
HANDLE deniedMutex(const std::wstring& name) {
  SECURITY_DESCRIPTOR descriptor;
  InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  static ACL noAccess;
  InitializeAcl(&noAccess, sizeof noAccess, ACL_REVISION);
  SetSecurityDescriptorDacl(&descriptor, TRUE, &noAccess, FALSE);
  SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};
  return CreateMutexW(&attributes, FALSE, name.c_str());
}

TEST(SingleInstanceTest, AClaimThatWillNotOpenIsHeldAndAnyOtherObjectOfItsNameIsNot) {
  const TestFolder folder;
  const std::string settings = folder.join("tovik.def");
  const std::wstring name = claimName(settings);
  ASSERT_NE(name, claimName(folder.folder("other") + "\\tovik.def"));
  struct Case {
    const char* holder;
    HANDLE (*make)(const std::wstring&);
    bool claimed;
  };
  const Case cases[] = {
      {"a mutex without access", &deniedMutex, false},
      {"an event", [](const std::wstring& name) { return CreateEventW(nullptr, TRUE, FALSE, name.c_str()); }, true},
  };
  for (const Case& c : cases) {
    HANDLE held = c.make(name);
    ASSERT_NE(held, nullptr) << c.holder;
    EXPECT_EQ(SingleInstance(settings).claimed(), c.claimed) << c.holder;
    CloseHandle(held);
  }
  EXPECT_TRUE(SingleInstance(settings).claimed());
}

}  // namespace
