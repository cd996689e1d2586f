// Files that the programs write for a person or keep for themselves. A file is written whole into a
// temporary file in the target's own folder, flushed to the disk and only then renamed over the
// target: a crash, a kill or a full disk at any moment leaves the old file or the new one, never a
// part of one, and a failure never touches an existing file.
#pragma once

#include <string>

// writeFileAtomically() replaces (or creates) `path` with `text`. The new file keeps the mode of
// the one it replaces; a new one gets the usual mode for the process's umask. Returns "" or the
// reason it could not be written (the system's message), and then `path` is as it was and no
// temporary file is left behind.
std::string writeFileAtomically(const std::string& path, const std::string& text);

// readTextFile() reads the whole file into `text`. Returns "" or the reason (the system's message,
// or that the file is larger than `limit` bytes), and then `text` is unchanged.
std::string readTextFile(const std::string& path, long limit, std::string& text);

// makeFolders() creates the folder and every missing folder above it, each readable by its owner
// only, as kept state and settings should be. Returns "" when the folder exists afterwards, or the
// reason it does not.
std::string makeFolders(const std::string& path);

// folderOf() is the folder part of a path ("." for a bare name); fileNameOf() the part after the
// last '/'.
std::string folderOf(const std::string& path);
std::string fileNameOf(const std::string& path);
