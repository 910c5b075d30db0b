// The JCALG1 encoder of the author's tool.
#pragma once

#include <string>
#include <string_view>

namespace zebo::pack {

// The data compressed in the JCALG1 format, header and checksum included. The result may be longer
// than the input (the caller then stores the data uncompressed). Data of 2^31 bytes or more do not
// fit the format's size field and the decoders' 32-bit values: they give an empty result.
// The encoder decodes its own result and, should that ever differ from the data, gives a plain
// stream of raw bytes instead, so a fault in the parse can cost size but never data.
std::string Jcalg1Encode(std::string_view data);

// The parse's stream without that check, for the tests and the fuzzer that must see such faults.
std::string Jcalg1EncodeUnchecked(std::string_view data);

}  // namespace zebo::pack
