#pragma once

#include <chrono>

// When a window checks again by itself: once a change to the files the check reads has
// settled, and when a new day begins, which midnight, a clock set anew or a machine woken up
// may bring. The system tells of each; nothing is asked at intervals.
namespace drawchk {

// A file written in pieces, or replaced in two steps, is checked once, after its last change.
inline constexpr std::chrono::milliseconds kSettleTime{300};

// What woke a window, besides its user: the files settled after a change, or a new day may
// have begun (midnight, a clock set anew, a machine woken up). The window check decides
// whether it checks again (WindowCheck::ChecksAgain).
enum class Wake { kFilesSettled, kNewDay };

// When the newest row is judged again: a second past `midnight`, the next local midnight,
// so that the new day has begun on every clock that reads it; at least a second and at most
// 25 hours after `now`, whatever the time zone's rules say.
std::chrono::system_clock::time_point NewDayAt(std::chrono::system_clock::time_point now,
                                               std::chrono::system_clock::time_point midnight);
// The same for the local time zone's next midnight after `now`.
std::chrono::system_clock::time_point NewDayAt(std::chrono::system_clock::time_point now);

}  // namespace drawchk
