// Map files of our own minimal kind, as ripent.exe reads them: a little-endian header
// (version 30, then 15 lumps of offset and length) and lump 0 holding the entity text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

std::string bspWithEntities(std::string_view entities);

// Lump 0 of such a file; nothing when the file is not one.
std::optional<std::string> entityLumpOf(std::string_view bsp);

// The text of two entities, the world and one that carries the Allies' country when
// `country` is not empty ("1" for British).
std::string sampleEntities(const std::string& country);
