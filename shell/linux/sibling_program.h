// vorn's programs find each other from where the running one really lies
// (links resolved), so that the build tree and an install both work.
#pragma once

#include <initializer_list>
#include <string>

// The path of the program `name` in the first of `folders` (each relative to
// the running program's real folder) where it can be run; empty when there is
// none, and then `searched` lists the paths tried.
std::string FindSiblingProgram(const char* name, std::initializer_list<const char*> folders,
                               std::string& searched);
