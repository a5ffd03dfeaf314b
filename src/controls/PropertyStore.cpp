/*
** The design settings of one control. See PropertyStore.h for the rules.
**
** A control holds a few dozen settings at most, so entries are kept in a
** plain vector and looked up linearly; that also keeps their write order.
*/
#include "controls/PropertyStore.h"

#include <algorithm>

#include "common/AppError.h"
#include "common/TextCase.h"

namespace {

// A setting equals its default when both are the same value, or when both
// are numbers of equal worth: a form may have stored 0 as a Long where the
// control's default is an Integer 0, and True is -1 as a number.
bool EqualsDefault(const Variant& value, const Variant& defaultValue) {
  if (value == defaultValue) return true;
  return value.IsNumeric() && defaultValue.IsNumeric() &&
         value.ToDouble() == defaultValue.ToDouble();
}

[[noreturn]] void TypeMismatch() {
  Raise(rterr::msg::kTypeMismatch);
}

}  // namespace

const PropertyStore::Entry* PropertyStore::Find(std::string_view key) const {
  for (const Entry& e : entries_) {
    if (TextCase::Equal(e.key, key)) return &e;
  }
  return nullptr;
}

void PropertyStore::Store(std::string_view key,
                          std::variant<Variant, std::shared_ptr<const Picture>> value) {
  for (Entry& e : entries_) {
    if (TextCase::Equal(e.key, key)) {
      e.value = std::move(value);
      return;
    }
  }
  entries_.push_back({std::string(key), std::move(value)});
}

void PropertyStore::Remove(std::string_view key) {
  std::erase_if(entries_, [&](const Entry& e) { return TextCase::Equal(e.key, key); });
}

Variant PropertyStore::Read(std::string_view key, const Variant& defaultValue) const {
  const Entry* e = Find(key);
  if (!e) return defaultValue;
  if (const Variant* v = std::get_if<Variant>(&e->value)) return *v;
  TypeMismatch();
}

bool PropertyStore::ReadFlag(std::string_view key, bool defaultValue) const {
  const Variant v = Read(key, defaultValue);
  if (v.IsEmpty()) return false;
  if (v.Type() == VarType::String && v.ToString().empty()) return false;
  return v.ToBool();
}

std::shared_ptr<const Picture> PropertyStore::ReadPicture(std::string_view key) const {
  const Entry* e = Find(key);
  if (!e) return nullptr;
  if (const auto* p = std::get_if<std::shared_ptr<const Picture>>(&e->value)) return *p;
  TypeMismatch();
}

void PropertyStore::Write(std::string_view key, const Variant& value, const Variant& defaultValue) {
  if (EqualsDefault(value, defaultValue)) {
    Remove(key);
  } else {
    Store(key, value);
  }
}

void PropertyStore::Write(std::string_view key, const Variant& value) {
  Store(key, value);
}

void PropertyStore::WritePicture(std::string_view key, std::shared_ptr<const Picture> picture) {
  if (Picture::IsNone(picture.get())) {
    Remove(key);
  } else {
    Store(key, std::move(picture));
  }
}

bool PropertyStore::Contains(std::string_view key) const {
  return Find(key) != nullptr;
}

std::vector<std::string> PropertyStore::Keys() const {
  std::vector<std::string> keys;
  keys.reserve(entries_.size());
  for (const Entry& e : entries_) keys.push_back(e.key);
  return keys;
}

void PropertyStore::MarkChanged(std::string_view name) {
  if (!IsChanged(name)) changed_.emplace_back(name);
}

bool PropertyStore::IsChanged(std::string_view name) const {
  return std::any_of(changed_.begin(), changed_.end(),
                     [&](const std::string& c) { return TextCase::Equal(c, name); });
}
