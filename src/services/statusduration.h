#pragma once

// How long a status-bar message stays, in milliseconds.
namespace StatusDuration {

// Until the next message replaces it.
constexpr int UntilReplaced = 0;
// The result of a command: gone after two seconds.
constexpr int Result = 2000;
// Work under way that may take long; its result replaces it.
constexpr int Working = 33333;

} // namespace StatusDuration
