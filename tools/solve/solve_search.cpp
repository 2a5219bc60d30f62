// Best-first search over moves. Each state is kept as its diff against the
// stage start; a hash of its play-relevant fields drops repeats, keeping the
// earliest frame. The open lists are taken in tier order of novelty (or by
// frame alone for ORDER_BREADTH); after the first clear the search goes on a
// while for a faster one, cutting off every state already slower.
#include "solve_search.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <queue>
#include <unordered_map>

#include "board_check.h"
#include "solve_moves.h"
#include "solve_novelty.h"
#include "solve_state.h"

namespace {

const int FADE_IN_LIMIT = 600;
const size_t ARENA_CHUNK_WORDS = (size_t)1 << 22;
// Bytes a hash-set entry costs, node and bucket together, as libstdc++ lays them out.
const size_t HASH_ENTRY_BYTES = 48;
const uint32_t NO_PARENT = 0xFFFFFFFFu;

using Clock = std::chrono::steady_clock;

struct Node {
    uint32_t parent;
    uint16_t move;
    uint16_t frames;   // frames its move played
    int frame;         // script frame the state is at
    uint32_t chunk;
    uint32_t at;
    uint32_t words;
};

struct OpenEntry {
    uint64_t key;
    uint32_t node;
    bool operator>(const OpenEntry& other) const { return key > other.key; }
};

using OpenList = std::priority_queue<OpenEntry, std::vector<OpenEntry>, std::greater<OpenEntry>>;

struct Search {
    HWND window = NULL;
    SolveOptions options;
    SolveReport* report = nullptr;
    Clock::time_point start;
    Clock::time_point deadline;
    PlaySnapshot* root = nullptr;
    PlaySnapshot* parent = nullptr;
    PlaySnapshot* child = nullptr;
    std::vector<uint32_t> diff;
    std::vector<std::vector<uint32_t>> arena;
    std::vector<Node> nodes;
    std::unordered_map<uint64_t, int> seen;
    NoveltyTable novelty;
    OpenList open[TIERS];
    size_t openEntries = 0;
    int fadeFrames = 0;
    uint32_t bestNode = NO_PARENT;
    int bestMove = 0;
    bool cutByBound = false;
};

double Elapsed(const Search& s)
{
    return std::chrono::duration<double>(Clock::now() - s.start).count();
}

size_t MemoryUsed(const Search& s)
{
    size_t hashed = s.seen.size() + s.novelty.features.size() + s.novelty.layouts.size();
    return s.arena.size() * ARENA_CHUNK_WORDS * sizeof(uint32_t) + s.nodes.capacity() * sizeof(Node) +
           hashed * HASH_ENTRY_BYTES + s.openEntries * sizeof(OpenEntry) * 2;
}

void Store(Search& s, Node& node)
{
    if (s.arena.empty() || s.arena.back().size() + s.diff.size() > ARENA_CHUNK_WORDS) {
        s.arena.emplace_back();
        s.arena.back().reserve(ARENA_CHUNK_WORDS);
    }
    std::vector<uint32_t>& chunk = s.arena.back();
    node.chunk = (uint32_t)(s.arena.size() - 1);
    node.at = (uint32_t)chunk.size();
    node.words = (uint32_t)s.diff.size();
    chunk.insert(chunk.end(), s.diff.begin(), s.diff.end());
}

void Load(const Search& s, const Node& node, PlaySnapshot& out)
{
    ApplyDiff(*s.root, s.arena[node.chunk].data() + node.at, node.words, out);
}

// Among states with nothing new, those covering more targets go first, then
// those whose layout was reached least often.
uint64_t OpenKey(const Search& s, NoveltyTier tier, uint32_t visits, int frame)
{
    if (s.options.order == ORDER_BREADTH || tier != TIER_SEEN) {
        return (uint64_t)frame;
    }
    uint64_t rarity = visits < 0xFFFF ? visits : 0xFFFF;
    return (uint64_t)(MAX_ITEMS - CoveredTargets(*s.child)) << 48 | rarity << 32 | (uint64_t)frame;
}

void Push(Search& s, uint32_t parentId, int move, int frame)
{
    uint32_t visits = 0;
    NoveltyTier tier = RecordNovelty(s.novelty, *s.child, visits);
    Node node{parentId, (uint16_t)move, (uint16_t)s.options.moveFrames, frame, 0, 0, 0};
    DiffAgainst(*s.root, *s.child, s.diff);
    Store(s, node);
    s.nodes.push_back(node);
    int list = s.options.order == ORDER_BREADTH ? 0 : tier;
    s.open[list].push(OpenEntry{OpenKey(s, tier, visits, frame), (uint32_t)(s.nodes.size() - 1)});
    s.openEntries++;
}

int BestFrames(const Search& s)
{
    return s.bestNode == NO_PARENT ? s.options.maxFrames + 1 : s.report->clearFrames;
}

void RecordClear(Search& s, uint32_t parentId, int move, const MoveResult& result)
{
    int frames = s.nodes[parentId].frame + result.frames;
    if (s.bestNode != NO_PARENT && result.clearTime >= s.report->clearTime) {
        return;
    }
    if (s.bestNode == NO_PARENT) {
        s.report->firstClearSeconds = Elapsed(s);
        Clock::time_point more = Clock::now() + (Clock::now() - s.start) + std::chrono::seconds(1);
        s.deadline = more < s.deadline ? more : s.deadline;
    }
    s.bestNode = parentId;
    s.bestMove = move;
    s.report->clearTime = result.clearTime;
    s.report->clearFrames = frames;
}

// A new state joins the open lists unless an equal one was reached as early.
void Consider(Search& s, uint32_t parentId, int move, int frame)
{
    uint64_t hash = PlayHash(*s.child, frame);
    auto found = s.seen.try_emplace(hash, frame);
    if (!found.second) {
        if (found.first->second <= frame) {
            return;
        }
        found.first->second = frame;
    }
    Push(s, parentId, move, frame);
}

void Expand(Search& s, uint32_t id)
{
    const std::vector<Move>& moves = SolverMoves();
    Load(s, s.nodes[id], *s.parent);
    int frame = s.nodes[id].frame;
    for (int m = 0; m < (int)moves.size(); m++) {
        RestorePlaySnapshot(s.parent);
        MoveResult result = PlayMove(s.window, moves[m], frame, s.options.moveFrames);
        s.report->framesPlayed += result.frames;
        if (result.end == MOVE_CLEARED) {
            RecordClear(s, id, m, result);
        }
        int next = frame + s.options.moveFrames;
        if (result.end != MOVE_PLAYING || next >= BestFrames(s)) {
            s.cutByBound = s.cutByBound || (result.end == MOVE_PLAYING && s.bestNode == NO_PARENT);
            continue;
        }
        SavePlaySnapshot(s.child);
        Consider(s, id, m, next);
    }
}

bool PopOpen(Search& s, uint32_t& id)
{
    for (OpenList& list : s.open) {
        if (!list.empty()) {
            id = list.top().node;
            list.pop();
            return true;
        }
    }
    return false;
}

void AppendStep(std::vector<ScriptStep>& steps, const std::vector<int>& keys, int frames)
{
    if (!steps.empty() && steps.back().keys == keys) {
        steps.back().frames += frames;
    } else {
        steps.push_back(ScriptStep{keys, frames});
    }
}

void BuildScript(Search& s)
{
    std::vector<const Node*> chain;
    for (uint32_t id = s.bestNode; id != 0; id = s.nodes[id].parent) {
        chain.push_back(&s.nodes[id]);
    }
    std::vector<ScriptStep>& steps = s.report->steps;
    AppendStep(steps, {}, s.fadeFrames);
    for (auto node = chain.rbegin(); node != chain.rend(); ++node) {
        AppendStep(steps, SolverMoves()[(*node)->move].keys, (*node)->frames);
    }
    int last = s.report->clearFrames - s.nodes[s.bestNode].frame;
    AppendStep(steps, SolverMoves()[s.bestMove].keys, last);
}

SolveOutcome RunLoop(Search& s)
{
    uint32_t id = 0;
    while (PopOpen(s, id)) {
        s.openEntries--;
        if (s.nodes[id].frame + 1 >= BestFrames(s)) {
            continue;
        }
        Expand(s, id);
        if (MemoryUsed(s) > s.options.memoryBytes) {
            return SOLVE_OUT_OF_MEMORY;
        }
        if (Clock::now() > s.deadline) {
            return SOLVE_OUT_OF_TIME;
        }
    }
    return SOLVE_NO_CLEAR;
}

bool StartSearch(Search& s)
{
    s.fadeFrames = PlayFadeIn(s.window, FADE_IN_LIMIT);
    if (s.fadeFrames < 0) {
        s.report->reason = "the stage never started";
        return false;
    }
    SavePlaySnapshot(s.root);
    if (!BoardCanBeCleared(*s.root, s.report->reason)) {
        return false;
    }
    *s.child = *s.root;
    s.seen.emplace(PlayHash(*s.root, s.fadeFrames), s.fadeFrames);
    uint32_t visits = 0;
    RecordNovelty(s.novelty, *s.root, visits);
    s.nodes.push_back(Node{NO_PARENT, 0, 0, s.fadeFrames, 0, 0, 0});
    s.diff.clear();
    Store(s, s.nodes.back());
    s.open[0].push(OpenEntry{0, 0});
    s.openEntries = 1;
    return true;
}

}  // namespace

void SolveStage(HWND window, const SolveOptions& options, SolveReport& report)
{
    // Zeroed once, so the padding inside the snapshots stays equal and the diffs see only fields.
    std::unique_ptr<PlaySnapshot[]> buffers(new PlaySnapshot[3]());
    Search s;
    s.window = window;
    s.options = options;
    s.report = &report;
    s.start = Clock::now();
    s.root = &buffers[0];
    s.parent = &buffers[1];
    s.child = &buffers[2];
    s.deadline = s.start + std::chrono::milliseconds((long long)(options.seconds * 1000));
    if (!StartSearch(s)) {
        report.outcome = SOLVE_NO_CLEAR;
        return;
    }
    SolveOutcome outcome = RunLoop(s);
    report.states = (long long)s.nodes.size();
    report.seconds = Elapsed(s);
    report.exhaustedWithinBound = outcome == SOLVE_NO_CLEAR && s.cutByBound;
    report.outcome = s.bestNode != NO_PARENT ? SOLVE_CLEARED : outcome;
    if (s.bestNode != NO_PARENT) {
        BuildScript(s);
    }
}
