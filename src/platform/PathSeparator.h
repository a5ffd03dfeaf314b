/*
** PathSeparator: the one separator the system writes into paths: "\" on
** Windows, "/" elsewhere. Paths are otherwise built by plain concatenation.
*/
#pragma once

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
inline constexpr const char* kPathSeparatorText = "\\";
#else
inline constexpr char kPathSeparator = '/';
inline constexpr const char* kPathSeparatorText = "/";
#endif
