#pragma once

namespace varnel::art {

// The faces of the built-in tile sets in words a player would use ("Bamboo 3", "Tulip"), for
// screen readers: one name per face 0 to 35 of each set, in the order the set draws its faces.
// nullptr for a set or a face outside the tables.
const char* faceName(int tileSet, int face);

}  // namespace varnel::art
