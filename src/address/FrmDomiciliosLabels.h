/*
** FrmDomiciliosLabels: the address editor's labels and their access keys,
** so that every Alt+letter of the window has exactly one target.
**
** A field's label is the host's description of its slot followed by ":".
** Each slot has a usual label ("&Calle:", "&Nro:", "R&uta:", ...) whose
** access key lands on the first letter of the host's text that matches
** it, unless the text brings an '&' of its own; a text without that
** letter prefers no key (WithKey).
**
** Then, over the window's targets in tab order (OneKeyEach): the option
** buttons "&Fiscal" and "&Otro" keep their keys, as they are the system's
** own texts; each shown label keeps the key it prefers unless a target
** before it took that letter; a label left without one takes the first
** letter of its text that no target holds yet, or none. Only shown
** targets count: a hidden one answers no key. Keys are the letters a to z,
** told apart without regard to case; "&&" is a literal '&'.
**
** The usual labels are chosen so that the window's own labels never
** share a key: C N U K R I D M A L G P T X E B, with F and O for the
** option buttons.
*/
#pragma once

#include <string>
#include <vector>

class FrmDomiciliosLabels {
 public:
  static constexpr const char* kProvincia = "&Provincia:";

  // The usual label of a text slot or of the province (14); "" for others.
  static std::string Usual(int slot);
  // The label for the host's text (description and ":"), with the key of
  // the slot's usual label where the text has that letter.
  static std::string WithKey(int slot, const std::string& text);

  struct Target {
    std::string text;  // '&' before the key it prefers, if any
    bool visible = true;
    bool fixed = false;  // a text of the system's: its key stays
  };
  // The targets' texts, each with one key at most, in the same order.
  static std::vector<std::string> OneKeyEach(const std::vector<Target>& targets);
};
