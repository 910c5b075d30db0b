// Extraction of packaged files and the start sound, on installers made by the real writer.
#include <gtest/gtest.h>

#include "package/extraction.h"
#include "tests/unit/package_fixture.h"
#include "tools/zebo-pack/jcalg1_encoder.h"

namespace zebo {
namespace {

using testing::Entry;
using testing::MakeInstaller;
using testing::PackageFixture;
using testing::SampleEntries;
using testing::Wav;

std::string Buffer(const PackageState& p, size_t size) {
  return std::string(reinterpret_cast<const char*>(p.fileBuffer.data()), size);
}

TEST(ExtractFile, EveryRecordComesBackByteForByte) {
  auto entries = SampleEntries();
  std::string text;
  for (int i = 0; i < 400; ++i) text += "SayString (\"ligne " + std::to_string(i % 7) + "\")\r\n";
  entries.push_back(Entry("Long.jss", 1, text));
  const auto sample = MakeInstaller(entries, {"2019", "11.0"},
                                    [](std::string_view d) { return pack::Jcalg1Encode(d); });
  PackageFixture f;
  f.Put(sample.installer);
  ASSERT_TRUE(f.Scan());
  for (size_t i = 0; i < sample.entries.size(); ++i) {
    f.package.currentFile = i;
    const std::string target = "C:\\Out\\" + sample.entries[i].record.Name;
    ASSERT_TRUE(ExtractFile(f.core, f.package, target, false, false)) << i;
    ASSERT_NE(f.fake.files.Content(target), nullptr);
    EXPECT_EQ(*f.fake.files.Content(target), sample.entries[i].content) << i;
    // In memory only: the content stays in the buffer and nothing is written.
    f.fake.files.ClearJournal();
    ASSERT_TRUE(ExtractFile(f.core, f.package, "", true, false));
    EXPECT_EQ(Buffer(f.package, sample.entries[i].content.size()), sample.entries[i].content);
    for (const auto& op : f.fake.files.Journal()) EXPECT_EQ(op.op, fake::FileOp::Read);
  }
  // The repetitive text went compressed, the rest scrambled.
  const auto& last = f.package.files.back();
  EXPECT_LT(last.PackedSize, last.Size);
  EXPECT_EQ(f.package.files[2].PackedSize, f.package.files[2].Size);
  EXPECT_TRUE(f.package.hasPackBuffer);
}

TEST(ExtractFile, LogsTheLoadAndReplacesAnExistingFile) {
  const auto sample = MakeInstaller(SampleEntries());
  PackageFixture f;
  f.Put(sample.installer);
  ASSERT_TRUE(f.Scan());
  f.fake.files.PutFile("C:\\Out\\BlocNotesPlus.jss", std::string(5000, 'o'));
  f.package.currentFile = 0;
  const size_t before = f.core.log.Detailed().size();
  ASSERT_TRUE(ExtractFile(f.core, f.package, "C:\\Out\\BlocNotesPlus.jss", false, false));
  EXPECT_EQ(*f.fake.files.Content("C:\\Out\\BlocNotesPlus.jss"), sample.entries[0].content);
  const auto& log = f.core.log.Detailed();
  ASSERT_EQ(log.size(), before + 2);
  EXPECT_EQ(log[before], " Loading in file : Setup.exe Path C:\\Downloads\\");
  EXPECT_EQ(log[before + 1], " Loading 52/ " + std::to_string(sample.installer.size()) +
                                 " bytes begining at " +
                                 std::to_string(f.package.files[0].DataOffset));
}

TEST(ExtractFile, EmptyRecordGivesAnEmptyFile) {
  const auto sample = MakeInstaller(SampleEntries());
  PackageFixture f;
  f.Put(sample.installer);
  ASSERT_TRUE(f.Scan());
  f.package.currentFile = 1;
  ASSERT_TRUE(ExtractFile(f.core, f.package, "C:\\Out\\Vide.jsh", false, false));
  EXPECT_EQ(*f.fake.files.Content("C:\\Out\\Vide.jsh"), "");
}

TEST(ExtractFile, FailuresAndTheirLines) {
  // Compressed data that do not start with "JC".
  auto entries = SampleEntries();
  const auto sample = MakeInstaller(entries, {"2019"}, [](std::string_view data) {
    return data.size() > 10 ? std::string("XXXX") : std::string(data.size() + 1, 'y');
  });
  PackageFixture f;
  f.Put(sample.installer);
  ASSERT_TRUE(f.Scan());
  ASSERT_TRUE(f.package.hasPackBuffer);
  f.package.currentFile = 0;
  EXPECT_FALSE(ExtractFile(f.core, f.package, "C:\\Out\\a.jss", false, false));
  EXPECT_EQ(f.core.log.Detailed().back(), "! UnPack Error");
  EXPECT_FALSE(f.fake.files.Exists("C:\\Out\\a.jss"));

  // No current file.
  f.package.currentFile = kNoCurrent;
  EXPECT_FALSE(ExtractFile(f.core, f.package, "C:\\Out\\a.jss", false, false));
  EXPECT_EQ(f.core.log.Steps().back(), "! Erreur syth\xE8me");

  // The file cannot be written.
  f.package.currentFile = 1;
  f.fake.files.FailWhen([](fake::FileOp, const std::string& p) { return p == "C:\\Out\\v"; });
  EXPECT_FALSE(ExtractFile(f.core, f.package, "C:\\Out\\v", false, false));
  EXPECT_EQ(f.core.log.Detailed().back(), " ! Error during save file");

  // The executable went away.
  ASSERT_TRUE(f.fake.files.DeleteFile(f.exe));
  EXPECT_FALSE(ExtractFile(f.core, f.package, "C:\\Out\\w", false, false));
  EXPECT_EQ(f.core.log.Detailed().back(), "! Can't access file !");
}

TEST(ExtractFile, RenameAfterWriting) {
  const auto sample = MakeInstaller(SampleEntries());
  PackageFixture f;
  f.Put(sample.installer);
  ASSERT_TRUE(f.Scan());
  f.package.currentFile = 0;
  f.fake.files.ClearJournal();
  ASSERT_TRUE(ExtractFile(f.core, f.package, "C:\\Out\\a.jss", false, true));
  EXPECT_EQ(*f.fake.files.Content("C:\\Out\\a.jss"), sample.entries[0].content);
  EXPECT_FALSE(f.fake.files.Exists("C:\\Out\\a.jss #"));
  int renames = 0;
  for (const auto& op : f.fake.files.Journal()) renames += op.op == fake::FileOp::Rename;
  EXPECT_EQ(renames, 2);

  // A file already named with " #" makes the first rename fail, after the file was written.
  f.fake.files.PutFile("C:\\Out\\b.jss #", "in the way");
  EXPECT_FALSE(ExtractFile(f.core, f.package, "C:\\Out\\b.jss", false, true));
  EXPECT_EQ(*f.fake.files.Content("C:\\Out\\b.jss"), sample.entries[0].content);
}

TEST(LoadPackagedBytes, CountsOffsetsAndBufferGrowth) {
  PackageFixture f;
  f.fake.files.PutFile("C:\\d\\f.bin", "0123456789");
  EXPECT_TRUE(LoadPackagedBytes(f.core, f.package, "C:\\d\\f.bin", 0, 0));
  EXPECT_TRUE(f.package.hasFileBuffer);
  EXPECT_EQ(f.package.fileBuffer.size(), 1u);

  ASSERT_TRUE(LoadPackagedBytes(f.core, f.package, "C:\\d\\f.bin", -1, 0));
  const auto& log = f.core.log.Detailed();
  EXPECT_EQ(log[log.size() - 2], " Loading 10 bytes begining at 0");
  EXPECT_EQ(log.back(), "- Re-Allocate memory : 11");
  EXPECT_EQ(Buffer(f.package, 10), "0123456789");

  ASSERT_TRUE(LoadPackagedBytes(f.core, f.package, "C:\\d\\f.bin", 3, 7));
  EXPECT_EQ(Buffer(f.package, 3), "789");
  EXPECT_EQ(f.core.log.Detailed().back(), " Loading 3/ 10 bytes begining at 7");

  // Outside the file, negative counts, missing files and folders are refused.
  EXPECT_FALSE(LoadPackagedBytes(f.core, f.package, "C:\\d\\f.bin", 4, 7));
  EXPECT_FALSE(LoadPackagedBytes(f.core, f.package, "C:\\d\\f.bin", 1, -1));
  EXPECT_FALSE(LoadPackagedBytes(f.core, f.package, "C:\\d\\f.bin", -5, 0));
  EXPECT_FALSE(LoadPackagedBytes(f.core, f.package, "C:\\d\\none.bin", 1, 0));
  EXPECT_EQ(f.core.log.Detailed().back(), "! Can't access file !");
  EXPECT_FALSE(LoadPackagedBytes(f.core, f.package, "C:\\d", 1, 0));
  EXPECT_EQ(f.package.fileBuffer.size(), 11u);
}

TEST(DecodePayload, RefusesSizesBeyondTheBuffers) {
  PackageFixture f;
  f.package.fileBuffer.assign(8, 0);
  f.package.hasFileBuffer = true;
  EXPECT_FALSE(DecodePayload(f.core, f.package, 9, 9));
  EXPECT_FALSE(DecodePayload(f.core, f.package, -1, -1));
  EXPECT_FALSE(DecodePayload(f.core, f.package, 4, 2));  // compressed, but no pack buffer
  EXPECT_TRUE(DecodePayload(f.core, f.package, 8, 8));
  EXPECT_FALSE(SaveFileBuffer(f.core, f.package, "C:\\x", 9));
  f.package.hasFileBuffer = false;
  EXPECT_FALSE(SaveFileBuffer(f.core, f.package, "C:\\x", 0));
}

TEST(PlayStartSound, WaitsForTheSoundsLength) {
  struct Case {
    uint32_t rate;
    size_t data;
    int wait;
  } cases[] = {
      {0, 100, 500},                // no byte rate
      {176400, 176400 - 44, 1000},  // the whole file, header included
      {176400, 0, 500},             // 44 bytes: under a millisecond
      {1, 100000, kMaxStartSoundWait},
  };
  for (const Case& c : cases) {
    const auto sample = MakeInstaller(
        {Entry("a.jss", 0, "x"), Entry("chime.wav", StartSoundGroup, Wav(c.rate, c.data))});
    PackageFixture f;
    f.Put(sample.installer);
    ASSERT_TRUE(f.Scan());
    PlayStartSound(f.core, f.package);
    ASSERT_EQ(f.fake.sound.played.size(), 1u);
    EXPECT_EQ(f.fake.sound.played[0], Wav(c.rate, c.data));
    EXPECT_EQ(f.fake.clock.sleeps, std::vector<int>{c.wait}) << c.rate;
    EXPECT_EQ(f.package.currentFile, 1u);
  }
  EXPECT_EQ(StartSoundWait(10, 0), 500);
  EXPECT_EQ(StartSoundWait(10, -3), 500);
}

TEST(PlayStartSound, SilentWithoutASoundOrASoundSystem) {
  {
    const auto sample = MakeInstaller({Entry("a.jss", 0, "x")});
    PackageFixture f;
    f.Put(sample.installer);
    ASSERT_TRUE(f.Scan());
    PlayStartSound(f.core, f.package);
    EXPECT_EQ(f.fake.sound.opens, 0);
    EXPECT_TRUE(f.fake.clock.sleeps.empty());
  }
  {
    const auto sample = MakeInstaller({Entry("s.wav", StartSoundGroup, Wav(100, 10))});
    PackageFixture f;
    f.Put(sample.installer);
    (void)f.Scan();
    f.fake.sound.canOpen = false;
    PlayStartSound(f.core, f.package);
    f.fake.sound.canOpen = true;
    f.fake.sound.canPlay = false;
    PlayStartSound(f.core, f.package);
    EXPECT_TRUE(f.fake.clock.sleeps.empty());
    EXPECT_EQ(f.fake.sound.opens, 2);
    // A header too short for its byte rate still plays, with the default wait.
    const auto tiny = MakeInstaller({Entry("s.wav", StartSoundGroup, "RIFF")});
    PackageFixture g;
    g.Put(tiny.installer);
    (void)g.Scan();
    PlayStartSound(g.core, g.package);
    EXPECT_EQ(g.fake.clock.sleeps, std::vector<int>{500});
  }
}

}  // namespace
}  // namespace zebo
