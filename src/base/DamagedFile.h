#pragma once
// A stored file that is there but cannot be read as what it should be (an editor's CRLF or
// UTF-8 save, a truncated copy, a file grown past the size cap) is never silently written
// over: it is first kept aside under a new name, what can be read from it is read, and the
// user is told once. The next save then writes a fresh file in its place.
#include <filesystem>
#include <string>
#include <string_view>

namespace corvane {

// Renames the file (a symbolic link's target, where it is one) to
// "NAME.damaged-YYYYMMDD-HHMMSS" beside it, adding "-2", "-3" ... when that name is taken.
// Returns the new path, or an empty path (reason set) when it could not be moved; the
// file is then still in place, and since the save that would replace it needs the same
// rights in the same folder, that save fails too.
std::filesystem::path KeepDamagedFileAside(const std::filesystem::path& file, std::string* reason = nullptr);

// Decodes a damaged text file as well as it can be: UTF-16LE with or without its
// byte-order mark, UTF-16BE, or UTF-8 (with or without a mark; stray bytes as Latin-1),
// with carriage returns before line feeds removed. The program's readers then parse the
// result as they parse a sound file.
std::u16string RecoverDamagedText(std::string_view bytes);

// What is visibly wrong with a text file's encoding: "no UTF-16 byte-order mark" (an
// editor's UTF-8 save), "carriage-return line ends", "empty"; an empty text when none.
std::string DescribeTextDamage(std::string_view bytes);

// "NAME.damaged-..." relative to folder where it lies inside it; for messages.
std::string ShownPath(const std::filesystem::path& file, const std::filesystem::path& folder);

}  // namespace corvane
