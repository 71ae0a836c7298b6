#include "tests/support/scratch_folder.h"

#include <glib.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

ScratchFolder::ScratchFolder(const char* pattern) {
  if (gchar* made = g_dir_make_tmp(pattern, nullptr)) {
    path_ = made;
    g_free(made);
  }
}

ScratchFolder::~ScratchFolder() {
  if (path_.empty()) return;
  const std::string command = "rm -rf '" + path_ + "'";
  if (std::system(command.c_str()) != 0) std::abort();
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

int EntriesIn(const std::string& folder) {
  GDir* contents = g_dir_open(folder.c_str(), 0, nullptr);
  if (contents == nullptr) return -1;
  int entries = 0;
  while (g_dir_read_name(contents) != nullptr) ++entries;
  g_dir_close(contents);
  return entries;
}
