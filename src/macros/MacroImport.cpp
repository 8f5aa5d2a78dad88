#include "macros/MacroImport.h"

#include "base/DamagedFile.h"
#include "base/TextUtil.h"
#include "base/UnicodeTextFile.h"
#include "macros/MacroLibraryFile.h"
#include "macros/MacroPath.h"

namespace corvane {
namespace {

constexpr int kSlots = MacroLibrary::kSlots;

// Everything a macro holds except its identity, which stays the new one.
void CopyMacroData(const MacroItem& from, MacroItem& to) {
  to.MacroKeyLoopType = from.MacroKeyLoopType;
  to.MacroKeyLoopNum = from.MacroKeyLoopNum;
  to.MacroCommandActionNum = from.MacroCommandActionNum;
  to.MacroActionNum = from.MacroActionNum;
  to.SetSteps(from.Steps());
}

// The used children of a source node, in slot order.
std::vector<MacroLocation> ChildrenOf(const MacroLibrary& source, const MacroLocation& at) {
  std::vector<MacroLocation> children;
  for (int k = 0; k < kSlots && at.stage < 2; ++k) {
    const MacroLocation child = at.stage == 0 ? MacroLocation::Child(at.stage0Index, k)
                                              : MacroLocation::Grandchild(at.stage0Index, at.stage1Index, k);
    if (source.NodeAt(child)->IsUsed()) children.push_back(child);
  }
  return children;
}

// Used slots of a sibling group from `from` on, up to the first free slot.
void ScanGroup(const MacroLibrary& source, MacroLocation from, std::vector<MacroLocation>& out) {
  int& k = from.stage == 0 ? from.stage0Index : from.stage == 1 ? from.stage1Index : from.stage2Index;
  for (; k < kSlots; ++k) {
    if (!source.NodeAt(from)->IsUsed()) return;
    out.push_back(from);
  }
}

// The nodes a library import copies, picked by the file's selection. A selected folder
// is taken alone: the same set the clash test covers, so nothing is copied whose name was
// never tested at the destination.
std::vector<MacroLocation> SourceNodes(const MacroLibrary& source, const MacroLocation& sel) {
  std::vector<MacroLocation> out;
  if (sel.stage == -1) {
    ScanGroup(source, MacroLocation::Top(0), out);
    return out;
  }
  if (!sel.IsInsideTree()) return out;
  const MacroLocation at = sel.Normalized();
  if (at.stage < 2 && source.NodeAt(at)->IsFolder()) {
    out.push_back(at);
    return out;
  }
  ScanGroup(source, at, out);
  return out;
}

const char* NotAddedReason(MacroNodeChange change) {
  switch (change) {
    case MacroNodeChange::kClash: return "the name is taken at the destination";
    case MacroNodeChange::kFull: return "no free place at the destination (60 entries)";
    case MacroNodeChange::kNoKeyLeft: return "no macro key is left";
    case MacroNodeChange::kBadName: return "a name the library cannot hold";
    case MacroNodeChange::kNotHere:
    case MacroNodeChange::kNoNode:
    case MacroNodeChange::kDone: break;
  }
  return "folders go only two levels deep";
}

class Copier {
 public:
  Copier(MacroLibrary& library, const MacroLibrary& source) : lib_(library), src_(source) {}

  void Macro(const MacroLocation& from, MacroLocation parent) {
    const MacroNode& node = *src_.NodeAt(from);
    if (const MacroNodeChange change = lib_.AddMacro(node.MacroItemName, parent); change != MacroNodeChange::kDone)
      return Skip(from, NotAddedReason(change));
    if (node.Item) CopyMacroData(*node.Item, *lib_.NodeAt(parent)->Item);
    created.push_back(parent);
  }

  // A new folder with the source's macros, and with its sub-folders when withSubFolders.
  void Folder(const MacroLocation& from, MacroLocation parent, bool withSubFolders) {
    if (const MacroNodeChange change = lib_.AddFolder(src_.NodeAt(from)->MacroItemName, parent);
        change != MacroNodeChange::kDone)
      return Skip(from, NotAddedReason(change));
    created.push_back(parent);
    for (const MacroLocation& child : ChildrenOf(src_, from)) {
      if (!src_.NodeAt(child)->IsFolder()) {
        Macro(child, parent);
      } else if (withSubFolders) {
        Folder(child, parent, false);
      } else {
        Skip(child, NotAddedReason(MacroNodeChange::kNotHere));
      }
    }
  }

  // A node left out, with everything below it.
  void Skip(const MacroLocation& from, const char* reason) {
    const MacroNode& node = *src_.NodeAt(from);
    skipped.push_back(Utf8(MacroPathOf(src_, from)) + (node.IsFolder() ? "/ and what it holds" : "") + ": " + reason);
  }

  std::vector<MacroLocation> created;
  std::vector<std::string> skipped;

 private:
  MacroLibrary& lib_;
  const MacroLibrary& src_;
};

bool IsFolderDestination(const MacroLibrary& library, const MacroLocation& d) {
  const MacroNode* node = library.NodeAt(d);
  return node && node->IsFolder() && d.stage <= 1;
}

}  // namespace

MacroImportResult ImportMacroFrom(MacroLibrary& library, const MacroLibrary& source,
                                  const MacroLocation& fileSelection) {
  MacroImportResult result;
  const MacroNode* s = source.NodeAt(fileSelection);
  if (!s || !s->IsUsed()) return result;  // the file names no node: nothing to import
  const MacroLocation d = library.CurrentMacroLocation;
  MacroLocation at = d;
  const MacroNodeChange change = library.AddMacro(s->MacroItemName, at);
  if (change == MacroNodeChange::kClash) {
    result.status = MacroImportStatus::kClash;
    return result;
  }
  if (MacroNode* selected = library.NodeAt(d); selected && selected->IsFolder()) selected->MacroItemFolderIsOpen = 1;
  if (change != MacroNodeChange::kDone) {
    result.status = change == MacroNodeChange::kNoKeyLeft ? MacroImportStatus::kNoKeyLeft : MacroImportStatus::kFull;
    return result;
  }
  // A folder named by the file leaves the new macro empty.
  if (s->Item) CopyMacroData(*s->Item, *library.NodeAt(at)->Item);
  library.CurrentMacroLocation = at;
  result.status = MacroImportStatus::kImported;
  result.created.push_back(at);
  return result;
}

MacroImportResult ImportLibraryFrom(MacroLibrary& library, const MacroLibrary& source,
                                    const MacroLocation& fileSelection) {
  MacroImportResult result;
  const std::vector<MacroLocation> sources = SourceNodes(source, fileSelection);
  if (sources.empty()) return result;
  const MacroLocation d = library.CurrentMacroLocation;
  for (const MacroLocation& s : sources) {
    if (library.NameClashesForNew(d, source.NodeAt(s)->MacroItemName)) {
      result.status = MacroImportStatus::kClash;
      return result;
    }
  }

  Copier copy(library, source);
  bool anyFits = false;
  if (IsFolderDestination(library, d)) {
    library.NodeAt(d)->MacroItemFolderIsOpen = 1;
    for (const MacroLocation& s : sources) {
      if (!source.NodeAt(s)->IsFolder()) {
        anyFits = true;
        copy.Macro(s, d);
      } else if (d.stage == 0) {
        anyFits = true;
        copy.Folder(s, d, false);  // only the macros directly inside it
      } else {
        // Below a second-level folder the tree has no room for folders: they are left out.
        copy.Skip(s, NotAddedReason(MacroNodeChange::kNotHere));
      }
    }
  } else {
    anyFits = true;
    for (const MacroLocation& s : sources) {
      if (source.NodeAt(s)->IsFolder()) {
        copy.Folder(s, MacroLocation::None(), true);
      } else {
        copy.Macro(s, MacroLocation::None());
      }
    }
  }

  if (!copy.created.empty()) {
    library.CurrentMacroLocation = copy.created.back();
    result.status = MacroImportStatus::kImported;
  } else {
    result.status = anyFits ? MacroImportStatus::kFull : MacroImportStatus::kNothingFits;
  }
  result.created = std::move(copy.created);
  result.skipped = std::move(copy.skipped);
  return result;
}

namespace {

// Reads an import file into source. A file that stops at a missing or bad line gives
// what came before it, and a line saying that the rest of the file was not read.
void ReadImportFile(const std::filesystem::path& file, MacroLibrary& source, MacroLocation& selection,
                    std::vector<std::string>& skipped) {
  std::string bytes;
  if (ReadFileBytesChecked(file, bytes) != FileReadStatus::Ok) return;  // nothing read: nothing to import
  if (LoadMacroLibraryBytes(bytes, source, selection)) return;
  std::string why = DescribeTextDamage(bytes);
  if (why.empty()) why = "it stops at a missing or bad line";
  int read = 0;
  source.ForEachUsedNode([&](const MacroLocation&, const MacroNode&) { ++read; });
  skipped.push_back(file.string() + ": " + why + "; the rest of the file is left out (" + std::to_string(read) +
                    " entries read before it)");
}

}  // namespace

MacroImportResult ImportMacro(MacroLibrary& library, const std::filesystem::path& file) {
  MacroLibrary importLibrary;
  library.SavedMacroLocation = MacroLocation::None();
  std::vector<std::string> damage;
  ReadImportFile(file, importLibrary, library.SavedMacroLocation, damage);
  MacroImportResult result = ImportMacroFrom(library, importLibrary, library.SavedMacroLocation);
  result.skipped.insert(result.skipped.begin(), damage.begin(), damage.end());
  return result;
}

MacroImportResult ImportMacroLibrary(MacroLibrary& library, const std::filesystem::path& file) {
  MacroLibrary importLibrary;
  library.SavedMacroLocation = MacroLocation::None();
  std::vector<std::string> damage;
  ReadImportFile(file, importLibrary, library.SavedMacroLocation, damage);
  MacroImportResult result = ImportLibraryFrom(library, importLibrary, library.SavedMacroLocation);
  result.skipped.insert(result.skipped.begin(), damage.begin(), damage.end());
  return result;
}

}  // namespace corvane
