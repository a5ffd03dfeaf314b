/*
** PropertyStore: the design settings that a form keeps for each control it
** contains, by key.
**
** Rules:
**   - keys are matched ignoring the case of ASCII letters: forms hold them
**     in lower case ("migrar"), controls read them as they name them
**     ("Migrar");
**   - a value equal to its default is not written, and writing it drops a
**     value stored before, so that the key reads as its default again;
**   - a missing key reads as the default that the reader gives;
**   - a value written without a default is always stored;
**   - keys keep the order in which they were first written, so a store that
**     a control saves into lists them in the control's own order.
**
** Values are Variants. A picture is not a Variant, so pictures are kept by
** reference under their own key; "no picture" (an empty reference, or a
** picture without pixels) is never written. Reading a picture where a value
** is stored, or the reverse, is a type mismatch (AppError 13).
**
** Apart from the values, the store remembers which properties were set at
** run time (MarkChanged), so that the form knows what it would have to save.
*/
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/Variant.h"
#include "graphics/Picture.h"

class PropertyStore {
 public:
  Variant Read(std::string_view key, const Variant& defaultValue) const;
  // A stored flag; an empty value (Empty or "") counts as False rather
  // than failing as a type mismatch.
  bool ReadFlag(std::string_view key, bool defaultValue) const;
  // The stored picture, or an empty reference when there is none.
  std::shared_ptr<const Picture> ReadPicture(std::string_view key) const;

  void Write(std::string_view key, const Variant& value, const Variant& defaultValue);
  // For settings that have no default: always stored.
  void Write(std::string_view key, const Variant& value);
  // No picture: nothing is stored under the key.
  void WritePicture(std::string_view key, std::shared_ptr<const Picture> picture);

  bool Contains(std::string_view key) const;
  // Keys as first written, in that order.
  std::vector<std::string> Keys() const;

  void MarkChanged(std::string_view name);
  bool IsChanged(std::string_view name) const;

 private:
  struct Entry {
    std::string key;
    std::variant<Variant, std::shared_ptr<const Picture>> value;
  };

  const Entry* Find(std::string_view key) const;
  void Store(std::string_view key, std::variant<Variant, std::shared_ptr<const Picture>> value);
  void Remove(std::string_view key);

  std::vector<Entry> entries_;
  std::vector<std::string> changed_;
};
