// The quiet services of the author's tool.
#include "tools/zebo-pack/tool_platform.h"

#include <cstdio>
#include <cstdlib>

namespace zebo::pack {

void QuietHost::ExitProcess(int code) {
  // Only reached when memory runs out while reading a package.
  std::fputs("zebo-pack: out of memory\n", stderr);
  std::exit(code == 0 ? 1 : code);
}

}  // namespace zebo::pack
