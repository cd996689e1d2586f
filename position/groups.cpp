#include "position/groups.h"

#include "position/game_state.h"

namespace {

// ringSplitEntry() counts the runs among the neighbour squares in mask: two neighbours are in one
// run when their squares touch (rows and columns differ by at most 1). Returns runs - 1.
constexpr int8_t ringSplitEntry(int mask) {
    int component[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
    int runs = 0;
    for (int start = 0; start < 8; ++start) {
        if (!(mask & (1 << start)) || component[start] >= 0) continue;
        // Flood one run; eight squares need at most eight passes.
        component[start] = runs;
        for (int pass = 0; pass < 8; ++pass) {
            for (int a = 0; a < 8; ++a) {
                if (component[a] != runs) continue;
                for (int b = 0; b < 8; ++b) {
                    if (!(mask & (1 << b)) || component[b] >= 0) continue;
                    const int dr = DirRowDelta[a] - DirRowDelta[b];
                    const int dc = DirColDelta[a] - DirColDelta[b];
                    if (dr >= -1 && dr <= 1 && dc >= -1 && dc <= 1) component[b] = runs;
                }
            }
        }
        ++runs;
    }
    return static_cast<int8_t>(runs - 1);
}

struct RingTable {
    int8_t entries[256];
    constexpr RingTable() : entries() {
        for (int mask = 0; mask < 256; ++mask) entries[mask] = ringSplitEntry(mask);
    }
};
constexpr RingTable ringTable;

// The group work list: a FIFO of piece ids, empty between operations. Pieces are labelled when they
// are appended, so each enters at most once per operation and 64 places (one side) suffice.
int workList[64];
int workHead = 0;
int workTail = 0;

inline void appendWork(int id) { workList[workTail++] = id; }
inline int takeWork() { return workList[workHead++]; }
inline bool workLeft() {
    if (workHead < workTail) return true;
    workHead = workTail = 0;
    return false;
}

inline int ownBits(int id) { return (id + PIECE_CODE_BASE) & 0xC0; }
inline int cellOf(int id) { return boardIndex(game.pieces[id].row, game.pieces[id].col); }

// neighbourMask() has bit d set when the neighbour of cell in direction d holds an own piece.
inline int neighbourMask(int cell, int own) {
    const int32_t* cells = boardCells();
    int mask = 0;
    for (int d = 0; d < 8; ++d) mask |= static_cast<int>((cells[cell + DirectionOffsets[d]] & 0xC0) == own) << d;
    return mask;
}

// runHeads(mask) are the own neighbours that scanNeighbourRuns() visits: directions 7 down to 0,
// and after each own neighbour found, the neighbours that touch it are skipped (three places
// after an orthogonal direction, two after a diagonal one). It depends on the mask alone.
struct RunHeads {
    uint8_t of[256];
    constexpr RunHeads() : of() {
        for (int mask = 0; mask < 256; ++mask) {
            int heads = 0;
            int d = 7;
            while (d >= 0) {
                if (!(mask & (1 << d))) {
                    --d;
                    continue;
                }
                heads |= 1 << d;
                d = d & 1 ? d - 3 : d - 2;
            }
            of[mask] = static_cast<uint8_t>(heads);
        }
    }
};
constexpr RunHeads runHeads;

// scanNeighbourRuns() calls visit(q) for the own neighbours q of cell that head a run, directions
// 7 down to 0: an own piece on a neighbour that touches q is already in q's group. The visits do
// not change the board, so the heads are known from the neighbour mask before the first one.
template <typename Visit>
inline void scanNeighbourRuns(int cell, int mask, Visit visit) {
    const int32_t* cells = boardCells();
    for (int heads = runHeads.of[mask]; heads != 0;) {
        const int d = 31 - __builtin_clz(static_cast<unsigned>(heads));
        heads &= ~(1 << d);
        visit(cells[cell + DirectionOffsets[d]] - PIECE_CODE_BASE);
    }
}

// floodGroup() walks breadth first from start through own pieces. claim(q) decides whether
// neighbour q joins the walk and marks it, so that it enters the work list once; take(t) runs as
// each piece leaves the list.
template <typename Claim, typename Take>
inline void floodGroup(int start, int own, Claim claim, Take take) {
    const int32_t* cells = boardCells();
    appendWork(start);
    while (workLeft()) {
        const int t = takeWork();
        take(t);
        const int cell = cellOf(t);
        for (int d = 7; d >= 0; --d) {
            const int32_t c = cells[cell + DirectionOffsets[d]];
            if ((c & 0xC0) == own && claim(c - PIECE_CODE_BASE)) appendWork(c - PIECE_CODE_BASE);
        }
    }
}

}  // namespace

const int8_t (&RingSplitTable)[256] = ringTable.entries;

// joinGroupsOnPlace() makes the new piece a group of its own, then joins it into each neighbouring
// group of its side. The first group met keeps its id; every other group met is relabelled into it.
void joinGroupsOnPlace(int id) {
    const int s = sideOfPiece(id);
    PieceRecord& p = game.pieces[id];
    ++game.groupCount[s];
    ++game.stampCounter;
    p.group = id;
    p.stamp = game.stampCounter;
    p.weight = 1;

    const int cell = cellOf(id);
    scanNeighbourRuns(cell, neighbourMask(cell, ownBits(id)), [&](int q) {
        const int g1 = game.pieces[q].group;
        const int g0 = p.group;
        if (g1 == g0) return;
        --game.groupCount[s];
        if (g0 == id) {
            p.group = g1;
            p.stamp = game.pieces[q].stamp;
            ++game.pieces[g1].weight;
        } else {
            mergeGroups(g1, g0);
        }
    });
}

// mergeGroups() relabels every piece of group x into group y, flooding from x's namesake. Pieces
// are relabelled as they enter the work list, so none enters twice.
void mergeGroups(int x, int y) {
    const int64_t stamp = game.pieces[y].stamp;
    game.pieces[x].group = y;
    floodGroup(
        x, ownBits(x),
        [&](int q) {
            if (game.pieces[q].group != x) return false;
            game.pieces[q].group = y;
            return true;
        },
        [&](int t) {
            game.pieces[t].stamp = stamp;
            ++game.pieces[y].weight;
        });
}

// regroupFrom() floods the group that z now belongs to, giving it the id z and a fresh stamp.
void regroupFrom(int z) {
    const int64_t stamp = ++game.stampCounter;
    game.pieces[z].weight = 0;
    game.pieces[z].stamp = stamp;
    floodGroup(
        z, ownBits(z),
        [&](int q) {
            if (game.pieces[q].stamp == stamp) return false;
            game.pieces[q].stamp = stamp;
            return true;
        },
        [&](int t) {
            game.pieces[t].group = z;
            ++game.pieces[z].weight;
        });
}

// splitGroupOnRemove() takes the removed piece's group as gone, then counts back each part that is
// left. Only a namesake's removal or a neighbour pattern that may have split the group floods.
void splitGroupOnRemove(int id) {
    const int s = sideOfPiece(id);
    const int x = cellOf(id);
    const int mask = neighbourMask(x, ownBits(id));

    --game.groupCount[s];
    if (game.pieces[id].group == id) {
        // The namesake is gone: every part of the old group is renamed after a neighbour.
        scanNeighbourRuns(x, mask, [&](int q) {
            if (game.pieces[q].group != id) return;
            ++game.groupCount[s];
            regroupFrom(q);
        });
        return;
    }

    const int64_t stampBefore = game.stampCounter;
    const int runs = RingSplitTable[mask];
    if (runs <= 0) {
        game.groupCount[s] += runs + 1;
        return;
    }
    // The group may have split: flood from one piece of each run not yet reached by a flood of
    // this removal. Stamps are 64-bit and only grow, so "not reached" is a plain comparison.
    scanNeighbourRuns(x, mask, [&](int q) {
        if (game.pieces[q].stamp > stampBefore) return;
        ++game.groupCount[s];
        regroupFrom(q);
    });
}
