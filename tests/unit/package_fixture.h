// Shared set-up of the package tests: installers made by the real writer, read on the fake files.
#pragma once

#include <string>
#include <vector>

#include "core/core.h"
#include "package/package.h"
#include "package/package_reader.h"
#include "platform/fake/fake_platform.h"
#include "tools/zebo-pack/package_writer.h"

namespace zebo::testing {

inline PackageInfo SampleInfo() {
  PackageInfo info;
  info.Date = 1796985000;
  info.ApplicationName = "Bloc-notes Plus";
  info.ApplicationVersion = "3.2";
  info.RecommendedWith = "Windows 11";
  info.RecommendedJaws = "2019 \xE0 2025";
  info.ScriptName = "BlocNotesPlus";
  info.ScriptVersion = "1.0";
  info.ScriptAuthor = "L'\xE9quipe";
  info.Contact = "scripts@example.org";
  info.AuthorSite = "https://example.org/";
  info.ApplicationSite = "";
  info.CreatedOn = "test";
  info.VersionUrl = "https://example.org/v/";
  info.Flags = InfoRestartJaws | 0x4000;
  info.PasswordDigest = "896b16a44fa67b84ae9d7918fa7deb80";
  info.Reserved = "r";
  info.Comments = "ligne 1\r\nligne 2";
  info.Alias = "bnplus; blocnotesplus";
  return info;
}

inline pack::PackEntry Entry(std::string name, int32_t group, std::string content,
                             int32_t flags = 0, int32_t order = 0) {
  pack::PackEntry entry;
  entry.record.Name = std::move(name);
  entry.record.TargetPath = "%JawsScriptPath%\\";
  entry.record.Group = group;
  entry.record.CompileOrder = order;
  entry.record.Flags = flags;
  entry.content = std::move(content);
  return entry;
}

// A minimal WAV header (44 bytes) with the given byte rate, followed by `dataBytes` bytes.
inline std::string Wav(uint32_t bytesPerSecond, size_t dataBytes) {
  std::string wav = "RIFF\0\0\0\0WAVEfmt ";
  wav.resize(44, '\0');
  for (int i = 0; i < 4; ++i) wav[28 + i] = static_cast<char>((bytesPerSecond >> (8 * i)) & 0xFF);
  wav += std::string(dataBytes, '\x11');
  return wav;
}

inline std::vector<pack::PackEntry> SampleEntries() {
  std::string binary;
  for (int i = 0; i < 256; ++i) binary.push_back(static_cast<char>(i));
  return {Entry("BlocNotesPlus.jss", 0,
                "Script Hello ()\r\n\tSayString (\"Bonjour\")\r\nEndScript\r\n", FileCompile, 1),
          Entry("Vide.jsh", 0, ""), Entry("Binaire.bin", 1, binary, FileOptional | 0x10000),
          Entry("chime.wav", StartSoundGroup, Wav(22050, 300))};
}

inline constexpr char kStub[] = "MZ\x90\0stub bytes\r\n<([ not the marker\0\xFF";

struct Sample {
  std::string installer;
  std::vector<pack::PackEntry> entries;  // with their sizes and offsets (within the package)
  size_t packageStart = 0;
};

inline Sample MakeInstaller(std::vector<pack::PackEntry> entries,
                            std::vector<std::string> groups = {"2019", "11.0"},
                            const pack::Encoder& encode = nullptr,
                            PackageInfo info = SampleInfo()) {
  Sample sample;
  const std::string stub(kStub, sizeof kStub - 1);
  const std::string package = pack::WritePackage(info, groups, entries, encode);
  sample.installer = pack::JoinInstaller(stub, package);
  sample.packageStart = sample.installer.size() - package.size();
  sample.entries = std::move(entries);
  return sample;
}

struct PackageFixture {
  fake::FakePlatform fake;
  Core core{fake.platform};
  PackageState package;
  std::string exe = "C:\\Downloads\\Setup.exe";

  void Put(const std::string& bytes) {
    fake.files.PutFile(exe, bytes);
    fake.files.PutFolder("C:\\Out");
    core.mainExe = exe;
  }
  bool Scan() { return ScanPackage(core, package, exe); }
  bool LogHas(const std::string& prefix) const {
    for (const auto& line : core.log.Detailed()) {
      if (line.rfind(prefix, 0) == 0) return true;
    }
    return false;
  }
};

}  // namespace zebo::testing
