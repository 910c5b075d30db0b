// The core: the code page table, the two logs and the fatal error texts.
#include "core/core.h"

#include <gtest/gtest.h>

#include "core/cp1252.h"
#include "core/fatal_error.h"
#include "platform/fake/fake_platform.h"

namespace zebo {
namespace {

TEST(Cp1252, EveryByteSurvivesUtf16AndUtf8) {
  std::string all;
  for (int i = 1; i < 256; ++i) all.push_back(static_cast<char>(i));
  EXPECT_EQ(Utf16ToCp1252(Cp1252ToUtf16(all)), all);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, MapsTheSpecialRangeAndTheUnassignedBytes) {
  struct Case {
    unsigned char byte;
    char32_t code;
  } cases[] = {{0x80, 0x20AC}, {0x8C, 0x0152}, {0x9F, 0x0178}, {0xE9, 0x00E9}, {0x81, 0x0081},
               {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x9D, 0x009D}};
  for (const auto& c : cases) {
    EXPECT_EQ(Cp1252ToUnicode(c.byte), c.code) << int(c.byte);
    EXPECT_EQ(static_cast<unsigned char>(UnicodeToCp1252(c.code)), c.byte);
  }
  EXPECT_EQ(UnicodeToCp1252(0x4E2D), '?');
  EXPECT_EQ(Utf8ToCp1252("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xFF"), "\xE9t\xE9 \x80 ?");
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");
}

TEST(Cp1252, LowerCaseCoversAccentedCapitals) {
  EXPECT_EQ(LowerCase("DEFAULT.JSS \xC9T\xC9 \x8C"), "default.jss \xE9t\xE9 \x9C");
}

TEST(OperationLog, KeepsAtMost1001DetailedLines) {
  OperationLog log;
  for (int i = 0; i < 1005; ++i) log.LogLine(std::to_string(i));
  ASSERT_EQ(log.Detailed().size(), 1001u);
  EXPECT_EQ(log.Detailed().front(), "4");
  EXPECT_EQ(log.Detailed().back(), "1004");
}

TEST(OperationLog, LineBreaksMakeSeveralLines) {
  OperationLog log;
  log.LogLine("");
  log.LogLine("a\r\n");
  log.StepLine("x\ny\r\nz");
  EXPECT_EQ(log.Detailed(), (std::deque<std::string>{"", "a", ""}));
  EXPECT_EQ(log.Steps(), (std::vector<std::string>{"x", "y", "z"}));
  log.ClearSteps();
  EXPECT_TRUE(log.Steps().empty());
}

TEST(Core, MarkerIsJoinedFromItsPieces) {
  const std::string marker = JoinPackageMarker();
  EXPECT_EQ(marker.size(), 26u);
  EXPECT_EQ(marker, "<([\xE9\xE9_ BeGin  DaTas _\xE8\xE8])>");
}

TEST(FatalError, ShowsTheMessageAndEndsWithExitCodeZero) {
  struct Case {
    int code;
    const char* start;
  } cases[] = {{7,
                "Impossible de cr\xE9"
                "er le gadget !"},
               {3, "Une erreur fatale est survenue !"},
               {0,
                "Impossible de cr\xE9"
                "er la fen\xEAtre principale !"},
               {8, "Impossible d'initialiser la barre d'\xE9tat !"},
               {99, "Une erreur fatale est survenue !"}};
  for (const auto& c : cases) {
    fake::FakePlatform fp;
    Core core(fp.platform);
    try {
      FatalError(core, c.code);
      FAIL() << "FatalError returned";
    } catch (const fake::ProgramExited& exited) {
      EXPECT_EQ(exited.code, 0);
    }
    ASSERT_EQ(fp.ui.messages.size(), 1u);
    EXPECT_EQ(fp.ui.messages[0].title, "Erreur");
    EXPECT_EQ(fp.ui.messages[0].text,
              std::string(c.start) + "\r\nLe programme doit \xEAtre arr\xEAt\xE9 ...");
  }
}

}  // namespace
}  // namespace zebo
