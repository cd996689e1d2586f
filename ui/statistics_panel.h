// The statistics panel: six numbers per side in boxes of their own (ui/widgets.h), filled from the
// position.
#pragma once

// refreshStatistics() fills every box of the panel from the position.
void refreshStatistics();

// writeDigits() writes value as a zero-padded field of `width` digits (2 or 3) and a terminating zero,
// digit by digit as the panel has always shown it.
void writeDigits(char* out, int value, int width);
