// `zebo-pack adapt` (not there yet).
#include "tools/zebo-pack/adapt_command.h"

#include <cstdio>

namespace zebo::pack {

int RunAdaptCommand(Files&, const std::vector<std::string>&) {
  std::fputs("zebo-pack: adapt is not available yet\n", stderr);
  return 2;
}

}  // namespace zebo::pack
