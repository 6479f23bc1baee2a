#pragma once
// The keys of what the window keeps between runs (QSettings, organisation and
// application "bazi-seek"): nothing else is written unless the user asks.

namespace bazi::ui::settings {

inline constexpr const char* kGeometry = "window/geometry";
inline constexpr const char* kWindowState = "window/state";
inline constexpr const char* kLastFolder = "files/lastFolder";
inline constexpr const char* kRecentFiles = "files/recent";
inline constexpr const char* kLanguage = "ui/language";

/// How many files the recent-files menu lists.
inline constexpr int kRecentFileCount = 8;

} // namespace bazi::ui::settings
