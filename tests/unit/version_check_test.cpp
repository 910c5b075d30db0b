// The remote version check: the version file's name and keys, dates, and what the user is asked.
#include "jaws/version_check.h"

#include <gtest/gtest.h>

#include "jaws/version_file.h"
#include "platform/fake/fake_platform.h"

namespace zebo {
namespace {

// 01/03/2012 10:00
constexpr int32_t kPackageDate = 1330596000;
const std::string kUrl = "http://127.0.0.1/zebo/notepad-5.1.vzbVZB";

struct VersionFixture {
  VersionFixture() {
    info.ApplicationName = "NotePad";
    info.ApplicationVersion = "5.1";
    info.VersionUrl = "http://127.0.0.1/zebo";
    info.Date = kPackageDate;
  }
  bool Check(bool silent) { return CheckForNewVersion(core, info, state, silent); }
  void Serve(const std::string& body) { fp.network.bodies[kUrl] = body; }
  fake::FakePlatform fp;
  Core core{fp.platform};
  PackageInfo info;
  VersionCheckState state;
};

TEST(VersionFile, DatesAndNames) {
  EXPECT_EQ(ParseVersionDate("01/03/2012 10:00"), kPackageDate);
  EXPECT_EQ(FormatVersionDate(kPackageDate), "01/03/2012 10:00");
  EXPECT_EQ(FormatVersionDate(0), "01/01/1970 00:00");
  for (const char* bad : {"", "32/01/2012 10:00", "29/02/2011 10:00", "01/03/12 10:00",
                          "01/03/2012", "01/03/2012 24:00", "01/03/2012 10:00:30", "x"}) {
    EXPECT_EQ(ParseVersionDate(bad), 0) << bad;
  }
  EXPECT_EQ(ParseVersionDate("29/02/2012 00:00"), 1330473600);

  PackageInfo info;
  info.ApplicationName = "NotePad";
  info.ApplicationVersion = "5.1";
  info.ScriptName = "Bloc";
  info.ScriptVersion = "2";
  const LocalTime now{2026, 3, 4, 5, 6, 7};
  EXPECT_EQ(FormatName("#%AN-%AV.VZB", info, now), "notepad-5.1.vzb");
  EXPECT_EQ(FormatName("  %sn_%Sv %YYYY%mm%dd %hh%ii%ss %yy 100%  ", info, now),
            "Bloc_2 20260304 050607 26 100%");
}

TEST(VersionFile, ReadsTheKeysAboveTheFirstSection) {
  struct Case {
    const char* content;
    const char* address;
    const char* date;
  } cases[] = {
      {"Name New Version=http://a/b\r\nNew Date=02/03/2012 10:00\r\n", "http://a/b",
       "02/03/2012 10:00"},
      {"; comment\nname new version = \t http://x \t\nNEW DATE=1\n", "http://x", "1"},
      {"[Version]\nName New Version=http://a\nNew Date=02/03/2012 10:00\n", "", ""},
      {"New Date=a\n[s]\nName New Version=http://a\n", "", "a"},
      {"\xEF\xBB\xBFName New Version=http://\xC3\xA9t\xC3\xA9\n", "http://\xE9t\xE9", ""},
      {"Name New Version=first\nName New Version=second\n", "first", ""},
  };
  for (const Case& c : cases) {
    const VersionFileValues values = ParseVersionFile(c.content);
    EXPECT_EQ(values.newVersionAddress, c.address) << c.content;
    EXPECT_EQ(values.newDate, c.date) << c.content;
  }
}

TEST(VersionCheck, ANewerEditionIsOfferedAndOpenedOnYes) {
  for (const bool silent : {false, true}) {
    VersionFixture f;
    f.Serve("Name New Version=https://example.org/new\nNew Date=01/03/2012 10:01\n");
    f.fp.ui.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(f.Check(silent));
    ASSERT_EQ(f.fp.ui.messages.size(), 1u);
    EXPECT_EQ(f.fp.ui.messages[0].title, "Info");
    EXPECT_EQ(f.fp.ui.messages[0].text,
              "Nouvelle version disponible ! Voulez-vous la t\xE9l\xE9"
              "charger ?");
    EXPECT_EQ(f.fp.shell.opened, std::vector<std::string>{"https://example.org/new"});
    EXPECT_EQ(f.fp.network.requested, std::vector<std::string>{kUrl});
    EXPECT_FALSE(f.fp.files.Exists("C:\\Temp\\notepad-5.1.vzbVZB"));
    const std::vector<std::string> log(f.core.log.Detailed().begin(), f.core.log.Detailed().end());
    EXPECT_EQ(log, (std::vector<std::string>{
                       "* Check for new version", " Current Date Version : 01/03/2012 10:00",
                       "- Find network ", " TemporaryFileVersion : C:\\Temp\\notepad-5.1.vzbVZB",
                       " URL FileVersion = " + kUrl, " VZB file downloaded correctly !",
                       " New File = https://example.org/new", " New Date : 01/03/2012 10:01"}));
  }
}

TEST(VersionCheck, NothingNewerMeansNoQuestion) {
  struct Case {
    const char* body;
  } cases[] = {
      {"Name New Version=http://a\nNew Date=01/03/2012 10:00\n"},  // the same date
      {"Name New Version=\nNew Date=01/03/2013 10:00\n"},          // no address
      {"[v]\nName New Version=http://a\nNew Date=01/03/2013 10:00\n"},
      {"Name New Version=http://a\nNew Date=tomorrow\n"},
  };
  for (const Case& c : cases) {
    VersionFixture f;
    f.Serve(c.body);
    EXPECT_FALSE(f.Check(false));
    ASSERT_EQ(f.fp.ui.messages.size(), 1u) << c.body;
    EXPECT_EQ(f.fp.ui.messages[0].text,
              "Pas de nouvelle version d\xE9tect\xE9"
              "e ! ");
    EXPECT_EQ(f.core.log.Detailed().back(), " No new version !");
    EXPECT_TRUE(f.fp.shell.opened.empty());

    VersionFixture silent;
    silent.Serve(c.body);
    EXPECT_FALSE(silent.Check(true));
    EXPECT_TRUE(silent.fp.ui.messages.empty());
  }
}

TEST(VersionCheck, ADownloadFailureIsShownOnlyWhenAsked) {
  VersionFixture f;
  EXPECT_FALSE(f.Check(false));
  ASSERT_EQ(f.fp.ui.messages.size(), 1u);
  EXPECT_EQ(f.fp.ui.messages[0].title, "Erreur");
  EXPECT_EQ(f.fp.ui.messages[0].text,
            "Impossible d'acc\xE9"
            "der au fichier, de version, distant !");
  EXPECT_EQ(f.core.log.Detailed().back(), "! Error, can't download VZB file");

  VersionFixture silent;
  EXPECT_FALSE(silent.Check(true));
  EXPECT_TRUE(silent.fp.ui.messages.empty());
  EXPECT_EQ(silent.core.log.Detailed().back(), " URL FileVersion = " + kUrl);

  // Without network support nothing is said, and the support is tried again next time.
  VersionFixture offline;
  offline.fp.network.canStart = false;
  EXPECT_FALSE(offline.Check(false));
  EXPECT_TRUE(offline.fp.ui.messages.empty());
  EXPECT_EQ(offline.core.log.Detailed().size(), 2u);
}

TEST(VersionCheck, NoAnswerYesOpensNothing) {
  VersionFixture f;
  f.Serve("Name New Version=http://a\nNew Date=01/03/2013 10:00\n");
  f.fp.ui.answers = {MessageAnswer::No};
  EXPECT_FALSE(f.Check(false));
  EXPECT_TRUE(f.fp.shell.opened.empty());
  EXPECT_EQ(f.fp.ui.messages.size(), 1u);
}

// The address comes from the network: only a web address is handed to the shell.
TEST(VersionCheck, OnlyWebAddressesAreOpened) {
  for (const char* address :
       {"C:\\Windows\\System32\\calc.exe", "file:///C:/x.exe", "calc", "cmd /c del x",
        "\\\\server\\share\\setup.exe", "http://a b", "javascript:alert(1)", "http://"}) {
    VersionFixture f;
    f.Serve(std::string("Name New Version=") + address + "\nNew Date=01/03/2013 10:00\n");
    f.fp.ui.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(f.Check(false)) << address;
    EXPECT_TRUE(f.fp.shell.opened.empty()) << address;
    EXPECT_EQ(f.core.log.Detailed().back(),
              std::string("! Not opened, not an http or https address : ") + address);
  }
  EXPECT_TRUE(IsWebAddress("HTTPS://Example.org/x?y=1"));
}

}  // namespace
}  // namespace zebo
