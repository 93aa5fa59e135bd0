#pragma once

// The names of the windows that show the whole scenario, in the main layout:
// the problem check, the list of items and the map. Turkish names carry their
// English meaning.
namespace overviewnames {

// The problem check: a row for each problem, and the line under them.
inline constexpr const char* checkWindow = "kontrolWindow";  // "check"
inline constexpr const char* checkList = "kontrolListe";     // "check list"
inline constexpr const char* checkResult = "kontrolSonuc";   // "check result"

// The list of items, with the field that filters it.
inline constexpr const char* listWindow = "listeWindow";  // "list"
inline constexpr const char* listTable = "listeTablo";    // "list table"
inline constexpr const char* listSearch = "listeAra";     // "list search"

// The map: the terrain's picture and the camera's mark over it.
inline constexpr const char* mapWindow = "haritaWindow";  // "map"
inline constexpr const char* mapPicture = "haritaResmi";  // "map picture"

inline constexpr const char* windows[] = {checkWindow, listWindow, mapWindow};

}  // namespace overviewnames
