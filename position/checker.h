// The from-scratch twin of the incremental position: recomputes every derived table from the board
// alone and reports the first difference.
#pragma once

#include <string>

// checkPosition() returns "" when every incremental table matches the board, else one line that
// names the first difference found.
std::string checkPosition();
