// The layout names Windows fonts; map each to an installed look-alike, with a
// CJK font behind it for the Chinese texts.
#pragma once

namespace platform {

void installFontSubstitutes();

} // namespace platform
