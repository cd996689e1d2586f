// dialog_values: the start-up dialog in this process (it needs a display), with values put straight into
// its two inputs, also values that typing cannot produce: fractions, infinities, not-a-number. OK takes
// the inputs' whole parts (truncated toward zero) when both are in range; otherwise the board size stays
// 0, the dialog stays open with the nearest values in range in its fields, and a second OK takes those.
// Prints "ok - ..." or "FAIL - ..." per case, then the tally; exits 1 if a case failed.
#include <FL/Fl.H>
#include <FL/Fl_Value_Input.H>
#include <FL/Fl_Window.H>

#include <cstdio>
#include <limits>
#include <string>

#include "app/startup_dialog.h"
#include "position/game_state.h"

namespace {

constexpr double INF = std::numeric_limits<double>::infinity();
constexpr double NOT_A_NUMBER = std::numeric_limits<double>::quiet_NaN();

// Values put into the board-size and setup inputs | what OK does: "N S" taken at once, or "refused, then
// N S" taken by the second OK from the corrected fields.
struct Case {
    double size, setup;
    const char* outcome;
};
const Case cases[] = {
    {8, 3, "8 3"},
    {16.9, 8.9, "16 8"},
    {4.2, -0.7, "4 0"},
    {3.5, 3, "refused, then 4 3"},
    {0.5, 3, "refused, then 4 3"},
    {17, 3, "refused, then 16 3"},
    {8, 9.5, "refused, then 8 8"},
    {8, -1, "refused, then 8 0"},
    {0, 3, "refused, then 4 3"},
    {1e300, -1e300, "refused, then 16 0"},
    {99999999999.0, 99999999999.0, "refused, then 16 8"},
    {INF, INF, "refused, then 16 8"},
    {-INF, 3, "refused, then 4 3"},
    {NOT_A_NUMBER, NOT_A_NUMBER, "refused, then 4 0"},
};

const Case* current = nullptr;
std::string outcome;

std::string taken() { return std::to_string(game.boardSize) + " " + std::to_string(game.setupNumber); }

// submit() runs inside the dialog's wait loop: it fills the fields and releases OK, twice if need be.
// The dialog's children are the board-size input, the setup input and OK, in that order.
void submit(void*) {
    auto* sizeInput = static_cast<Fl_Value_Input*>(mainWindow->child(0));
    auto* setupInput = static_cast<Fl_Value_Input*>(mainWindow->child(1));
    Fl_Widget* ok = mainWindow->child(2);
    sizeInput->value(current->size);
    setupInput->value(current->setup);
    ok->handle(FL_RELEASE);
    if (game.boardSize != 0) {
        outcome = taken();
        return;
    }
    ok->handle(FL_RELEASE);
    if (game.boardSize != 0) {
        outcome = "refused, then " + taken();
        return;
    }
    outcome = "refused twice";
    game.boardSize = -1;  // ends the dialog's loop all the same
}

}  // namespace

int main(int argc, char** argv) {
    int failed = 0;
    for (const Case& c : cases) {
        current = &c;
        game.boardSize = 0;
        game.setupNumber = -1;
        Fl::add_timeout(0, submit);
        runStartupDialog(argc, argv);
        const bool ok = outcome == c.outcome;
        failed += ok ? 0 : 1;
        std::printf("%s - size %g, setup %g: %s", ok ? "ok" : "FAIL", c.size, c.setup, outcome.c_str());
        if (!ok) std::printf(" instead of %s", c.outcome);
        std::printf("\n");
    }
    const int count = sizeof cases / sizeof cases[0];
    std::printf("%d passed, %d failed\n", count - failed, failed);
    return failed > 0 ? 1 : 0;
}
