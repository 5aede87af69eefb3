// Names the suite's programs share: the titles of their message boxes and the paths of
// the programs Horlo's tray menu starts.
#pragma once

inline constexpr char TitreAttention[] = "Talmon - Attention";
inline constexpr char TitreAttentionVive[] = "Talmon - Attention !";
inline constexpr char TitreAvertissement[] = "Talmon - Avertissement";

inline constexpr char CheminPensil[] = "c:\\Vud\\Pensil.exe";
inline constexpr char CheminOrvan98[] = "c:\\Vud\\Orvan98.exe";
