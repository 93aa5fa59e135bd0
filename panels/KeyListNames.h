#pragma once

// The names of the key list's widgets in the main layout.
namespace keylistnames {

inline constexpr const char* window = "kisayollarWindow";  // "shortcuts"
inline constexpr const char* table = "kisayollarTablo";    // "shortcuts table"

}  // namespace keylistnames
