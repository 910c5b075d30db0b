// The integrity record that ends zebo-pack's packages, and signed installers: the certificate
// table at the end of the file is not part of the package.
#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>

#include "core/byte_cursor.h"
#include "package/integrity.h"
#include "platform/host/host_files.h"
#include "tests/unit/package_fixture.h"
#include "tests/unit/pe_fixture.h"
#include "tools/zebo-pack/commands.h"

namespace zebo {
namespace {

using testing::MakeInstaller;
using testing::PackageFixture;
using testing::SampleEntries;

// An installer from the real writer, with or without the integrity record.
std::string Installer(const std::string& stub, std::vector<pack::PackEntry> entries, bool integrity,
                      size_t* packageStart = nullptr) {
  const std::string package =
      pack::WritePackage(testing::SampleInfo(), {"2019", "11.0"}, entries, nullptr, integrity);
  const std::string installer = pack::JoinInstaller(stub, package);
  if (packageStart) *packageStart = installer.size() - package.size();
  return installer;
}

std::vector<std::string> Names(const PackageState& package) {
  std::vector<std::string> names;
  for (const auto& f : package.files) {
    if (!IsIntegrityRecord(f)) names.push_back(f.Name);
  }
  return names;
}

TEST(IntegrityRecord, EndsThePackageMatchesAndIsNoFile) {
  PackageFixture f;
  f.Put(Installer(testing::kStub, SampleEntries(), true));
  ASSERT_TRUE(f.Scan());
  EXPECT_EQ(f.package.integrity, IntegrityStatus::Matches);
  ASSERT_EQ(f.package.files.size(), 5u);
  const PackageFile& record = f.package.files.back();
  EXPECT_TRUE(IsIntegrityRecord(record));
  EXPECT_EQ(record.Name, kIntegrityRecordName);
  EXPECT_EQ(record.Size, 32);
  EXPECT_EQ(record.PackedSize, 32);
  EXPECT_EQ(Names(f.package), (std::vector<std::string>{"BlocNotesPlus.jss", "Vide.jsh",
                                                        "Binaire.bin", "chime.wav"}));
  EXPECT_TRUE(f.LogHas("- Integrity record at : "));

  // A package of nothing but its integrity record holds no file.
  PackageFixture empty;
  empty.Put(Installer(testing::kStub, {}, true));
  EXPECT_FALSE(empty.Scan());
  EXPECT_EQ(empty.package.integrity, IntegrityStatus::Matches);
}

TEST(IntegrityRecord, PackagesWithoutOneReadAsBefore) {
  PackageFixture f;
  f.Put(Installer(testing::kStub, SampleEntries(), false));
  ASSERT_TRUE(f.Scan());
  EXPECT_EQ(f.package.integrity, IntegrityStatus::Absent);
  EXPECT_EQ(f.package.files.size(), 4u);
  EXPECT_FALSE(f.LogHas("- Integrity"));
}

// Every damage is refused before anything is written and before the buffers are sized from the
// damaged records.
TEST(IntegrityRecord, DamageIsRefusedBeforeAnythingIsWritten) {
  size_t start = 0;
  const std::string good = Installer(testing::kStub, SampleEntries(), true, &start);
  const size_t recordStart = good.size() - 32 - 5 * 4 - 4 - (4 + sizeof kIntegrityRecordName - 1);
  struct Case {
    const char* what;
    std::string bytes;
    const char* line;
  };
  const auto flip = [&](size_t at) {
    std::string b = good;
    b[at] = static_cast<char>(b[at] ^ 0x01);
    return b;
  };
  const auto patch32 = [&](size_t at, int32_t value) {
    std::string b = good, v;
    AppendLe32(v, value);
    return b.replace(at, 4, v);
  };
  const Case cases[] = {
      {"a text of the info section", flip(start + 10), "! Integrity check failed"},
      {"a stored content", flip(recordStart - 100), "! Integrity check failed"},
      {"the first package byte", flip(start), "! Integrity check failed"},
      {"the stored digest", flip(good.size() - 1), "! Integrity check failed"},
      {"cut before the record", good.substr(0, recordStart), "! Integrity record missing"},
      {"cut one byte into it", good.substr(0, recordStart + 1), "! Integrity record missing"},
      {"the record's group", patch32(recordStart + 4 + 21 + 4, 0), "! Integrity record missing"},
      {"the record's size", patch32(recordStart + 4 + 21 + 4 + 8, 31),
       "! Integrity record malformed"},
  };
  for (const Case& c : cases) {
    PackageFixture f;
    f.Put(c.bytes);
    f.fake.files.ClearJournal();
    EXPECT_FALSE(f.Scan()) << c.what;
    EXPECT_TRUE(f.LogHas(c.line)) << c.what;
    EXPECT_LE(f.package.fileBuffer.size() + f.package.packBuffer.size(), 2u) << c.what;
    EXPECT_EQ(f.fake.files.MutationCount(), 0) << c.what;
  }
}

// Signing appends zeros up to a multiple of 8 and the certificate table: the package reads exactly
// as before, whatever the number of zeros, with or without the integrity record.
TEST(SignedInstallerScan, ReadsLikeTheUnsignedOne) {
  const std::string table(200, '\xAB');
  for (bool integrity : {false, true}) {
    for (size_t extra = 0; extra < 8; ++extra) {
      auto entries = SampleEntries();
      entries[1].content = std::string(extra, 'x');
      const std::string plain = Installer(testing::MinimalPe(), entries, integrity);
      const std::string signedFile = testing::AppendCertificateTable(plain, table);
      PackageFixture unsigned_, signed_;
      unsigned_.Put(plain);
      signed_.Put(signedFile);
      ASSERT_TRUE(unsigned_.Scan()) << extra;
      ASSERT_TRUE(signed_.Scan()) << extra << " " << integrity;
      EXPECT_EQ(Names(signed_.package), Names(unsigned_.package));
      EXPECT_EQ(signed_.package.files.size(), unsigned_.package.files.size());
      EXPECT_EQ(signed_.package.integrity, unsigned_.package.integrity);
    }
  }
}

TEST(SignedInstallerScan, TheTableSearchKeepsTheWholeFileForAnythingElse) {
  const std::string plain = Installer(testing::MinimalPe(), SampleEntries(), true);
  const std::string signedFile = testing::AppendCertificateTable(plain, std::string(64, '\1'));
  const auto end = [](const std::string& bytes) {
    fake::FakeFiles files;
    files.PutFile("C:\\a.exe", bytes);
    return AppendedDataEnd(*files.OpenRead("C:\\a.exe"));
  };
  const auto size = static_cast<int64_t>(signedFile.size());
  EXPECT_EQ(end(signedFile), size - 64);
  EXPECT_EQ(end(plain), static_cast<int64_t>(plain.size()));
  const auto patched = [&](size_t at, uint32_t value) {
    std::string b = signedFile;
    testing::PutLe(b, at, value, 4);
    return b;
  };
  // A table that runs past the end, one that starts inside the headers, a file that is no PE,
  // a PE header pointer past the end, too few data directories, an unknown optional header.
  EXPECT_EQ(end(patched(testing::kSecurityEntryAt + 4, 65)), size);
  EXPECT_EQ(end(patched(testing::kSecurityEntryAt, 0x20)), size);
  EXPECT_EQ(end("MZ"), 2);
  EXPECT_EQ(end(std::string(signedFile).replace(0, 2, "ZM")), size);
  EXPECT_EQ(end(patched(0x3C, 0xFFFFFFF0)), size);
  EXPECT_EQ(end(patched(testing::kOptionalAt + 92, 4)), size);
  EXPECT_EQ(end(patched(testing::kOptionalAt, 0x30B)), size);
  // Trailing bytes that are not alignment zeros stay a damaged record.
  auto entries = SampleEntries();
  entries[1].content = std::string((8 - plain.size() % 8 + 5) % 8, 'x');  // 3 zeros of padding
  std::string notZeros = testing::AppendCertificateTable(
      Installer(testing::MinimalPe(), entries, true), std::string(64, '\1'));
  notZeros[notZeros.size() - 64 - 1] = '\x01';
  PackageFixture f;
  f.Put(notZeros);
  EXPECT_FALSE(f.Scan());
  EXPECT_TRUE(f.LogHas("! Damaged package: the record at"));
}

}  // namespace
}  // namespace zebo

namespace zebo::pack {
namespace {

using zebo::Installer;

// list tells the three states apart; verify accepts only a matching record.
TEST(ZeboPackVerify, ExitCodesFollowTheIntegrityRecord) {
  const std::string dir = ::testing::TempDir() + "zebo-verify-" + std::to_string(getpid()) + "/";
  host::HostFiles files;
  ASSERT_TRUE(files.MakeFolder(dir));
  std::string good = Installer(testing::kStub, testing::SampleEntries(), true);
  std::string changed = good;
  changed[changed.size() - 100] ^= 0x08;
  ASSERT_TRUE(
      files.WriteFile(dir + "old.exe", Installer(testing::kStub, testing::SampleEntries(), false)));
  ASSERT_TRUE(files.WriteFile(dir + "good.exe", good));
  ASSERT_TRUE(files.WriteFile(dir + "changed.exe", changed));
  struct Case {
    const char* file;
    int list, verify;
    const char* shown;
  } cases[] = {
      {"good.exe", 0, 0, "Integrity:          SHA-256 record present, matches"},
      {"old.exe", 0, 1, "Integrity:          none"},
      {"changed.exe", 1, 1, "Integrity:          MISMATCH"},
  };
  for (const Case& c : cases) {
    std::ostringstream out, err;
    CommandContext context{files, out, err, dir, {2026, 12, 11, 10, 0, 0}};
    EXPECT_EQ(RunZeboPack(context, {"list", dir + c.file}), c.list) << c.file << err.str();
    EXPECT_NE(out.str().find(c.shown), std::string::npos) << c.file << out.str();
    EXPECT_EQ(out.str().find(kIntegrityRecordName), std::string::npos) << c.file;
    EXPECT_EQ(RunZeboPack(context, {"verify", dir + c.file}), c.verify) << c.file;
  }
  for (const char* name : {"old.exe", "good.exe", "changed.exe"}) {
    EXPECT_TRUE(files.DeleteFile(dir + name));
  }
}

}  // namespace
}  // namespace zebo::pack
