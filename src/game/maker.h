// maker.h: the maker's name, under which the game keeps its records in the per-user store
// ("Brimworks/Settings/" in the configuration folder, a registry key of that name on Windows).
#pragma once

constexpr const char* kMaker = "Brimworks";
