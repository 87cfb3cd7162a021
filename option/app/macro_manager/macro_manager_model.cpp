#include "option/app/macro_manager/macro_manager_model.h"

#include "settings/text_field.h"
#include "settings/trimmed_name.h"

namespace brelfx {
namespace {

bool InRange(int position, std::size_t size) {
  return position >= 0 && static_cast<std::size_t>(position) < size;
}

// After removing the row at `removed` of a list now `size` long: the same
// position, or the last one, or none.
int SelectionAfterRemoval(int removed, std::size_t size) {
  if (size == 0) return -1;
  return removed < static_cast<int>(size) ? removed : static_cast<int>(size) - 1;
}

}  // namespace

MacroManagerOpening ChooseMacroManagerOpening(const MacroLibrary& library,
                                              const KeyAssignment* key, int requestedSet) {
  if (library.empty()) return {true, -1, -1};
  if (key && key->FunctionCode == kFnMacro) {
    const MacroLookup lookup = FindMacro(library, *key);
    if (lookup.set >= 0) return {false, lookup.set, lookup.macro};
  }
  return {false, InRange(requestedSet, library.size()) ? requestedSet : -1, -1};
}

MacroSet* MacroManagerModel::SelectedSet() {
  return InRange(set_, library_.size()) ? &library_[set_] : nullptr;
}

MacroRecord* MacroManagerModel::SelectedMacroRecord() {
  MacroSet* set = SelectedSet();
  return set && InRange(macro_, set->macros.size()) ? &set->macros[macro_] : nullptr;
}

void MacroManagerModel::SelectSet(int set) {
  set_ = InRange(set, library_.size()) ? set : -1;
  macro_ = -1;
}

void MacroManagerModel::SelectMacro(int macro) {
  const MacroSet* set = SelectedSet();
  macro_ = set && InRange(macro, set->macros.size()) ? macro : -1;
}

std::vector<std::string> MacroManagerModel::MacroNames() const {
  std::vector<std::string> names;
  if (!InRange(set_, library_.size())) return names;
  for (const MacroRecord& macro : library_[set_].macros) names.push_back(TextField(macro.Name));
  return names;
}

bool MacroManagerModel::AddSet(std::string_view name) {
  const std::string trimmed = TrimmedName(name);
  if (trimmed.empty() || IsReservedSetName(trimmed)) return false;
  if (library_.size() >= static_cast<std::size_t>(kMostMacroSets)) return false;
  for (const MacroSet& set : library_)
    if (SameName(set.name, trimmed)) return false;
  library_.push_back(MacroSet{trimmed, {}, MacroSetState::kCreated});
  SelectSet(static_cast<int>(library_.size()) - 1);
  return true;
}

bool MacroManagerModel::DeleteSelectedSet() {
  if (!SelectedSet()) return false;
  library_.erase(library_.begin() + set_);
  SelectSet(SelectionAfterRemoval(set_, library_.size()));
  return true;
}

NewMacroCheck MacroManagerModel::CheckNewMacro() const {
  if (!InRange(set_, library_.size())) return NewMacroCheck::kNoSet;
  if (library_[set_].macros.size() >= static_cast<std::size_t>(kMostMacrosPerSet))
    return NewMacroCheck::kListFull;
  return NewMacroCheck::kAllowed;
}

bool MacroManagerModel::AddMacro(std::string_view name) {
  if (CheckNewMacro() != NewMacroCheck::kAllowed) return false;
  const std::string trimmed = TrimmedName(name.substr(0, kMacroNameLimit));
  if (trimmed.empty()) return false;
  MacroSet& set = library_[set_];
  for (const MacroRecord& macro : set.macros)
    if (SameName(TextField(macro.Name), trimmed)) return false;
  MacroRecord macro{};
  SetTextField(macro.Name, trimmed);
  macro.Loop = 1;
  set.macros.push_back(macro);
  MarkSelectedSetModified();
  macro_ = static_cast<int>(set.macros.size()) - 1;
  return true;
}

bool MacroManagerModel::DeleteSelectedMacro() {
  MacroSet* set = SelectedSet();
  if (!SelectedMacroRecord()) return false;
  set->macros.erase(set->macros.begin() + macro_);
  MarkSelectedSetModified();
  macro_ = SelectionAfterRemoval(macro_, set->macros.size());
  return true;
}

void MacroManagerModel::MarkSelectedSetModified() {
  // A created set is written whole anyway; it stays created.
  if (MacroSet* set = SelectedSet(); set && set->state != MacroSetState::kCreated)
    set->state = MacroSetState::kModified;
}

}  // namespace brelfx
