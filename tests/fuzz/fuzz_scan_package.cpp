// Fuzzes the package reader and the extraction of every record it accepts, on the fake files.
// The unpacked-size cap is lowered to 64 KiB (above the largest input): a few bytes of input can
// announce 64 MiB, and allocating and decoding that under the sanitizers takes a third of a
// second, which would make every such input a thousand times slower than the rest; even 1 MiB
// buffers made each run map and unmap memory. The unit tests cover the real cap.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/core.h"
#include "package/extraction.h"
#include "package/package_reader.h"
#include "platform/fake/fake_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zebo::fake::FakePlatform fake;
  zebo::Core core(fake.platform);
  core.mainExe = "C:\\Setup.exe";
  fake.files.PutFile(core.mainExe, std::string(reinterpret_cast<const char*>(data), size));
  fake.files.PutFolder("C:\\Out");
  zebo::PackageState package;
  package.maxUnpackedSize = 1 << 16;
  (void)zebo::ScanPackage(core, package, core.mainExe);
  for (size_t i = 0; i < package.files.size(); ++i) {
    package.currentFile = i;
    (void)zebo::ExtractFile(core, package, "C:\\Out\\f", false, (i & 1) != 0);
    (void)zebo::ExtractFile(core, package, "", true, false);
  }
  zebo::PlayStartSound(core, package);
  return 0;
}
