#pragma once

// The trend file's texts and the viewer's own texts are single-byte Windows-1251 (Cyrillic).
// The file's bytes are kept as they are and decoded to UTF-8 only where they are shown.

#include <string>
#include <string_view>

namespace trend {

// Decodes Windows-1251 bytes to UTF-8. The one byte the code page leaves unassigned (0x98)
// becomes U+FFFD.
[[nodiscard]] std::string DecodeWindows1251(std::string_view bytes);

}  // namespace trend
