// Copies of small files already read, kept while the file on disk is
// unchanged. A map names the same item and creature files hundreds of times;
// one stat per repeat replaces an open, a read and a close. Used only by the
// file layer.
#pragma once

#include <string>
#include <sys/stat.h>

namespace fs::cache {

// Fills `bytes` when the copy of `name` was taken from the same file in the
// same state as `info` describes (device, inode, size, change times). Only
// files that have not changed for a couple of seconds are kept.
bool lookup(const std::string& name, const struct stat& info, std::string& bytes);
void store(const std::string& name, const struct stat& info, const std::string& bytes);
// Our own writes and removals drop the copy whatever the clock says.
void forget(const std::string& name);

}  // namespace fs::cache
