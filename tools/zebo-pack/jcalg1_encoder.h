// The JCALG1 encoder of the author's tool.
#pragma once

#include <string>
#include <string_view>

namespace zebo::pack {

// The data compressed in the JCALG1 format, header and checksum included. The result may be longer
// than the input (the caller then stores the data uncompressed). Data of 2^31 bytes or more do not
// fit the format's size field and the decoders' 32-bit values: they give an empty result.
std::string Jcalg1Encode(std::string_view data);

}  // namespace zebo::pack
