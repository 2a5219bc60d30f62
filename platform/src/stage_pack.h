// Stage packs: a folder of maps named as the shipped ones (map1.map, map2.map,
// ...) played with best times of their own, in packs/NAME/ of the player's
// folder, where the pack's maps are in reach as map/ beside its score.dat.
#ifndef PLATFORM_STAGE_PACK_H
#define PLATFORM_STAGE_PACK_H

#include <string>

namespace plat {

// The name a pack's best times are kept under: the folder's own name.
std::string PackName(const std::string& folder);

// What a player must hear about the pack's maps before playing it, or ""
// when it holds map1.map onwards without a gap: stages are counted as in
// map/, from map1.map to the first one missing.
std::string PackProblem(const std::string& folder);

// Makes packs/NAME in the player's folder the working folder, with the
// pack's maps as map/ and the pack's own score.dat (none until the first
// best time). False, with the reason in `error`, when it cannot be made.
bool EnterStagePack(const std::string& folder, const std::string& player, std::string& error);

}  // namespace plat

#endif
