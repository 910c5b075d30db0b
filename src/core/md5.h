// The MD5 digest (RFC 1321), as the password check and the author's tool write it.
#pragma once

#include <string>
#include <string_view>

namespace zebo {

// The digest of the bytes as 32 lower-case hexadecimal digits.
std::string Md5Hex(std::string_view bytes);

}  // namespace zebo
