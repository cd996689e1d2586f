// The players of a match: one small interface with three kinds behind it. A player of this program
// (classic, strong, level:N) thinks in the match's own process; a program that speaks the engine
// protocol (engine:COMMAND) is started once per game pair and told of each new game; a build of the
// tool (cli:PATH, or cli:PATH:ENGINE) is called once per move, as any build since game records
// exist can be. Every move a player gives is refereed by the match.
#pragma once

#include <memory>
#include <string>

// What each move may take: a fixed depth (seconds 0), or `seconds` with depth limit `depth`. A level
// brings its own limits instead.
struct MatchLimits {
    int depth;
    double seconds;
};

// The position a move is asked for, as a program outside sees it: the board, the setup and every
// move played from it, in notation. The match has the same position on its board.
struct MatchPosition {
    int size, setup;
    std::string moves;
};

struct MatchAnswer {
    enum Kind { Played, NoMove, Failed } kind;
    std::string text;  // the move in notation when Played, what went wrong when Failed
};

class MatchPlayer {
public:
    explicit MatchPlayer(std::string name) : name_(std::move(name)) {}
    virtual ~MatchPlayer() = default;
    const std::string& name() const { return name_; }

    // A pair of games on one opening begins and ends; between them come its two games.
    virtual void startPair() {}
    virtual void endPair() {}
    // startGame() tells the player that a new game begins in which it plays `side`.
    virtual void startGame(int side) = 0;
    // chooseMove() is the player's move for the side to move in the position.
    virtual MatchAnswer chooseMove(const MatchPosition& position) = 0;

private:
    std::string name_;
};

// makeMatchPlayer() makes the player that `spec` names, or returns null with the reason in `error`.
std::unique_ptr<MatchPlayer> makeMatchPlayer(const std::string& spec, const MatchLimits& limits, std::string& error);
