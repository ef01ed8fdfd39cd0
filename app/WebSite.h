#pragma once

// The maker's web site, opened from the about menu and the about box.
inline const char* const kWebSite = "https://www.kavio.example";
