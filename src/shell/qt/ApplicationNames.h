#pragma once

// The names the per-user settings and data folders are filed under, for the window application
// and the console alike.
namespace zyk::application_names {

inline constexpr char kOrganisation[] = "Umbrin Software";
inline constexpr char kApplication[] = "Zyk Calc";

// Gives the running QCoreApplication these names; call it before settings or paths are read.
void Apply();

}  // namespace zyk::application_names
