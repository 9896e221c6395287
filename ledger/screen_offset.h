#pragma once

// Offsets added to every position that the shared drawing routines use: the
// button grid's screen text and the print engine. They are 0 on screen and
// outside print jobs; only a print job moves them, through
// ScreenOffsetGuard. They live here, beside the other helpers without a
// toolkit, so that the controls and the printing code can both reach them
// without depending on each other.
extern int gScreenX;
extern int gScreenY;

// Owned by a print job: sets the offsets for the job's layout and puts both
// back to 0 when the job ends, whichever way it ends (a normal finish, an early
// return, an exception), so the screen never draws with a print job's offsets.
class ScreenOffsetGuard {
  public:
    ScreenOffsetGuard() = default;
    ~ScreenOffsetGuard();
    ScreenOffsetGuard(const ScreenOffsetGuard&) = delete;
    ScreenOffsetGuard& operator=(const ScreenOffsetGuard&) = delete;

    void Set(int x, int y);
};
