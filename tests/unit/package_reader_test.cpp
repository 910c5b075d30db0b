// The package reader: scrambling, the marker line, package strings, the scan and damaged packages.
#include "package/package_reader.h"

#include <gtest/gtest.h>

#include <random>

#include "core/byte_cursor.h"
#include "package/package_stream.h"
#include "tests/unit/package_fixture.h"

namespace zebo {
namespace {

using testing::Entry;
using testing::MakeInstaller;
using testing::PackageFixture;
using testing::SampleEntries;
using testing::SampleInfo;

TEST(ScrambleBytes, PermutesBitsByPositionAndIsItsOwnInverse) {
  unsigned char bytes[] = {0x01, 0x01, 0x01, 0x01, 0x18, 0x80, 0x01};
  ScrambleBytes(bytes, sizeof bytes);
  const unsigned char expected[] = {0x02, 0x04, 0x10, 0x20, 0x24, 0x20, 0x10};
  EXPECT_EQ(std::string(bytes, bytes + sizeof bytes), std::string(expected, expected + 7));

  std::string all;
  for (int round = 0; round < 4; ++round) {
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    all.push_back('x');  // shifts the positions for the next round
  }
  std::string scrambled = all;
  auto* data = reinterpret_cast<unsigned char*>(scrambled.data());
  ScrambleBytes(data, static_cast<int64_t>(scrambled.size()));
  EXPECT_NE(scrambled, all);
  ScrambleBytes(data, static_cast<int64_t>(scrambled.size()));
  EXPECT_EQ(scrambled, all);

  unsigned char untouched[] = {0x01};
  ScrambleBytes(untouched, 0);
  ScrambleBytes(untouched, -1);
  ScrambleBytes(nullptr, 5);
  EXPECT_EQ(untouched[0], 0x01);
}

std::unique_ptr<PackageStream> StreamOver(fake::FakeFiles& files, std::unique_ptr<FileReader>& keep,
                                          const std::string& bytes) {
  files.PutFile("C:\\s.bin", bytes);
  keep = files.OpenRead("C:\\s.bin");
  return std::make_unique<PackageStream>(*keep);
}

TEST(MarkerLine, IsFoundOnlyAsAWholeLine) {
  const std::string m = JoinPackageMarker();
  const std::string big(65536 - 3, 'a');
  struct Case {
    std::string bytes;
    int64_t after;  // -1: not found
  } cases[] = {
      {"stub\n" + m + "\nP", 6 + 26},
      {std::string("stub\0", 5) + m + "\nP", 6 + 26},      // a zero byte ends the line before it
      {"stub\r" + m + "\r\nP", 6 + 27},                    // CR LF after: both consumed
      {"stub\r" + m + "\rP", 6 + 26},                      // a lone CR after
      {m + std::string("\0P", 2), 27},                     // first line of the file
      {"stub\n" + m, 5 + 26},                              // the end of the file ends the line
      {"stub x" + m + "\nP", -1},                          // something before it on its line
      {"stub\n" + m + "x\nP", -1},                         // something after it
      {"stub\n" + m.substr(0, 25) + "\n", -1},             // one byte short
      {"\n<([\xC9\xC9_ BeGin  DaTas _\xE8\xE8])>\n", -1},  // case counts
      {"x" + m + "\n" + m + "\nP", 28 + 27},               // the second copy is the line
      {big + "\n" + m + "\nP", 65536 - 2 + 27},            // across the reading blocks
      {big + "xx\n" + m + "\r\nP", 65536 + 28},
      // the reading blocks are 256 KB: copies straddling one, and one whose CR LF does
      {std::string(262144 - 10, 'b') + "\n" + m + "\nP", 262144 - 9 + 27},
      {std::string(262144 - 27, 'b') + "\r" + m + "\r\nP", 262144 + 2},
      {std::string(262144 - 1, 'b') + std::string(1, '\0') + m, 262144 + 26},
      {std::string(100, '\0') + m + std::string(1, '\0'), 127},        // a NUL on both sides
      {"\n" + std::string(1, 'x') + m.substr(1) + "\n" + m, 28 + 26},  // first byte differs
      {"\n" + m.substr(0, 25) + "x\n" + m, 28 + 26},                   // last byte differs
  };
  for (const Case& c : cases) {
    fake::FakeFiles files;
    std::unique_ptr<FileReader> keep;
    auto in = StreamOver(files, keep, c.bytes);
    const bool found = in->FindMarkerLine(m);
    EXPECT_EQ(found, c.after >= 0) << c.bytes.substr(0, 40);
    if (found) {
      EXPECT_EQ(in->Position(), c.after) << c.bytes.substr(0, 40);
    }
  }
}

// The marker search jumps through the file; it must agree with reading line after line.
TEST(MarkerLine, AgreesWithLineByLineReading) {
  const std::string m = JoinPackageMarker();
  const std::string pieces[] = {"\n", "\r", std::string(1, '\0'),   "\r\n", m, m,
                                "<",  "ab", std::string(70000, 'z')};
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    std::string bytes;
    const int count = static_cast<int>(random() % 12);
    for (int i = 0; i < count; ++i) {
      const auto& piece = pieces[random() % (round % 10 == 0 ? 9 : 8)];
      bytes += piece;
    }
    fake::FakeFiles files;
    std::unique_ptr<FileReader> keep;
    auto lines = StreamOver(files, keep, bytes);
    std::string line;
    int64_t expected = -1;
    while (lines->ReadLine(line, m.size() + 1)) {
      if (line == m) {
        expected = lines->Position();
        break;
      }
    }
    std::unique_ptr<FileReader> keep2 = files.OpenRead("C:\\s.bin");
    PackageStream search(*keep2);
    const bool found = search.FindMarkerLine(m);
    ASSERT_EQ(found, expected >= 0) << round;
    if (found) {
      ASSERT_EQ(search.Position(), expected) << round;
    }
  }
}

TEST(ReadPackageString, EmptyNegativeZeroByteAndPastTheEnd) {
  std::string bytes;
  AppendLe32(bytes, 0);
  AppendLe32(bytes, -1);
  pack::AppendPackageString(bytes, std::string("ab\0cd", 5));
  pack::AppendPackageString(bytes, "xyz");
  AppendLe32(bytes, 50);  // runs past the end
  bytes += "short";
  fake::FakeFiles files;
  std::unique_ptr<FileReader> keep;
  auto in = StreamOver(files, keep, bytes);
  std::string text = "old";
  ASSERT_TRUE(ReadPackageString(*in, text));
  EXPECT_EQ(text, "");
  EXPECT_EQ(in->Position(), 4);
  ASSERT_TRUE(ReadPackageString(*in, text));
  EXPECT_EQ(text, "");
  EXPECT_EQ(in->Position(), 8);
  ASSERT_TRUE(ReadPackageString(*in, text));
  EXPECT_EQ(text, "ab");  // a text ends at its first zero byte
  EXPECT_EQ(in->Position(), 17);
  ASSERT_TRUE(ReadPackageString(*in, text));
  EXPECT_EQ(text, "xyz");
  EXPECT_FALSE(ReadPackageString(*in, text));
  EXPECT_EQ(in->Position(), 24);
}

TEST(ScanPackage, ReadsEveryFieldAndLogsWhatItReads) {
  const auto sample = MakeInstaller(SampleEntries());
  PackageFixture f;
  f.Put(sample.installer);
  ASSERT_TRUE(f.Scan());

  const PackageInfo expected = SampleInfo();
  const PackageInfo& info = f.package.info;
  EXPECT_EQ(info.Date, expected.Date);
  EXPECT_EQ(info.ApplicationName, expected.ApplicationName);
  EXPECT_EQ(info.RecommendedJaws, expected.RecommendedJaws);
  EXPECT_EQ(info.ScriptAuthor, expected.ScriptAuthor);
  EXPECT_EQ(info.VersionUrl, expected.VersionUrl);
  EXPECT_EQ(info.Flags, expected.Flags);
  EXPECT_EQ(info.PasswordDigest, expected.PasswordDigest);
  EXPECT_EQ(info.Reserved, expected.Reserved);
  EXPECT_EQ(info.Comments, expected.Comments);
  EXPECT_EQ(info.Alias, expected.Alias);
  ASSERT_EQ(f.package.groups.size(), 2u);
  EXPECT_EQ(f.package.groups[1].Name, "11.0");
  ASSERT_EQ(f.package.files.size(), sample.entries.size());
  for (size_t i = 0; i < sample.entries.size(); ++i) {
    const PackageFile& got = f.package.files[i];
    const PackageFile& want = sample.entries[i].record;
    EXPECT_EQ(got.Name, want.Name);
    EXPECT_EQ(got.TargetPath, want.TargetPath);
    EXPECT_EQ(got.Group, want.Group);
    EXPECT_EQ(got.CompileOrder, want.CompileOrder);
    EXPECT_EQ(got.Size, want.Size);
    EXPECT_EQ(got.PackedSize, want.PackedSize);
    EXPECT_EQ(got.Flags, want.Flags);
    EXPECT_EQ(got.DataOffset, want.DataOffset + static_cast<int64_t>(sample.packageStart));
    EXPECT_EQ(got.Selected, 0);
  }
  EXPECT_TRUE(f.package.restartJawsChecked);
  // The largest record is the sound: its size plus 2; nothing compressed, so no pack buffer.
  EXPECT_EQ(f.package.fileBuffer.size(), 344u + 2);
  EXPECT_TRUE(f.package.hasFileBuffer);
  EXPECT_FALSE(f.package.hasPackBuffer);

  const auto& log = f.core.log.Detailed();
  ASSERT_GE(log.size(), 4u + 2 * sample.entries.size() + 1);
  EXPECT_EQ(log[0], "* File Scan : C:\\Downloads\\Setup.exe");
  EXPECT_EQ(log[1], "  Size : " + std::to_string(sample.installer.size()) + " bytes");
  EXPECT_EQ(log[2], "- Info Section at : " + std::to_string(sample.packageStart));
  EXPECT_EQ(log[3].rfind("- File Section at : ", 0), 0u);
  EXPECT_EQ(log[4], "- BlocNotesPlus.jss To %JawsScriptPath%\\");
  EXPECT_EQ(log[5], "  Size=52bytes  PackSize=52bytes");
  EXPECT_EQ(log.back(), "");
}

TEST(ScanPackage, LastRecordAtTheEndOrOneByteBeforeIt) {
  const auto sample = MakeInstaller(SampleEntries());
  for (const std::string tail : {"", "\x7F", "\x7F\x7F"}) {
    PackageFixture f;
    f.Put(sample.installer + tail);
    const bool ok = f.Scan();
    if (tail.size() < 2) {
      EXPECT_TRUE(ok);
      EXPECT_EQ(f.package.files.size(), sample.entries.size());
      EXPECT_FALSE(f.LogHas("!"));
    } else {
      // Two bytes are read as a record, which the end of the file cuts short.
      EXPECT_FALSE(ok);
      EXPECT_TRUE(f.LogHas("! Damaged package"));
    }
  }
}

TEST(ScanPackage, RefusesWhatIsNotACompletePackage) {
  {
    PackageFixture f;  // no file at all
    EXPECT_FALSE(f.Scan());
    EXPECT_EQ(f.core.log.Detailed().size(), 1u);
    EXPECT_FALSE(f.package.hasFileBuffer);
  }
  {
    PackageFixture f;  // no marker: buffers of 2 bytes
    f.Put("MZ just a program\n");
    EXPECT_FALSE(f.Scan());
    EXPECT_EQ(f.package.fileBuffer.size(), 2u);
    EXPECT_FALSE(f.LogHas("- Info Section"));
  }
  {
    PackageFixture f;  // no group
    f.Put(MakeInstaller(SampleEntries(), {}).installer);
    EXPECT_FALSE(f.Scan());
    EXPECT_EQ(f.package.files.size(), 4u);
  }
  {
    PackageFixture f;  // no file
    f.Put(MakeInstaller({}).installer);
    EXPECT_FALSE(f.Scan());
    EXPECT_EQ(f.package.groups.size(), 2u);
  }
}

// Cutting the installer anywhere gives either a shorter sound package (at a record boundary) or a
// clean refusal; never a read outside the file.
TEST(ScanPackage, TruncatedAnywhereIsRefusedOrReadUpToTheCut) {
  const auto sample = MakeInstaller(SampleEntries());
  const auto& first = sample.entries[0].record;
  const size_t sectionStart = sample.packageStart + static_cast<size_t>(first.DataOffset) - 5 * 4 -
                              (4 + first.Name.size()) - (4 + first.TargetPath.size());
  std::vector<size_t> recordEnds;
  for (const auto& e : sample.entries) {
    recordEnds.push_back(sample.packageStart + static_cast<size_t>(e.record.DataOffset) +
                         static_cast<size_t>(e.record.PackedSize));
  }
  for (size_t cut = sample.packageStart; cut < sample.installer.size(); ++cut) {
    PackageFixture f;
    f.Put(sample.installer.substr(0, cut));
    const bool ok = f.Scan();
    size_t whole = 0;
    bool boundary = false;
    for (size_t end : recordEnds) {
      if (end == cut || end + 1 == cut) boundary = true;
      if (end <= cut) ++whole;
    }
    EXPECT_EQ(ok, boundary) << cut;
    EXPECT_EQ(f.package.files.size(), whole) << cut;
    // Cut where no record starts yet: an empty file section, no damage.
    const bool empty = cut == sectionStart || cut == sectionStart + 1;
    EXPECT_EQ(f.LogHas("! Damaged package"), !boundary && !empty) << cut;
  }
}

TEST(ScanPackage, RefusesNegativeAndOversizedRecords) {
  // Each case patches the first record's integer at an offset from its Group field.
  struct Case {
    const char* what;
    size_t field;  // 0 Group, 1 CompileOrder, 2 Size, 3 PackedSize
    int32_t value;
    bool alsoPacked;  // set PackedSize = 10 so the record reads as compressed
  } cases[] = {
      {"negative size", 2, -1, false},
      {"negative packed size", 3, -5, false},
      {"packed size past the end", 3, 0x7FFFFFFF, false},
      {"scrambled size past the end", 2, 0x7FFFFFFF, false},
      {"compressed size over the cap", 2, kMaxUnpackedSize + 1, true},
  };
  auto entries = SampleEntries();
  entries[0].content = std::string(40, 'a');
  const auto sample = MakeInstaller(entries);
  const size_t groupField =
      sample.packageStart + static_cast<size_t>(sample.entries[0].record.DataOffset) - 20;
  for (const Case& c : cases) {
    std::string bytes = sample.installer;
    std::string patch;
    AppendLe32(patch, c.value);
    bytes.replace(groupField + 4 * c.field, 4, patch);
    if (c.alsoPacked) {
      patch.clear();
      AppendLe32(patch, 10);
      bytes.replace(groupField + 12, 4, patch);
    }
    if (c.field == 2 && !c.alsoPacked && c.value > 0) {
      patch.clear();
      AppendLe32(patch, c.value);
      bytes.replace(groupField + 12, 4, patch);
    }
    PackageFixture f;
    f.Put(bytes);
    EXPECT_FALSE(f.Scan()) << c.what;
    EXPECT_TRUE(f.LogHas("! Damaged package")) << c.what;
    EXPECT_TRUE(f.package.files.empty()) << c.what;
    EXPECT_LT(f.package.fileBuffer.size(), 1000u) << c.what;
  }
  // A text length far beyond the file.
  std::string bytes = sample.installer;
  std::string huge;
  AppendLe32(huge, 0x7FFFFFF0);
  bytes.replace(sample.packageStart + 4, 4, huge);
  PackageFixture f;
  f.Put(bytes);
  EXPECT_FALSE(f.Scan());
  EXPECT_TRUE(f.LogHas("! Damaged package: the info section"));
}

}  // namespace
}  // namespace zebo
