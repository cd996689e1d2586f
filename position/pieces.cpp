#include "position/pieces.h"

#include "position/game_state.h"
#include "position/groups.h"
#include "position/position_key.h"

namespace {

// One line of a family that pieces move along: its count index, its start cell and its number of
// squares.
struct LineSpot {
    int index, start, length;
};

// The count index of the lines of lineBits' four families, in the projections' numbering.
constexpr Projection LINE_FAMILY_PROJECTION[4] = {PROJ_ROWS, PROJ_DIAGS, PROJ_COLS, PROJ_ANTI_DIAGS};

inline const SquareLines& squareAt(int row, int col) { return game.squareLines[boardIndex(row, col)]; }

// spotOf() is line k (0 row, 1 diagonal, 2 column, 3 anti-diagonal) through the square.
inline LineSpot spotOf(const SquareLines& square, int k) {
    return {square.projection[LINE_FAMILY_PROJECTION[k]], square.start[k], square.length[k]};
}

inline uint64_t laneBit(int place, int s) { return uint64_t{1} << (place + 32 * s); }

// enterLines() marks a new piece of side s on the four lines through its square. Its direction
// bits there are clear: it arrives with empty masks, and the last piece to leave the square took
// its own bits along.
inline void enterLines(const SquareLines& square, int s) {
    for (int k = 0; k < 4; ++k)
        game.lineBits[k][square.projection[LINE_FAMILY_PROJECTION[k]]].pieces |= laneBit(square.place[k], s);
}

// leaveLines() takes a piece of side s and its direction bits off the four lines through its square.
inline void leaveLines(const SquareLines& square, int s) {
    for (int k = 0; k < 4; ++k) {
        LineBits& line = game.lineBits[k][square.projection[LINE_FAMILY_PROJECTION[k]]];
        const uint64_t keep = ~laneBit(square.place[k], s);
        line.pieces &= keep;
        line.forward &= keep;
        line.forwardCaptures &= keep;
        line.backward &= keep;
        line.backwardCaptures &= keep;
    }
}

// adjustCount() adds delta (+1 or -1) to count i of one projection of side s: in its table, in
// its bytes, and in its occupancy mask, whose bit i stays equal to (count != 0). A placement always
// leaves the line occupied; a removal empties it when the count drops to 0.
inline void adjustCount(int32_t* counts, int s, Projection k, int i, int delta) {
    const int32_t count = counts[i] += delta;
    game.sideLineBytes[s][k][i] = static_cast<uint8_t>(count);
    uint64_t& occupied = game.sideOccupiedLines[s][k];
    if (delta > 0) occupied |= uint64_t{1} << i;
    else occupied &= ~(static_cast<uint64_t>(count == 0) << i);
}

// squareKeys.of[i] is squareKey(i), worked out once.
struct SquareKeys {
    uint64_t of[MAX_BOARD_SIZE * MAX_BOARD_SIZE];
    constexpr SquareKeys() : of() {
        for (int i = 0; i < MAX_BOARD_SIZE * MAX_BOARD_SIZE; ++i) of[i] = squareKey(i);
    }
};
constexpr SquareKeys squareKeys;
constexpr PieceSquareKeys pieceSquareKeys;

// toggleSquare() puts the square into side s's set of squares or takes it out, and its key with it;
// the position key follows.
inline void toggleSquare(int number, int s) {
    game.sideSquares[s][number >> 6] ^= uint64_t{1} << (number & 63);
    game.sideSquaresKey[s] ^= squareKeys.of[number];
    game.positionKey ^= pieceSquareKeys.of[s][number];
}

// adjustLineCounts() adds delta to the four counts of both sides and the eight counts of side s
// for the lines through the square, whose side s it joins or leaves.
inline void adjustLineCounts(const SquareLines& square, int s, int delta) {
    const uint8_t* index = square.projection;
    ++game.sideChangeCount[s];
    toggleSquare(squareNumber(index[PROJ_ROWS] + 1, index[PROJ_COLS] + 1), s);
    game.colCount[index[PROJ_COLS]] += delta;
    game.antiDiagCount[index[PROJ_ANTI_DIAGS]] += delta;
    game.rowCount[index[PROJ_ROWS]] += delta;
    game.diagCount[index[PROJ_DIAGS]] += delta;
    adjustCount(game.side2ColMinusRowCount[s], s, PROJ_2COL_MINUS_ROW, index[PROJ_2COL_MINUS_ROW], delta);
    adjustCount(game.sideColCount[s], s, PROJ_COLS, index[PROJ_COLS], delta);
    adjustCount(game.sideRowPlus2ColCount[s], s, PROJ_ROW_PLUS_2COL, index[PROJ_ROW_PLUS_2COL], delta);
    adjustCount(game.sideAntiDiagCount[s], s, PROJ_ANTI_DIAGS, index[PROJ_ANTI_DIAGS], delta);
    adjustCount(game.side2RowPlusColCount[s], s, PROJ_2ROW_PLUS_COL, index[PROJ_2ROW_PLUS_COL], delta);
    adjustCount(game.sideRowCount[s], s, PROJ_ROWS, index[PROJ_ROWS], delta);
    adjustCount(game.side2RowMinusColCount[s], s, PROJ_2ROW_MINUS_COL, index[PROJ_2ROW_MINUS_COL], delta);
    adjustCount(game.sideDiagCount[s], s, PROJ_DIAGS, index[PROJ_DIAGS], delta);
}

// bitCounts.of[m] is the number of set bits of an 8-bit direction mask m.
struct BitCounts {
    uint8_t of[256];
    constexpr BitCounts() : of() {
        for (int m = 1; m < 256; ++m) of[m] = static_cast<uint8_t>(of[m >> 1] + (m & 1));
    }
};
constexpr BitCounts bitCounts;

// laneMasks.below[x]: the places 0 .. x - 1 in both halves of a line mask.
struct LaneMasks {
    uint64_t below[34];
    constexpr LaneMasks() : below() {
        for (int x = 0; x < 34; ++x) {
            const uint64_t lane = x >= 32 ? 0xFFFFFFFFu : (uint64_t{1} << x) - 1;
            below[x] = lane | lane << 32;
        }
    }
};
constexpr LaneMasks laneMasks;

// The shift counts with which smearDown() spreads a mask over k places in four doubling steps, for
// k = 0..15: by 1, 2, 4 and 8 places, each cut down to what k still needs.
struct SmearSteps {
    int8_t shift[16][4];
    constexpr SmearSteps() : shift() {
        for (int k = 0; k < 16; ++k) {
            int covered = 1;
            for (int step = 0; step < 4; ++step) {
                const int more = k - covered < covered ? k - covered : covered;
                shift[k][step] = static_cast<int8_t>(more > 0 ? more : 0);
                covered += shift[k][step];
            }
        }
    }
};
constexpr SmearSteps smearSteps;

// smearDown() has bit p set when x has a bit at one of p + 1 .. p + k, k at most 15: the places
// that a forward move of k + 1 squares from p passes over.
inline uint64_t smearDown(uint64_t x, int k) {
    uint64_t r = x >> 1;
    for (int step = 0; step < 4; ++step) r |= r >> smearSteps.shift[k][step];
    return k > 0 ? r : 0;
}

// Places 0 .. 17 of both halves. Shifting a mask down carries side 1's low places into side 0's
// half, but never below place 18 there: below it, each half of smearDown() is its own side's.
constexpr uint64_t LOW_PLACES = 0x0003FFFF0003FFFFu;

// updateLineAt() fixes the two direction bits that one line owns (forward D, backward (D + 4) & 7)
// for every piece on it that can move along it, from the line's masks and its piece count n. A move
// goes exactly n squares; it is legal when no enemy piece stands strictly between and the target
// is on the board and holds no own piece, and it captures when the target holds an enemy piece. A
// piece's forward move is examined when its place is at most length - n + 1 and its backward move
// when its place is at least n: nearer a border than that, the move would leave the board and its
// bit is left as it is.
//
// Both sides are worked out at once, each in its half of the masks. The line's move masks mirror
// the bits in the pieces' records, so comparing old and new masks finds the few pieces whose bits
// change, and only their records are rewritten. The function is inlined into its callers, where
// the direction is a constant and the line's spot stays in registers.
template <int D>
[[gnu::always_inline]] inline void updateLineAt(const LineSpot& spot, int n) {
    if (n == 0) return;
    LineBits& line = game.lineBits[D - 3][spot.index];
    const uint64_t own = line.pieces;
    const uint64_t enemy = own >> 32 | own << 32;  // each side's enemies in its own half
    const uint64_t* below = laneMasks.below;
    const int rest = spot.length - n;  // a forward move from place p stays on the board when p <= rest
    const uint64_t forwardSeen = own & below[rest + 2];  // places 1 .. rest + 1
    const uint64_t backwardSeen = own & ~below[n];       // places n .. length
    const uint64_t forwardOnBoard = below[rest + 1];     // places 1 .. rest (and 0, never a piece)
    const uint64_t backwardOnBoard = ~below[n + 1];      // places n + 1 .. length

    // A forward move from p passes over the same squares as a backward move from p + n, so one
    // spread of the enemy pieces serves both directions. Shifts by n may carry bits from one half
    // into the other, but only onto places beyond 16, where no square lies.
    const uint64_t forwardBlocked = smearDown(enemy, n - 1);
    const uint64_t backwardBlocked = (forwardBlocked & LOW_PLACES) << n;
    const uint64_t forward = forwardOnBoard & own & ~forwardBlocked & ~(own >> n);
    const uint64_t backward = backwardOnBoard & own & ~backwardBlocked & ~(own << n);
    const uint64_t forwardCaptures = forward & enemy >> n;
    const uint64_t backwardCaptures = backward & enemy << n;

    // The new masks lie inside what was examined; outside it the old bits stay.
    const uint64_t forwardFlips = (line.forward & forwardSeen) ^ forward;
    const uint64_t forwardCaptureFlips = (line.forwardCaptures & forwardSeen) ^ forwardCaptures;
    const uint64_t backwardFlips = (line.backward & backwardSeen) ^ backward;
    const uint64_t backwardCaptureFlips = (line.backwardCaptures & backwardSeen) ^ backwardCaptures;
    line.forward ^= forwardFlips;
    line.forwardCaptures ^= forwardCaptureFlips;
    line.backward ^= backwardFlips;
    line.backwardCaptures ^= backwardCaptureFlips;

    const int32_t* cells = boardCells();
    constexpr int f = DirectionOffsets[D];
    constexpr int back = (D + 4) & 7;
    uint64_t changed = forwardFlips | forwardCaptureFlips | backwardFlips | backwardCaptureFlips;
    for (; changed != 0; changed &= changed - 1) {
        const int b = __builtin_ctzll(changed);
        const int s = b >> 5;
        PieceRecord& piece = game.pieces[cells[spot.start + (b & 31) * f] - PIECE_CODE_BASE];
        piece.moveDirs ^= static_cast<uint32_t>((forwardFlips >> b) & 1) << D |
                          static_cast<uint32_t>((backwardFlips >> b) & 1) << back;
        piece.captureDirs ^= static_cast<uint32_t>((forwardCaptureFlips >> b) & 1) << D |
                             static_cast<uint32_t>((backwardCaptureFlips >> b) & 1) << back;
        const int32_t moveCount = bitCounts.of[piece.moveDirs];
        const int32_t captureCount = bitCounts.of[piece.captureDirs];
        game.sideMoveCount[s] += moveCount - piece.moveCount;
        game.sideCaptureCount[s] += captureCount - piece.captureCount;
        piece.moveCount = moveCount;
        piece.captureCount = captureCount;
    }
}

}  // namespace

void placePiece(int row, int col, int id) {
    game.board[row][col] = id + PIECE_CODE_BASE;
    game.pieces[id].row = row;
    game.pieces[id].col = col;
    const SquareLines& square = squareAt(row, col);
    adjustLineCounts(square, sideOfPiece(id), +1);
    enterLines(square, sideOfPiece(id));
    joinGroupsOnPlace(id);
}

void removePiece(int row, int col, int id) {
    const int s = sideOfPiece(id);
    game.board[row][col] = EMPTY_CELL;
    const SquareLines& square = squareAt(row, col);
    adjustLineCounts(square, s, -1);
    leaveLines(square, s);
    PieceRecord& p = game.pieces[id];
    p.moveDirs = 0;
    p.captureDirs = 0;
    game.sideMoveCount[s] -= p.moveCount;
    game.sideCaptureCount[s] -= p.captureCount;
    p.moveCount = 0;
    p.captureCount = 0;
    splitGroupOnRemove(id);
}

void newPiece(int row, int col, int side) {
    const int id = game.nextPieceId[side]++;
    PieceRecord& p = game.pieces[id];
    p.captureDirs = 0;
    p.moveDirs = 0;
    p.onBoard = true;
    p.captureCount = 0;
    p.moveCount = 0;
    ++game.pieceCount[side];
    placePiece(row, col, id);
    updateLinesThrough(row, col);
}

void updateLinesThrough(int row, int col) {
    const SquareLines& square = squareAt(row, col);
    updateLineAt<3>(spotOf(square, 0), game.rowCount[square.projection[PROJ_ROWS]]);
    updateLineAt<4>(spotOf(square, 1), game.diagCount[square.projection[PROJ_DIAGS]]);
    updateLineAt<5>(spotOf(square, 2), game.colCount[square.projection[PROJ_COLS]]);
    updateLineAt<6>(spotOf(square, 3), game.antiDiagCount[square.projection[PROJ_ANTI_DIAGS]]);
}

// updateLine() updates the line whose start cell is `start` and whose forward direction is d; its
// first square names the line.
void updateLine(int start, int d, int n) {
    const SquareLines& first = game.squareLines[start + DirectionOffsets[d]];
    switch (d) {
        case 3: updateLineAt<3>(spotOf(first, 0), n); break;
        case 4: updateLineAt<4>(spotOf(first, 1), n); break;
        case 5: updateLineAt<5>(spotOf(first, 2), n); break;
        default: updateLineAt<6>(spotOf(first, 3), n); break;
    }
}
