#pragma once
#include <string_view>

namespace gravok::test {

// True when text is exactly one well-formed JSON value (RFC 8259 grammar, no extensions).
[[nodiscard]] bool isJson(std::string_view text);

} // namespace gravok::test
