#pragma once

// The vendor's addresses, shown and opened by the about, credits and start screens.
namespace Vendor {
inline constexpr const char *kWebAddress = "https://www.cantilog.example/";
inline constexpr const char *kEmail = "info@cantilog.example";
inline constexpr const char *kCredits = " Cantilog - software per la gestione dei cantieri edili";
} // namespace Vendor
