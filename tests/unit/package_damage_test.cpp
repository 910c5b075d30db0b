// Damage campaign: a sample installer cut at every length and with thousands of single bytes
// changed, through the scan and the extraction. Each must be a clean refusal (nothing written, no
// buffer sized from damaged records) or a read identical to the intact one; no read reaches past
// the end of the file and the reading stays proportional to the file.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "package/extraction.h"
#include "package/integrity.h"
#include "tests/unit/package_fixture.h"
#include "tests/unit/pe_fixture.h"
#include "tools/zebo-pack/jcalg1_encoder.h"

namespace zebo {
namespace {

using testing::PackageFixture;

// What a scan and the extraction of every file gave.
struct Read {
  bool ok = false;
  std::vector<PackageFile> files;  // without the integrity record
  std::vector<std::string> contents;
  size_t fileBuffer = 0;
  size_t packBuffer = 0;
};

std::string SampleInstaller(bool signedFile) {
  auto entries = testing::SampleEntries();
  std::string text;
  for (int i = 0; i < 60; ++i) text += "Say (\"ligne " + std::to_string(i) + "\")\r\n";
  entries.push_back(testing::Entry("Long.jss", 1, text, FileCompile, 2));  // stored compressed
  const std::string package = pack::WritePackage(
      testing::SampleInfo(), {"2019", "11.0"}, entries,
      [](std::string_view data) { return pack::Jcalg1Encode(data); }, true);
  std::string installer = pack::JoinInstaller(testing::MinimalPe(), package);
  if (signedFile) installer = testing::AppendCertificateTable(installer, std::string(96, '\x5A'));
  return installer;
}

// Scans and extracts every file, checking what holds for every input: no read past the end of the
// file, reading proportional to it, and for a refusal nothing written and no buffer sized.
Read ScanAndExtract(const std::string& bytes, const std::string& what) {
  PackageFixture f;
  f.Put(bytes);
  const int mutationsBefore = f.fake.files.MutationCount();
  Read read;
  read.ok = f.Scan();
  for (size_t i = 0; read.ok && i < f.package.files.size(); ++i) {
    if (IsIntegrityRecord(f.package.files[i])) continue;
    read.files.push_back(f.package.files[i]);
    f.package.currentFile = i;
    const std::string out = "C:\\Out\\" + std::to_string(i);
    const bool done = ExtractFile(f.core, f.package, out, false, false);
    const std::string* content = f.fake.files.Content(out);
    read.contents.push_back(done && content ? *content : "(not extracted)");
  }
  read.fileBuffer = f.package.fileBuffer.size();
  read.packBuffer = f.package.packBuffer.size();
  const fake::ReadStats& reads = f.fake.files.Reads();
  EXPECT_EQ(reads.outside, 0) << what;
  EXPECT_LE(reads.bytes, 16 * static_cast<int64_t>(bytes.size()) + 4096) << what;
  if (!read.ok) {
    EXPECT_EQ(f.fake.files.MutationCount(), mutationsBefore) << what;
    EXPECT_LE(read.fileBuffer + read.packBuffer, 4u) << what;
  }
  return read;
}

enum Outcome { Refused, Intact, Wrong };

Outcome Judge(const Read& got, const Read& reference) {
  if (!got.ok) return Refused;
  bool same = got.files.size() == reference.files.size() && got.contents == reference.contents &&
              got.fileBuffer == reference.fileBuffer && got.packBuffer == reference.packBuffer;
  for (size_t i = 0; same && i < got.files.size(); ++i) {
    const PackageFile& a = got.files[i];
    const PackageFile& b = reference.files[i];
    same = a.Name == b.Name && a.TargetPath == b.TargetPath && a.Group == b.Group &&
           a.CompileOrder == b.CompileOrder && a.Size == b.Size && a.Flags == b.Flags;
  }
  return same ? Intact : Wrong;
}

TEST(DamageCampaign, EveryCutAndThousandsOfChangedBytes) {
  for (bool signedFile : {false, true}) {
    const std::string sample = SampleInstaller(signedFile);
    const Read reference = ScanAndExtract(sample, "intact");
    ASSERT_TRUE(reference.ok);
    ASSERT_EQ(reference.files.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
      ASSERT_NE(reference.contents[i], "(not extracted)") << reference.files[i].Name;
    }
    int counts[2][3] = {};  // [cut, changed][outcome]

    for (size_t cut = 0; cut < sample.size(); ++cut) {
      const std::string what = "cut at " + std::to_string(cut);
      const Outcome o = Judge(ScanAndExtract(sample.substr(0, cut), what), reference);
      ++counts[0][o];
      EXPECT_NE(o, Wrong) << what;
    }
    // Every byte changed once, then as many random changes again.
    std::mt19937 random(7);
    for (size_t n = 0; n < 2 * sample.size(); ++n) {
      const size_t at = n < sample.size() ? n : random() % sample.size();
      std::string bytes = sample;
      bytes[at] = static_cast<char>(bytes[at] ^ static_cast<char>(1 + random() % 255));
      const std::string what = "byte " + std::to_string(at) + " changed";
      const Outcome o = Judge(ScanAndExtract(bytes, what), reference);
      ++counts[1][o];
      EXPECT_NE(o, Wrong) << what;
    }
    std::printf(
        "%s installer of %zu bytes: %d cuts (%d refused, %d read intact), %d changed "
        "bytes (%d refused, %d read intact)\n",
        signedFile ? "signed" : "unsigned", sample.size(),
        counts[0][0] + counts[0][1] + counts[0][2], counts[0][0], counts[0][1],
        counts[1][0] + counts[1][1] + counts[1][2], counts[1][0], counts[1][1]);
  }
}

}  // namespace
}  // namespace zebo
