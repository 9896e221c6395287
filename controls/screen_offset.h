#pragma once

// Offsets added to every position the text helpers draw at. The print engine
// sets them while it lays out a page and resets them to 0 when the job ends;
// on screen they are always 0.
extern int gScreenX;
extern int gScreenY;
