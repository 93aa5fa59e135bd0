#pragma once

#include <string>

// Whole-file reading and writing for documents. Both return an empty string on
// success, else the reason in a few Turkish words ("izin yok", ...); the system's
// own text goes to standard error.

std::string readWholeFile(const std::string& path, std::string& contents);

// Writes contents to a new file beside path and renames it over path only when
// every byte reached the disk, so a failed write leaves an existing file as it was.
// An existing file's permissions are kept; a symbolic link stays a link and its
// target gets the bytes, while a link that leads nowhere is refused.
std::string replaceFileContents(const std::string& path, const std::string& contents);

// Whether the path names a folder, or a plain file (or a link to one).
bool isDirectory(const std::string& path);
bool isFile(const std::string& path);

// Makes the folder and the folders above it that are missing (for this user
// only), and checks that files can be made in it.
std::string makeDirectories(const std::string& path);
