// The computer player of the window: the classic player (the default), the strong one, or one of the
// levels 1 to 10, chosen in the menu's "Computer player" or with --engine and --level. The choice holds
// for both sides and for everything the computer does in the window: "Think!", the automatic play and
// the hint. A level also puts its limits into the two limit fields, which a person may still edit.
#pragma once

#include "search/player.h"

// choosePlayerEngine() makes `engine` play without a level; the limit fields stay as they are.
void choosePlayerEngine(Engine engine);

// choosePlayerLevel() makes level `level` (1..10) play and fills the limit fields with its limits.
void choosePlayerLevel(int level);

// Whether the window's player is that engine without a level, or that level: the menu's radio items.
bool isPlayerEngine(Engine engine);
bool isPlayerLevel(int level);
