#pragma once

#include <chrono>

// What the launcher knows of the Quillmark suite: the INI file whose automatic start it turns
// off before the installer runs, and the names of the messages its running programs answer to.
namespace quillmark {

// Fixed on purpose: the suite always installs there, whatever the system's own folders are.
inline constexpr const char* kIniPath = "C:\\Program Files\\Quillmark\\Quillmark.Ini";
inline constexpr const char* kUserManSection = "UserMan";
inline constexpr const char* kUseAutoStartKey = "UseAutoStart";

// Copies of the launcher take turns at the INI file: the system rewrites it whole on every
// write, and two writers at once lose the user's settings. Global, because a copy in another
// logon session of the machine writes the same file.
inline constexpr const char* kIniSwitchMutex = "Global\\Ruvelin-Quillmark.Ini";
// A switch takes milliseconds; past this wait a copy switches anyway rather than stall.
inline constexpr std::chrono::milliseconds kIniSwitchWait{5000};

// Each query with its reply; any running suite program answers one of them.
inline constexpr const char* kReturnQMTasksWHnd = "WMReturnQMTasksWHnd";
inline constexpr const char* kGetQMTasksWHnd = "WMGetQMTasksWHnd";
inline constexpr const char* kReturnQMTaskWarnWHnd = "WMReturnQMTaskWarnWHnd";
inline constexpr const char* kGetQMTaskWarnWHnd = "WMGetQMTaskWarnWHnd";
inline constexpr const char* kReturnQuillmarkWHnd = "WMReturnQuillmarkWHnd";
inline constexpr const char* kGetQuillmarkWHnd = "WMGetQuillmarkWHnd";

} // namespace quillmark
