// The JCALG1 encoder of the author's tool.
#pragma once

#include <string>
#include <string_view>

namespace zebo::pack {

// The data compressed in the JCALG1 format, header and checksum included. Never fails; the
// result may be longer than the input (the caller then stores the data uncompressed).
std::string Jcalg1Encode(std::string_view data);

}  // namespace zebo::pack
