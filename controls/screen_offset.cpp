#include "screen_offset.h"

int gScreenX = 0;
int gScreenY = 0;
