// Whole files as byte vectors, for the commands that work on one file at a time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using FileBytes = std::vector<std::uint8_t>;

// False when the file cannot be opened or read.
bool readWholeFile(const std::string& path, FileBytes& bytes);
// False when the file cannot be created or written completely.
bool writeWholeFile(const std::string& path, const std::uint8_t* bytes, std::size_t length);
