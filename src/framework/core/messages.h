#pragma once

// The framework's own message texts. The codecs and the program keep theirs beside their code.
namespace messages {

inline constexpr const char* kListIndexError = "List index out of bounds";
inline constexpr const char* kReadError = "Stream read error";
inline constexpr const char* kWriteError = "Stream write error";
inline constexpr const char* kCreateError = "Cannot create file %s";
inline constexpr const char* kOpenError = "Cannot open file %s";
inline constexpr const char* kAssignError = "Cannot assign a %s to a %s";
inline constexpr const char* kResNotFound = "Resource %s not found";
inline constexpr const char* kOutOfResources = "Out of system resources";
inline constexpr const char* kOutOfMemory = "Out of memory";
inline constexpr const char* kNoTimers = "Not enough timers available";
// Shown for something thrown that is not an exception at all.
inline constexpr const char* kUnknownException = "Unknown exception";
inline constexpr const char* kRegSetDataFailed = "Failed to set data for '%s'";
inline constexpr const char* kSeekError = "Invalid stream position";
inline constexpr const char* kSynchronizeCancelled =
    "Synchronized call cancelled: the main thread runs no more calls";
inline constexpr const char* kThreadNotStarted = "Cannot wait for a thread that has not started";
inline constexpr const char* kThreadFreesItself = "Cannot wait for a thread that frees itself";
// Form data: "Error reading NAME.PROPERTY: what was wrong".
inline constexpr const char* kFormReadError = "Error reading %s: %s";
inline constexpr const char* kPropertyNotFound = "property does not exist";
inline constexpr const char* kNotAnObject = "%s is not an object property";
inline constexpr const char* kNoObject = "%s holds no object";
inline constexpr const char* kClassNotFound = "class %s not found";
inline constexpr const char* kNotAComponent = "class %s is not a component";
inline constexpr const char* kHandlerNotFound = "handler %s not found";
inline constexpr const char* kDuplicateName = "a component named %s already exists";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";

}  // namespace messages
