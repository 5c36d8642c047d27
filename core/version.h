#pragma once

// The program's version, shown behind the translated "Lc420 ver. " prefix in
// the window title and in the about box. It is not translated.
namespace Lc420 {
inline constexpr char version[] = "1.03";
} // namespace Lc420
