// The form of a long path that the Win32 file functions accept: "\\?\".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Paths of this many UTF-16 units or more fail in the plain Win32 file functions, whose
// limit counts the final NUL.
inline constexpr std::size_t LongueurMaxChemin = 260;

// An absolute path of LongueurMaxChemin UTF-16 units or more in its "\\?\" form, which the
// W file functions take up to about 32,767 units: "\\?\C:\..." for a drive path,
// "\\?\UNC\server\share\..." for a UNC path. The system takes that form as it stands, so
// the path is first made what its plain form means: '/' becomes '\', empty and "."
// components go, ".." takes away the component before it (never the drive or the share);
// a final '\' stays. Trailing dots and blanks of names are kept: the census lists names
// that really end so, which only this form reaches. Shorter paths, relative paths
// ("a\b", "\a", "C:a") and paths already in a "\\?\" or "\\.\" form come back unchanged.
std::string CheminLong(std::string_view chemin);
