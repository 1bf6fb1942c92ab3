#pragma once

// Lowers the calling thread's priority for good: work done in the background (a document read
// ahead, icons decoded) then never takes the processor from the window's own thread, which
// waits for it only when it really needs the result.
void lowerThreadPriority();
