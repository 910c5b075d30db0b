// The version check of the real program against a small HTTP server on 127.0.0.1: the question
// at start-up and on the button, an equal date, keys below a section, a failed download. Web
// addresses open in a stand-in browser that only writes down what it was asked to open.
#include <gtest/gtest.h>

#include "tests/e2e/harness/harness.h"
#include "tests/e2e/installer.h"
#include "tests/win32/tiny_http_server.h"

namespace zebo::e2e {
namespace {

constexpr DWORD kStartLimit = 30000;
constexpr DWORD kLimit = 15000;
constexpr int kCheckButton = 16;
constexpr int kLog = 101;
constexpr int32_t kPackageDate = 1330596000;  // 01/03/2012 10:00
const wchar_t kNewer[] = L"Nouvelle version disponible ! Voulez-vous la t\u00E9l\u00E9charger ?";
const wchar_t kNothingNew[] = L"Pas de nouvelle version d\u00E9tect\u00E9e ! ";
const wchar_t kNoDownload[] = L"Impossible d'acc\u00E9der au fichier, de version, distant !";
const std::string kFile = "/zebo/bloc-1.0.vzbVZB";  // "Bloc" in version 1.0, lower-cased
const wchar_t* const kProtocols[] = {L"http", L"https"};

std::wstring Installer(const std::wstring& name, const std::string& versionUrl) {
  PackageInfo info;
  info.ApplicationName = "Bloc";
  info.ApplicationVersion = "1.0";
  info.ScriptName = "Bloc";
  info.Date = kPackageDate;
  info.VersionUrl = versionUrl;
  info.Flags = InfoVersionButton | InfoCheckAtStart;
  return WriteInstaller(name, info, {"2019"},
                        {PackageEntry("Bloc.jss", "Script A ()\r\nEndScript\r\n")});
}

std::wstring Wide(const std::string& ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

class VersionCheckE2E : public ::testing::Test {
 protected:
  // Web addresses go to the stand-in browser for the time of the test.
  void SetUp() override {
    ASSERT_FALSE(TestSettings().outDir.empty());
    const std::wstring zebo = TestSettings().zeboExe;
    const std::wstring browser = zebo.substr(0, zebo.find_last_of(L'\\') + 1) + L"browser.exe";
    record_ = TestSettings().outDir + L"\\opened-addresses.txt";
    ::DeleteFileW(record_.c_str());
    const std::wstring command = L"\"" + browser + L"\" \"" + record_ + L"\" \"%1\"";
    for (const wchar_t* protocol : kProtocols) {
      std::wstring old;
      ASSERT_TRUE(SwapHandler(protocol, command, old));
      saved_.push_back(old);
    }
  }
  void TearDown() override {
    for (size_t i = 0; i < saved_.size(); ++i) {
      std::wstring ignored;
      SwapHandler(kProtocols[i], saved_[i], ignored);
    }
  }

  // The addresses the program had opened so far, one per line.
  std::string Opened() const { return ReadBytes(record_); }

  static bool SwapHandler(const wchar_t* protocol, const std::wstring& command, std::wstring& old) {
    const std::wstring path =
        std::wstring(L"Software\\Classes\\") + protocol + L"\\shell\\open\\command";
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key,
                          nullptr) != ERROR_SUCCESS) {
      return false;
    }
    wchar_t value[2048] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    if (::RegQueryValueExW(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
        ERROR_SUCCESS) {
      old = value;
    }
    // An empty command takes the value away again (a machine that had no handler).
    const bool set =
        command.empty()
            ? ::RegDeleteValueW(key, nullptr) == ERROR_SUCCESS
            : ::RegSetValueExW(
                  key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                  static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return set;
  }

  std::wstring record_;
  std::vector<std::wstring> saved_;
};

HWND MainWindow(const Program& program) {
  return program.WaitForWindow(L"ZeBo pour Bloc", L"", kStartLimit);
}

// Moves the focus with Tab to the version-check button and presses it with the space bar.
bool PressCheckButton(HWND main) {
  for (int i = 0; i < 30 && FocusedControlId(main) != kCheckButton; ++i) {
    if (!PressKeyIn(main, VK_TAB)) return false;
  }
  if (FocusedControlId(main) != kCheckButton) return false;
  return PressKeyIn(main, VK_SPACE);
}

void Screenshot(HWND window, const std::wstring& name) {
  EXPECT_TRUE(SaveScreenshot(window, TestSettings().outDir + L"\\" + name + L".bmp"))
      << name.c_str();
}

TEST_F(VersionCheckE2E, ANewerEditionOpensItsAddressAndEndsTheProgramOnlyFromTheButton) {
  TinyServer server(std::map<std::string, std::string>{});
  const std::string address = server.Url("/new");
  server.SetBody(kFile, "Name New Version=" + address + "\r\nNew Date=01/03/2012 10:01\r\n");
  Program zebo;
  ASSERT_TRUE(zebo.Start(Installer(L"version-newer.exe", server.Url("/zebo"))));

  // At start-up the question comes with Yes focused; Yes opens the address, the wizard goes on.
  HWND box = zebo.WaitForMessageBox(L"Info", kStartLimit);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), kNewer);
  EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(box) == IDYES; }, kLimit));
  Screenshot(box, L"version-newer-at-start");
  ASSERT_TRUE(PressKeyIn(box, VK_RETURN));
  EXPECT_TRUE(WaitUntil([&] { return Opened() == address + "\r\n"; }, kLimit)) << Opened();
  HWND main = MainWindow(zebo);
  ASSERT_NE(main, nullptr);
  // The start-up focus still reaches the Next button of the description page.
  EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(main) == 2; }, kLimit))
      << FocusedControlId(main);
  ASSERT_TRUE(zebo.Running());
  const std::wstring log = ControlText(main, kLog);
  EXPECT_NE(log.find(L" URL FileVersion = " + Wide(server.Url(kFile))), std::wstring::npos) << log;
  EXPECT_NE(log.find(L" New File = " + Wide(address)), std::wstring::npos);
  EXPECT_NE(log.find(L" New Date : 01/03/2012 10:01"), std::wstring::npos);

  // On the button, No: nothing opens and the wizard stays, the focus back on the button.
  ASSERT_TRUE(PressCheckButton(main));
  box = zebo.WaitForMessageBox(L"Info", kLimit);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), kNewer);
  ASSERT_TRUE(PressKeyIn(box, VK_TAB));
  EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(box) == IDNO; }, kLimit));
  ASSERT_TRUE(PressKeyIn(box, VK_SPACE));
  EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(main) == kCheckButton; }, kLimit))
      << FocusedControlId(main);
  ASSERT_TRUE(zebo.Running());
  EXPECT_EQ(Opened(), address + "\r\n");

  // On the button, Yes: the address opens and the program ends.
  ASSERT_TRUE(PressCheckButton(main));
  box = zebo.WaitForMessageBox(L"Info", kLimit);
  ASSERT_NE(box, nullptr);
  Screenshot(box, L"version-newer-on-button");
  ASSERT_TRUE(PressKeyIn(box, VK_RETURN));
  EXPECT_EQ(zebo.Wait(kLimit), std::optional<DWORD>(0));
  EXPECT_TRUE(WaitUntil([&] { return Opened() == address + "\r\n" + address + "\r\n"; }, kLimit))
      << Opened();
  // Every check fetched the file afresh.
  EXPECT_EQ(server.Requests(), 3);
}

// The address comes from the network: a newer edition that names a program is never started.
TEST_F(VersionCheckE2E, ANewerEditionThatIsNoWebAddressIsNotOpened) {
  const std::string program = "C:\\windows\\system32\\notepad.exe";
  TinyServer server(std::map<std::string, std::string>{
      {kFile, "Name New Version=" + program + "\r\nNew Date=01/03/2012 10:01\r\n"}});
  Program zebo;
  ASSERT_TRUE(zebo.Start(Installer(L"version-program.exe", server.Url("/zebo"))));
  HWND box = zebo.WaitForMessageBox(L"Info", kStartLimit);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), kNewer);
  ASSERT_TRUE(PressKeyIn(box, VK_RETURN));  // Yes
  HWND main = MainWindow(zebo);
  ASSERT_NE(main, nullptr);
  const std::wstring refused = L"! Not opened, not an http or https address : " + Wide(program);
  EXPECT_TRUE(WaitUntil([&] { return ControlText(main, kLog).find(refused) != std::wstring::npos; },
                        kLimit))
      << ControlText(main, kLog);
  EXPECT_TRUE(zebo.Running());
  ::Sleep(1000);
  EXPECT_EQ(::FindWindowW(L"Notepad", nullptr), nullptr);
  EXPECT_EQ(Opened(), "");
}

TEST_F(VersionCheckE2E, NothingNewerOrNoFileIsSaidOnTheButtonOnly) {
  struct Case {
    const wchar_t* name;
    std::string body;  // empty: not served
    const wchar_t* title;
    const wchar_t* text;
    const wchar_t* lastLogLine;
  } cases[] = {
      {L"version-equal", "Name New Version=http://127.0.0.1/new\r\nNew Date=01/03/2012 10:00\r\n",
       L"Info", kNothingNew, L" No new version !"},
      {L"version-section",
       "[Version]\r\nName New Version=http://127.0.0.1/new\r\nNew Date=01/03/2013 10:00\r\n",
       L"Info", kNothingNew, L" No new version !"},
      {L"version-missing", "", L"Erreur", kNoDownload, L"! Error, can't download VZB file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name, c.name + wcslen(c.name)));
    std::map<std::string, std::string> bodies;
    if (!c.body.empty()) bodies[kFile] = c.body;
    TinyServer server(bodies);
    Program zebo;
    ASSERT_TRUE(zebo.Start(Installer(std::wstring(c.name) + L".exe", server.Url("/zebo"))));
    HWND main = MainWindow(zebo);
    ASSERT_NE(main, nullptr);
    // The silent check at start-up fetches the file and shows nothing.
    ASSERT_TRUE(WaitUntil([&] { return server.Requests() == 1; }, kStartLimit));
    ::Sleep(1000);
    EXPECT_EQ(zebo.WaitForMessageBox(c.title, 0), nullptr);

    ASSERT_TRUE(PressCheckButton(main));
    HWND box = zebo.WaitForMessageBox(c.title, kLimit);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), c.text);
    EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(box) == IDOK; }, kLimit));
    Screenshot(box, c.name);
    ASSERT_TRUE(PressKeyIn(box, VK_RETURN));
    EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(main) == kCheckButton; }, kLimit))
        << FocusedControlId(main);
    EXPECT_TRUE(zebo.Running());  // the wizard stays
    EXPECT_EQ(server.Requests(), 2);
    std::wstring log = ControlText(main, kLog);
    while (!log.empty() && (log.back() == L'\n' || log.back() == L'\r')) log.pop_back();
    EXPECT_EQ(log.substr(log.find_last_of(L'\n') + 1), c.lastLogLine) << log;
    EXPECT_EQ(Opened(), "");
    zebo.Kill();
  }
}

}  // namespace
}  // namespace zebo::e2e
