#pragma once
// A program's name as text. The name field holds bytes: what the device
// sent, the rename panel took, or a parameter file made elsewhere brought
// (bytes above 127 among them). Shown on the panels and in velt1ctl alike,
// each byte is its Latin-1 character, so every byte survives the way to
// text and back.

#include <optional>
#include <string>

#include "device/programm.h"

// The name bytes (up to the NUL, at most 31) as UTF-8.
std::string Programmname_AlsText(const Programm& programm);
// The reverse: every character must be U+0001..U+00FF and at most 31 of
// them; otherwise what is wrong, and the record is untouched.
std::optional<std::string> Programmname_AusText(const std::string& text, Programm& programm);
