#include "position/toolkit.h"

namespace {
void noEvents() {}
void noArm(double) {}
void noAction() {}
void noText(const char*) {}
}  // namespace

ToolkitHooks toolkit = {noEvents, noArm, noAction, noAction, noAction, noText, noText};

void resetToolkitHooks() { toolkit = {noEvents, noArm, noAction, noAction, noAction, noText, noText}; }
