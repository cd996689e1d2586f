// The one position of the process and its incremental bookkeeping. Everyone reads it; only the
// functions of position/ write the board, the counts, the masks and the groups.
#pragma once

#include <cstdint>

constexpr int MAX_BOARD_SIZE = 16;
constexpr int BOARD_STRIDE = 18;      // padded board: rows and columns 0 and N + 1 are border
constexpr int MAX_PIECES = 128;       // ids 0..63 side 0, 64..127 side 1
constexpr int NO_PIECE = -64;         // cell code of an empty square minus 64

// Cell codes of the padded board.
constexpr int32_t EMPTY_CELL = 0;
constexpr int32_t BORDER_CELL = -1;
constexpr int32_t PIECE_CODE_BASE = 64;  // code = piece id + 64

// Directions 0..7, clockwise from up-left; the opposite of d is (d + 4) & 7. Bit d of a direction
// mask stands for direction d. Odd directions are orthogonal, even ones diagonal.
constexpr int DirectionOffsets[8] = {-19, -18, -17, 1, 19, 18, 17, -1};
constexpr int DirRowDelta[8] = {-1, -1, -1, 0, 1, 1, 1, 0};
constexpr int DirColDelta[8] = {-1, 0, 1, 1, 1, 0, -1, -1};

constexpr int boardIndex(int row, int col) { return row * BOARD_STRIDE + col; }
constexpr int sideOfPiece(int id) { return id >> 6; }
// sideOfCode() is the side of the piece whose cell code (64..191) is given: code & 0xC0 is 0x40 or 0x80.
constexpr int sideOfCode(int32_t code) { return code >> 7; }

// squareNumber() numbers the squares of the largest board row by row, 0 .. 255.
constexpr int squareNumber(int row, int col) { return MAX_BOARD_SIZE * (row - 1) + col - 1; }

// squareKey() is a fixed pseudo-random number of each square number: the bits of the number
// mixed so that the keys of different sets of squares rarely agree.
constexpr uint64_t squareKey(int number) {
    uint64_t x = static_cast<uint64_t>(number) + 0x9E3779B97F4A7C15u;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
    return x ^ (x >> 31);
}

// The eight projections of a side's pieces, in the order in which the evaluation takes them.
enum Projection {
    PROJ_COLS,            // sideColCount
    PROJ_ROWS,            // sideRowCount
    PROJ_ANTI_DIAGS,      // sideAntiDiagCount
    PROJ_DIAGS,           // sideDiagCount
    PROJ_2COL_MINUS_ROW,  // side2ColMinusRowCount
    PROJ_ROW_PLUS_2COL,   // sideRowPlus2ColCount
    PROJ_2ROW_PLUS_COL,   // side2RowPlusColCount
    PROJ_2ROW_MINUS_COL,  // side2RowMinusColCount
    PROJECTION_COUNT
};

// The pieces of one line and, for each of them, the two direction bits that the line owns, forward
// d and backward (d + 4) & 7: a set bit in `forward` stands for a piece on that square whose
// moveDirs has bit d set, and so on. GameState::lineBits says how squares map to bits.
struct LineBits {
    uint64_t pieces;
    uint64_t forward;           // bit d of moveDirs
    uint64_t forwardCaptures;   // bit d of captureDirs
    uint64_t backward;          // bit (d + 4) & 7 of moveDirs
    uint64_t backwardCaptures;  // bit (d + 4) & 7 of captureDirs
};

// Where one square lies on the lines through it, for the board size in use.
struct SquareLines {
    uint8_t projection[PROJECTION_COUNT];  // count index of its line in each projection
    // Its row, diagonal, column and anti-diagonal, in the order of lineBits: the line's start
    // cell, its number of squares, and the square's place on it (1 = next to the start cell).
    int16_t start[4];
    uint8_t length[4];
    uint8_t place[4];
};

struct PieceRecord {
    int32_t row;            // square of the piece; kept while the piece is captured
    int32_t col;
    bool onBoard;           // 1 while on the board, 0 while captured
    int32_t moveCount;      // bits set in moveDirs
    int32_t captureCount;   // bits set in captureDirs
    uint32_t moveDirs;      // bit d: the piece has a legal move in direction d
    uint32_t captureDirs;   // bit d: that move lands on an enemy piece
    int32_t group;          // id of the group's namesake piece
    int64_t stamp;          // time stamp shared by the group; 64-bit so it never wraps
    int32_t weight;         // member tally of the group named after this piece (bookkeeping only)
};

struct GameState {
    int32_t boardSize;            // N, 4..16, fixed for the whole run
    int32_t setupNumber;          // initial arrangement 0..8
    int32_t sideToMove;           // 0 or 1; side 0 moves first
    int32_t board[BOARD_STRIDE][BOARD_STRIDE];  // 0 empty, -1 border, 64 + piece id for a piece

    int32_t pieceCount[2];        // pieces of each side on the board
    int32_t sideMoveCount[2];     // legal moves of each side (sum of moveCount)
    int32_t sideCaptureCount[2];  // capturing moves of each side (sum of captureCount)

    // Pieces of both sides per line.
    int32_t colCount[16];         // index col - 1
    int32_t antiDiagCount[31];    // index row + col - 2
    int32_t rowCount[16];         // index row - 1
    int32_t diagCount[31];        // index row - col + N - 1

    // Pieces of one side per line: the eight projections of the evaluation.
    int32_t side2ColMinusRowCount[2][46];  // index 2*col - row + N - 2
    int32_t sideColCount[2][16];           // index col - 1
    int32_t sideRowPlus2ColCount[2][46];   // index row + 2*col - 3
    int32_t sideAntiDiagCount[2][31];      // index row + col - 2
    int32_t side2RowPlusColCount[2][46];   // index 2*row + col - 3
    int32_t sideRowCount[2][16];           // index row - 1
    int32_t side2RowMinusColCount[2][46];  // index 2*row - col + N - 2
    int32_t sideDiagCount[2][31];          // index row - col + N - 1
    // The same eight tables as bit masks, indexed by Projection: bit i is set while the count of
    // line i is not 0. The evaluation finds the band and the gaps of a projection from these.
    uint64_t sideOccupiedLines[2][PROJECTION_COUNT];
    // And once more as bytes, 48 to a projection (the lines beyond a table's length stay 0), so
    // that the evaluation sums a band of lines in a few vector steps. A side has at most 64
    // pieces, so every count and every sum of counts fits in a byte.
    alignas(16) uint8_t sideLineBytes[2][PROJECTION_COUNT][48];

    // The four families of lines that pieces move along, as bit masks: lineBits[d - 3][i] is the
    // line of count index i of the family whose forward direction is d (rows 3, diagonals 4,
    // columns 5, anti-diagonals 6). Side 0 has bits 0..31 of each mask and side 1 bits 32..63; in
    // each half, bit p stands for the p-th square after the line's start cell.
    LineBits lineBits[4][31];

    // Every playing square's lines, by board index, filled by resetPosition for the board size:
    // placing, removing and the line updates look them up instead of working them out.
    SquareLines squareLines[BOARD_STRIDE * BOARD_STRIDE];

    PieceRecord pieces[MAX_PIECES];
    int32_t nextPieceId[2];       // next free id of each side
    int32_t groupCount[2];        // 8-connected groups of each side's pieces
    int64_t stampCounter;         // last group stamp handed out; 64-bit so it never wraps

    // Values kept by the search, the evaluation and the game history.
    int32_t searchPly;            // moves made from the root of the current search
    int32_t remainingDepth;       // remaining depth of the node being searched
    uint32_t evaluationCount;     // evaluations since the start of the current think
    int32_t obstruction;          // scratch value of the evaluation
    int32_t groupCountCopy;       // scratch value of the evaluation
    int32_t historyPosition;      // moves of the game line applied to the board

    // The connection distance of a side depends only on its own line counts and groups, which
    // change only when one of its pieces is placed or removed. sideChangeCount counts those
    // changes; the evaluation keeps each side's last distance with the count it was computed at,
    // plus 1, so that a zero key (a fresh or reset position) never matches.
    uint64_t sideChangeCount[2];
    uint64_t cachedDistanceKey[2];
    int32_t cachedDistance[2];

    // Each side's squares as a set of 256 bits, bit squareNumber(row, col), and a key of the set:
    // the exclusive or of squareKey() over its squares. The set alone decides the side's connection
    // distance, and the evaluation remembers distances by it (and finds them by the key).
    uint64_t sideSquares[2][4];
    uint64_t sideSquaresKey[2];

    // The key of the position without the side to move: boardSizeKey(N) and pieceSquareKey() of every
    // piece on the board, combined by exclusive or (position/position_key.h).
    uint64_t positionKey;
};

extern GameState game;

// The padded board as one array indexed by boardIndex(row, col).
inline int32_t* boardCells() { return &game.board[0][0]; }

// resetPosition() prepares an empty board of size game.boardSize: border cells -1, playing squares
// 0, line counts and move counts 0, no pieces, no kept distances, the lines of every square, and
// the position key of the empty board. It
// leaves the piece records, the groups, the stamp counter and sideToMove alone, so it runs once on
// the zero state of a fresh process.
void resetPosition();

// clearGameState() zeroes the whole record, as at process start, so that one process can set up one
// position after another: startPosition() begins with it in both programs and in the tests.
void clearGameState();
