#pragma once
// Sleeping on the monotonic clock: wall-clock changes must not stretch or cut
// a reply wait, and a signal does not shorten it.

// Sleeps at least `ms` milliseconds; nothing for 0 or less.
void SleepMonotonicMs(int ms);
