#include "screen_offset.h"

int gScreenX = 0;
int gScreenY = 0;

ScreenOffsetGuard::~ScreenOffsetGuard() {
    gScreenX = 0;
    gScreenY = 0;
}

void ScreenOffsetGuard::Set(int x, int y) {
    gScreenX = x;
    gScreenY = y;
}
