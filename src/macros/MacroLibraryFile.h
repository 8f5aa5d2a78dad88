#pragma once
// The macro library file (config/MacroLibraryFile.mlf) and the export files .mkf and .mbf,
// which share its format: UTF-16LE text with a byte-order mark, one value per line.
//
//   [MacroLibrary]
//   MacroKeyIndex=<next key index>
//   Select Locaton:stage=..;stage0Index=..;stage1Index=..;stage2Index=..;
//   one record per used node: top level, then second level, then third level; second-
//   level records indented by one tab, third-level records by two.
#include <filesystem>
#include <string>
#include <vector>

#include "macros/MacroLibrary.h"

namespace corvane {


// The library file's text as SaveMacroLibrary writes it (without the byte-order mark).
std::u16string MacroLibraryText(const MacroLibrary& library, const MacroLocation& selection);
// Writes the library with the selection atomically; false (and the old file kept) when the
// file cannot be written, or when it would be larger than the reader accepts, so a file
// that could not be read back never replaces a good one.
bool SaveMacroLibrary(const std::filesystem::path& path, const MacroLibrary& library,
                      const MacroLocation& selection, std::string* reason = nullptr);

// Clears the library and reads the file into it, placing each record at its location;
// stores the file's selection in savedSelection. Stops with false at the first missing or
// malformed line, keeping the records read before it. An unreadable file leaves the
// library untouched. Records whose location lies outside the tree are skipped. The
// macros read share the file's text until their steps change, and read their steps from it.
bool LoadMacroLibrary(const std::filesystem::path& path, MacroLibrary& library, MacroLocation& savedSelection);
// The same reading from the file's bytes (byte-order mark included).
bool LoadMacroLibraryBytes(std::string_view bytes, MacroLibrary& library, MacroLocation& savedSelection);

// The data folder's library file.
std::filesystem::path MacroLibraryFilePath(const std::filesystem::path& dataFolder);
// Reads the data folder's library file into library (a missing file leaves it empty). A
// damaged file (another encoding, carriage returns, cut short, oversized, unreadable) is
// kept aside as NAME.damaged-DATE and the records it still holds are loaded, so the next
// save never writes a partial library over the only copy; a directory or FIFO in its
// place is left alone. Each case adds a line to notices.
void LoadMacroLibraryFile(const std::filesystem::path& dataFolder, MacroLibrary& library,
                          std::vector<std::string>* notices = nullptr);
// Writes library to the data folder's library file as the macro manager does on closing
// and when recording stops: the file names no selection (stage -1).
bool SaveMacroLibraryFile(const std::filesystem::path& dataFolder, const MacroLibrary& library,
                          std::string* reason = nullptr);

}  // namespace corvane
