#pragma once

namespace kpd {

// The name the editor's per-user settings and its per-user drive folder are kept under.
// Users' settings files and folders already carry it: changing it would lose them.
inline constexpr const char* kApplicationName = "VXKey pad tool";

} // namespace kpd
