// The classes of the class-limit tables, in slot order, as the tests expect them.
#pragma once

#include <string>
#include <vector>

using Names = std::vector<std::string>;

inline const Names kUsWeapons = {"garand", "carbine", "bar", "greasegun", "thompson", "spring", "30cal"};
inline const Names kGermanWeapons = {"kar", "kar43", "fg42", "fg42s", "mp40", "mp44", "scopedkar", "mg34", "mg42"};
inline const Names kClassTypes = {"light", "assault", "heavy", "sniper", "mg"};
inline const Names kBritish = {"light", "assault", "sniper", "mg"};
